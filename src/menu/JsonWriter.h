#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <functional>

// Writes JSON text as UTF-8 piece by piece, escaping strings the way Qt's
// own JSON writer does. With a drain the text leaves in chunks of about a
// mebibyte as it is written, so a large file is never held whole.
class JsonWriter {
public:
    using Drain = std::function<void(QByteArrayView bytes)>;

    explicit JsonWriter(Drain drain = {}) : m_drain(std::move(drain)) {}

    JsonWriter &raw(QByteArrayView bytes)
    {
        m_bytes.append(bytes);
        if (m_drain && m_bytes.size() >= kChunk)
            flush();
        return *this;
    }
    // A quoted, escaped string.
    JsonWriter &string(QStringView text);
    JsonWriter &number(int value) { return raw(QByteArray::number(value)); }

    // Everything written so far, with or without a drain.
    qint64 total() const { return m_drained + m_bytes.size(); }
    // Hands what is held to the drain.
    void flush();
    // The whole text (a writer without drain).
    QByteArray take() { return std::move(m_bytes); }

private:
    static constexpr qsizetype kChunk = 1 << 20;
    Drain m_drain;
    QByteArray m_bytes;
    qint64 m_drained = 0;
};
