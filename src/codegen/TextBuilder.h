#pragma once

#include "menu/ItemText.h"
#include "platform/ShortCopy.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringBuilder>
#include <QStringView>
#include <algorithm>
#include <cstring>
#include <functional>

// Appends text pieces into one buffer with a single copy per piece and no
// per-piece bookkeeping beyond a bounds check. Used for generated code, whose
// size can reach many megabytes for large menus.
//
// Built with a drain, the builder streams instead: pieces are written as
// UTF-8 into a fixed-size chunk, and each full chunk goes to the drain, so
// the whole text is never held. Pieces already in UTF-8 (texts straight from
// a project file) are copied as they are. The bytes drained equal toUtf8() of
// the whole text: a high surrogate ending one piece waits for the next.
class TextBuilder {
public:
    using Drain = std::function<void(QByteArrayView utf8)>;

    explicit TextBuilder(qsizetype expectedSize) { grow(std::max<qsizetype>(expectedSize, 64)); }
    explicit TextBuilder(Drain drain, qsizetype chunkSize = 65536) : m_drain(std::move(drain))
    {
        m_bytes.resize(std::max<qsizetype>(chunkSize, 64));
    }

    TextBuilder &operator+=(QStringView piece)
    {
        const qsizetype n = piece.size();
        if (n == 0) // an empty view may have no data at all, which memcpy must not see
            return *this;
        if (m_drain)
            return appendStreamed(piece);
        if (m_used + n > m_capacity)
            grow(std::max(m_capacity * 2, m_used + n));
        std::memcpy(m_data + m_used, piece.data(), size_t(n) * sizeof(QChar));
        m_used += n;
        return *this;
    }
    TextBuilder &operator+=(const QString &piece) { return *this += QStringView(piece); }
    TextBuilder &operator+=(QChar c) { return *this += QStringView(&c, 1); }
    TextBuilder &operator+=(QLatin1StringView piece);
    template <typename A, typename B> TextBuilder &operator+=(const QStringBuilder<A, B> &piece)
    {
        return *this += QString(piece);
    }
    // A text in either form.
    TextBuilder &operator+=(const ItemText &text)
    {
        return text.isUtf8() ? appendUtf8(text.utf8()) : (*this += text.utf16());
    }
    // A literal, in UTF-8 as the source files are.
    template <std::size_t N> TextBuilder &operator+=(const char (&literal)[N])
    {
        return appendUtf8(QByteArrayView(literal, qsizetype(N - 1)));
    }
    // Valid UTF-8 (as a checked project file holds).
    TextBuilder &appendUtf8(QByteArrayView bytes)
    {
        if (!m_drain)
            return widenUtf8(bytes);
        if (m_high != 0)
            putLoneHigh();
        if (m_used + bytes.size() <= m_bytes.size()) { // the common case: room in the chunk
            copyShort(m_bytes.data() + m_used, bytes.data(), size_t(bytes.size()));
            m_used += bytes.size();
            return *this;
        }
        return appendBytes(bytes);
    }

    // Whether the builder streams to a drain.
    bool streams() const { return bool(m_drain); }
    // Hands UTF-8 made elsewhere straight to the drain, after everything
    // appended so far (a streaming builder).
    void drainUtf8(QByteArrayView bytes)
    {
        flush();
        if (!bytes.isEmpty())
            m_drain(bytes);
    }

    // The units appended so far (a builder without drain).
    qsizetype size() const { return m_used; }

    // The whole text (a builder without drain).
    QString take()
    {
        m_text.truncate(m_used);
        m_capacity = m_used = 0;
        m_data = nullptr;
        return std::move(m_text);
    }

    // Hands everything appended so far to the drain (a streaming builder);
    // a high surrogate still waiting is written as the whole text would.
    void flush()
    {
        if (m_high != 0)
            putLoneHigh();
        drainChunk();
    }

private:
    void grow(qsizetype capacity)
    {
        m_text.reserve(capacity); // exact size: no over-allocation for huge texts
        m_text.resize(capacity);
        m_data = m_text.data();
        m_capacity = capacity;
    }

    TextBuilder &widenUtf8(QByteArrayView bytes);
    TextBuilder &appendStreamed(QStringView piece);
    TextBuilder &appendBytes(QByteArrayView bytes);
    void putConverted(QStringView piece);
    void putLoneHigh();
    void drainChunk()
    {
        if (m_used > 0)
            m_drain(QByteArrayView(m_bytes.constData(), m_used));
        m_used = 0;
    }

    // Without drain: the text in UTF-16.
    QString m_text;
    QChar *m_data = nullptr;
    qsizetype m_capacity = 0;
    qsizetype m_used = 0; // units of m_text, or bytes of m_bytes
    // With drain: the chunk in UTF-8, and a high surrogate waiting for its partner.
    Drain m_drain;
    QByteArray m_bytes;
    char16_t m_high = 0;
};
