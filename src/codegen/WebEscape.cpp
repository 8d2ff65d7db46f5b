#include "codegen/WebEscape.h"

#include "codegen/TextBuilder.h"

#include <QList>

#include <algorithm>
#include <array>
#include <bit>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace webescape {

namespace {
bool isControl(char32_t c)
{
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || (c >= 0x7F && c < 0xA0);
}
} // namespace

QString html(QStringView text)
{
    const bool plain = std::none_of(text.begin(), text.end(), [](QChar c) {
        return c == u'&' || c == u'<' || c == u'>' || c == u'"' || c == u'\'' || c.isSurrogate()
               || isControl(c.unicode());
    });
    if (plain) // the common case: nothing to replace
        return text.toString();
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case '&':
            out += QLatin1StringView("&amp;");
            continue;
        case '<':
            out += QLatin1StringView("&lt;");
            continue;
        case '>':
            out += QLatin1StringView("&gt;");
            continue;
        case '"':
            out += QLatin1StringView("&quot;");
            continue;
        case '\'':
            out += QLatin1StringView("&#39;");
            continue;
        default:
            break;
        }
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
        } else if (c.isSurrogate() || isControl(c.unicode())) {
            out += QChar::ReplacementCharacter;
        } else {
            out += c;
        }
    }
    return out;
}

namespace {

// The bytes that may need a replacement: & < > " ', C0 controls, DEL, and
// the lead byte of U+0080 to U+00BF (among them the C1 controls).
constexpr auto kCheck = [] {
    std::array<bool, 256> check{};
    for (int c = 0; c < 256; ++c)
        check[c] =
            c == '&' || c == '<' || c == '>' || c == '"' || c == '\'' || c < 0x20 || c == 0x7F || c == 0xC2;
    return check;
}();

#if defined(__SSE2__)
// Which of sixteen bytes are in kCheck, as a bit mask: & and ' differ in the
// lowest bit, < and > in the next; controls are the bytes at most 0x1F.
int checkMask(__m128i c)
{
    const __m128i check = _mm_or_si128(
        _mm_or_si128(_mm_cmpeq_epi8(_mm_max_epu8(c, _mm_set1_epi8(0x1F)), _mm_set1_epi8(0x1F)),
                     _mm_cmpeq_epi8(c, _mm_set1_epi8('"'))),
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(_mm_or_si128(c, _mm_set1_epi8(1)), _mm_set1_epi8('\'')),
                                  _mm_cmpeq_epi8(_mm_or_si128(c, _mm_set1_epi8(2)), _mm_set1_epi8('>'))),
                     _mm_or_si128(_mm_cmpeq_epi8(c, _mm_set1_epi8(0x7F)),
                                  _mm_cmpeq_epi8(c, _mm_set1_epi8(char(0xC2))))));
    return _mm_movemask_epi8(check);
}
#endif

// Whether any byte is in kCheck. Reads only within the text: from eight
// bytes on, in overlapping blocks.
bool anyToCheck(const uchar *s, qsizetype n)
{
#if defined(__SSE2__)
    const auto load = [](const uchar *at) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(at)); };
    if (n >= 16) {
        for (qsizetype i = 0; i + 16 <= n; i += 16) {
            if (checkMask(load(s + i)) != 0)
                return true;
        }
        return checkMask(load(s + n - 16)) != 0;
    }
    if (n >= 8) {
        const auto load8 = [](const uchar *at) {
            return _mm_loadl_epi64(reinterpret_cast<const __m128i *>(at));
        };
        return checkMask(_mm_unpacklo_epi64(load8(s), load8(s + n - 8))) != 0;
    }
#endif
    return std::any_of(s, s + n, [](uchar c) { return kCheck[c]; });
}

} // namespace

void appendHtmlUtf8(TextBuilder &out, QByteArrayView text)
{
    const auto *s = reinterpret_cast<const uchar *>(text.data());
    const qsizetype n = text.size();
    if (!anyToCheck(s, n)) { // most texts: copied as they are
        out.appendUtf8(text);
        return;
    }
    qsizetype from = 0; // where the bytes copied as they are begin
    for (qsizetype i = 0; i < n; ++i) {
        while (i < n && !kCheck[s[i]])
            ++i;
        if (i == n)
            break;
        const char *replacement = nullptr;
        qsizetype length = 1;
        switch (s[i]) {
        case '&':
            replacement = "&amp;";
            break;
        case '<':
            replacement = "&lt;";
            break;
        case '>':
            replacement = "&gt;";
            break;
        case '"':
            replacement = "&quot;";
            break;
        case '\'':
            replacement = "&#39;";
            break;
        default:
            if (s[i] < 0x80 && isControl(s[i])) { // C0 controls and DEL
                replacement = "\xEF\xBF\xBD";
            } else if (s[i] == 0xC2 && i + 1 < n && s[i + 1] < 0xA0) { // C1 controls
                replacement = "\xEF\xBF\xBD";
                length = 2;
            }
            break;
        }
        if (!replacement)
            continue;
        out.appendUtf8(text.sliced(from, i - from));
        out.appendUtf8(replacement);
        i += length - 1;
        from = i + 1;
    }
    out.appendUtf8(text.sliced(from));
}

QString cssString(QStringView text)
{
    QString out(QLatin1Char('\''));
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('\''))
            out += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            out += QStringLiteral("\\%1 ").arg(c.unicode(), 0, 16);
        else
            out += c;
    }
    return out + QLatin1Char('\'');
}

QString idToken(QStringView text)
{
    QString out;
    for (const uint c : text.toUcs4()) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-')
            out += QChar(c);
        else
            out += QStringLiteral("_%1_").arg(quint32(c), 0, 16);
    }
    return out;
}

} // namespace webescape
