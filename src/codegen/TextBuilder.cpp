#include "codegen/TextBuilder.h"

TextBuilder &TextBuilder::operator+=(QLatin1StringView piece)
{
    if (m_drain && std::all_of(piece.begin(), piece.end(), [](char c) { return uchar(c) < 0x80; }))
        return appendUtf8(QByteArrayView(piece.data(), piece.size())); // ASCII is its own UTF-8
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

// ASCII widens a byte to a unit; anything else is decoded.
TextBuilder &TextBuilder::widenUtf8(QByteArrayView bytes)
{
    const qsizetype n = bytes.size();
    if (m_used + n > m_capacity)
        grow(std::max(m_capacity * 2, m_used + n));
    qsizetype i = 0;
    for (; i < n && uchar(bytes[i]) < 0x80; ++i)
        m_data[m_used + i] = QChar(char16_t(bytes[i]));
    m_used += i;
    if (i < n)
        *this += QString::fromUtf8(bytes.sliced(i));
    return *this;
}

TextBuilder &TextBuilder::appendStreamed(QStringView piece)
{
    if (m_high != 0) {
        const QChar high(m_high);
        m_high = 0;
        if (piece.front().isLowSurrogate()) {
            const QChar pair[2] = {high, piece.front()};
            putConverted(QStringView(pair, 2));
            piece = piece.sliced(1);
        } else {
            putConverted(QStringView(&high, 1));
        }
        if (piece.isEmpty())
            return *this;
    }
    if (piece.back().isHighSurrogate()) {
        m_high = piece.back().unicode();
        piece.chop(1);
    }
    putConverted(piece);
    return *this;
}

void TextBuilder::putLoneHigh()
{
    const QChar high(m_high);
    m_high = 0;
    putConverted(QStringView(&high, 1));
}

// ASCII is copied a unit to a byte; each run of other units (a surrogate
// pair never straddles an ASCII unit) is converted as toUtf8() does.
void TextBuilder::putConverted(QStringView piece)
{
    const char16_t *s = piece.utf16();
    const qsizetype n = piece.size();
    qsizetype i = 0;
    while (i < n) {
        if (m_used == m_bytes.size())
            drainChunk();
        char *out = m_bytes.data() + m_used;
        const qsizetype limit = std::min(m_bytes.size() - m_used, n - i);
        qsizetype k = 0;
        while (k < limit && s[i + k] < 0x80) {
            out[k] = char(s[i + k]);
            ++k;
        }
        m_used += k;
        i += k;
        if (i < n && s[i] >= 0x80) {
            qsizetype j = i;
            while (j < n && s[j] >= 0x80)
                ++j;
            appendBytes(QStringView(s + i, j - i).toUtf8());
            i = j;
        }
    }
}

TextBuilder &TextBuilder::appendBytes(QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        if (m_used == m_bytes.size())
            drainChunk();
        const qsizetype n = std::min(bytes.size(), m_bytes.size() - m_used);
        std::memcpy(m_bytes.data() + m_used, bytes.data(), size_t(n));
        m_used += n;
        bytes = bytes.sliced(n);
    }
    return *this;
}
