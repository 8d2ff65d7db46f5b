#pragma once

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
// Built with a drain, the builder streams instead: the buffer is a fixed-size
// chunk, and each full chunk goes to the drain as UTF-8 (a surrogate pair is
// never split between two chunks), so the whole text is never held. The
// bytes drained equal toUtf8() of the whole text.
class TextBuilder {
public:
    using Drain = std::function<void(QByteArrayView utf8)>;

    explicit TextBuilder(qsizetype expectedSize) { grow(std::max<qsizetype>(expectedSize, 64)); }
    explicit TextBuilder(Drain drain, qsizetype chunkSize = 32768)
        : m_drain(std::move(drain))
    {
        grow(std::max<qsizetype>(chunkSize, 2));
    }

    TextBuilder &operator+=(QStringView piece)
    {
        const qsizetype n = piece.size();
        if (n == 0) // an empty view may have no data at all, which memcpy must not see
            return *this;
        if (m_used + n > m_capacity) {
            if (m_drain)
                return appendStreamed(piece);
            grow(std::max(m_capacity * 2, m_used + n));
        }
        std::memcpy(m_data + m_used, piece.data(), size_t(n) * sizeof(QChar));
        m_used += n;
        return *this;
    }
    TextBuilder &operator+=(const QString &piece) { return *this += QStringView(piece); }
    TextBuilder &operator+=(QChar c) { return *this += QStringView(&c, 1); }
    TextBuilder &operator+=(QLatin1StringView piece)
    {
        // Latin-1 widens one byte to one unit; short pieces, so in slices.
        QChar wide[256];
        while (!piece.isEmpty()) {
            const qsizetype n = std::min<qsizetype>(piece.size(), 256);
            for (qsizetype i = 0; i < n; ++i)
                wide[i] = QChar(uchar(piece.data()[i]));
            *this += QStringView(wide, n);
            piece = piece.sliced(n);
        }
        return *this;
    }
    template <typename A, typename B> TextBuilder &operator+=(const QStringBuilder<A, B> &piece)
    {
        return *this += QString(piece);
    }

    // The whole text (a builder without drain).
    QString take()
    {
        m_text.truncate(m_used);
        m_capacity = m_used = 0;
        m_data = nullptr;
        return std::move(m_text);
    }

    // Hands everything appended so far to the drain (a streaming builder).
    void flush() { drainChunk(true); }

private:
    void grow(qsizetype capacity)
    {
        m_text.reserve(capacity); // exact size: no over-allocation for huge texts
        m_text.resize(capacity);
        m_data = m_text.data();
        m_capacity = capacity;
    }

    TextBuilder &appendStreamed(QStringView piece)
    {
        while (!piece.isEmpty()) {
            if (m_used == m_capacity)
                drainChunk(false);
            const qsizetype n = std::min(piece.size(), m_capacity - m_used);
            std::memcpy(m_data + m_used, piece.data(), size_t(n) * sizeof(QChar));
            m_used += n;
            piece = piece.sliced(n);
        }
        return *this;
    }

    // Converts the chunk; a high surrogate at its end waits for its partner
    // unless this is the final flush.
    void drainChunk(bool final)
    {
        qsizetype n = m_used;
        if (!final && n > 0 && m_data[n - 1].isHighSurrogate())
            --n;
        if (n > 0) // toUtf8(), whose handling of an unpaired surrogate the whole text would get
            m_drain(QStringView(m_data, n).toUtf8());
        std::memmove(m_data, m_data + n, size_t(m_used - n) * sizeof(QChar));
        m_used -= n;
    }

    QString m_text;
    QChar *m_data = nullptr;
    qsizetype m_used = 0;
    qsizetype m_capacity = 0;
    Drain m_drain;
};
