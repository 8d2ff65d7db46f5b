#include "menu/JsonWriter.h"

#include <algorithm>

namespace {
char hexDigit(uint value)
{
    return char(value < 10 ? '0' + value : 'a' + value - 10);
}
} // namespace

JsonWriter &JsonWriter::string(QStringView text)
{
    const bool plain = std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() < 0x80 && c != u'"' && c != u'\\';
    });
    m_bytes.append('"');
    if (plain) {
        // Printable ASCII without quote or backslash: one byte a unit.
        const qsizetype at = m_bytes.size();
        m_bytes.resize(at + text.size());
        char *out = m_bytes.data() + at;
        for (const QChar c : text)
            *out++ = char(c.unicode());
    } else {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t u = text[i].unicode();
            const bool pair =
                QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
            if (u == '"' || u == '\\') {
                m_bytes.append('\\').append(char(u));
            } else if (u >= 0x20 && u < 0x80) {
                m_bytes.append(char(u));
            } else if (u == '\b' || u == '\f' || u == '\n' || u == '\r' || u == '\t') {
                static const char letters[] = "btn?fr";
                m_bytes.append('\\').append(letters[u - '\b']);
            } else if (u < 0x20 || (QChar::isSurrogate(u) && !pair)) {
                // Control characters and unpaired surrogates as \u escapes.
                const char escape[] = {'\\',
                                       'u',
                                       hexDigit(u >> 12),
                                       hexDigit((u >> 8) & 0xF),
                                       hexDigit((u >> 4) & 0xF),
                                       hexDigit(u & 0xF)};
                m_bytes.append(escape, 6);
            } else if (pair) {
                const char32_t c = QChar::surrogateToUcs4(u, text[++i].unicode());
                const char bytes[] = {char(0xF0 | (c >> 18)), char(0x80 | ((c >> 12) & 0x3F)),
                                      char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
                m_bytes.append(bytes, 4);
            } else if (u < 0x800) {
                const char bytes[] = {char(0xC0 | (u >> 6)), char(0x80 | (u & 0x3F))};
                m_bytes.append(bytes, 2);
            } else {
                const char bytes[] = {char(0xE0 | (u >> 12)), char(0x80 | ((u >> 6) & 0x3F)),
                                      char(0x80 | (u & 0x3F))};
                m_bytes.append(bytes, 3);
            }
        }
    }
    m_bytes.append('"');
    if (m_drain && m_bytes.size() >= kChunk)
        flush();
    return *this;
}

void JsonWriter::flush()
{
    if (!m_drain || m_bytes.isEmpty())
        return;
    m_drain(m_bytes);
    m_drained += m_bytes.size();
    m_bytes.resize(0); // keeps its capacity
}
