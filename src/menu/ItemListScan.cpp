#include "menu/ItemListScan.h"

#include "menu/JsonScanner.h"
#include "menu/ProjectFile.h"
#include "platform/FreshMemory.h"

#include <QString>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <system_error>
#include <thread>
#include <utility>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Bytes a string's scan stops at: its end, escapes, controls, the bytes
// HTML escapes (counted for the summary) and the start of UTF-8 sequences.
constexpr auto kStops = [] {
    std::array<bool, 256> stops{};
    for (int c = 0; c < 256; ++c)
        stops[c] =
            c < 0x20 || c == '"' || c == '\\' || c >= 0x80 || c == '&' || c == '\'' || c == '<' || c == '>';
    return stops;
}();

bool isHexDigit(uchar c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// One string value as scanned (every member set by the scan).
struct Scanned {
    qsizetype at;     // first byte of the contents
    qsizetype size;   // bytes of the contents
    qint64 units;     // UTF-16 units, when without escapes
    qint64 chars;     // code points, when without escapes
    qint64 htmlExtra; // what HTML escaping adds, when without escapes
    bool escapes;
    bool separator; // decoded, when with escapes: the separator's text
};

class ListScan {
public:
    ListScan(QByteArrayView text, MenuItemSummary *summary, std::vector<ItemSpans> *spans)
        : d(reinterpret_cast<const uchar *>(text.data())), n(text.size()), m_summary(summary), m_spans(spans)
    {
    }

    // Reads the items from `from` on, each followed by a comma or by the
    // list's end: returns the offset after the closing bracket, or, when
    // `stop` is met at the start of an item, `stop` itself (kPassed when
    // it lies within an item); -1 for anything else.
    static constexpr qsizetype kPassed = -2;
    qsizetype run(qsizetype from, qsizetype stop = -1)
    {
        i = from;
        for (;;) {
            if (!item())
                return -1;
            blanks();
            if (i >= n)
                return -1;
            if (d[i] == ']')
                return i + 1;
            if (d[i] != ',')
                return -1;
            ++i;
            blanks();
            if (stop >= 0 && i >= stop)
                return i == stop ? stop : kPassed;
        }
    }

    bool hasDefault() const { return m_default; }

private:
    void blanks()
    {
        while (i < n && d[i] <= ' ' && (d[i] == ' ' || d[i] == '\n' || d[i] == '\r' || d[i] == '\t'))
            ++i;
    }

    // The member name at i (its opening quote) among the four, or -1.
    int memberName()
    {
        // The name with its quotes; the closing one ends it, so no longer
        // name starts the same way.
        const auto is = [&]<std::size_t N>(const char(&name)[N], int f) {
            if (i + qsizetype(N - 1) > n || std::memcmp(d + i, name, N - 1) != 0)
                return -1;
            i += N - 1;
            return f;
        };
        if (i + 1 >= n)
            return -1;
        switch (d[i + 1]) {
        case 't':
            return is("\"text\"", 0);
        case 'l':
            return is("\"linked\"", 1);
        case 'u':
            return is("\"url\"", 2);
        case 's':
            return is("\"selected\"", 3);
        default:
            return -1;
        }
    }

    // Skips to the first byte of kStops, sixteen at a time where sixteen remain.
    void toStop()
    {
#if defined(__SSE2__)
        const __m128i quote = _mm_set1_epi8('"'), backslash = _mm_set1_epi8('\\');
        const __m128i space = _mm_set1_epi8(0x20), one = _mm_set1_epi8(1), two = _mm_set1_epi8(2);
        const __m128i apostrophe = _mm_set1_epi8('\''), greater = _mm_set1_epi8('>');
        while (i + 16 <= n) {
            const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i *>(d + i));
            // Signed: bytes from 0x80 are below 0x20 too. & and ' differ in
            // their lowest bit, < and > in the next.
            const __m128i stops =
                _mm_or_si128(_mm_or_si128(_mm_cmplt_epi8(c, space), _mm_cmpeq_epi8(c, quote)),
                             _mm_or_si128(_mm_cmpeq_epi8(c, backslash),
                                          _mm_or_si128(_mm_cmpeq_epi8(_mm_or_si128(c, one), apostrophe),
                                                       _mm_cmpeq_epi8(_mm_or_si128(c, two), greater))));
            const int mask = _mm_movemask_epi8(stops);
            if (mask != 0) {
                i += std::countr_zero(unsigned(mask));
                return;
            }
            i += 16;
        }
#endif
        while (i < n && !kStops[d[i]])
            ++i;
    }

    bool string(Scanned *s)
    {
        if (i >= n || d[i] != '"')
            return false;
        s->at = ++i;
        s->escapes = false;
        s->htmlExtra = 0;
        qint64 extraBytes = 0; // bytes of sequences beyond their first
        qint64 pairs = 0;      // four-byte sequences: two units each
        for (;;) {
            toStop();
            if (i >= n)
                return false;
            const uchar c = d[i];
            if (c == '"')
                break;
            if (c == '\\') {
                s->escapes = true;
                const uchar e = i + 1 < n ? d[i + 1] : 0;
                if (e == 'u') {
                    for (qsizetype k = i + 2; k < i + 6; ++k) {
                        if (k >= n || !isHexDigit(d[k]))
                            return false;
                    }
                    i += 6;
                } else if (e != 0 && std::strchr("\"\\/bfnrt", e)) {
                    i += 2;
                } else {
                    return false;
                }
                continue;
            }
            if (c < 0x20)
                return false;
            if (c < 0x80) { // one of & ' < >
                s->htmlExtra += c == '&' || c == '\'' ? 4 : 3;
                ++i;
                continue;
            }
            const int length = JsonScanner::utf8SequenceLength(d, i, n); // as the general reader takes it
            if (length == 0)
                return false;
            extraBytes += length - 1;
            pairs += length == 4;
            i += length;
        }
        s->size = i - s->at;
        s->chars = s->size - extraBytes;
        s->units = s->chars + pairs;
        ++i;
        return true;
    }

    QByteArrayView bytes(const Scanned &s) const
    {
        return QByteArrayView(reinterpret_cast<const char *>(d) + s.at, s.size);
    }

    // A text with escapes: its figures from the decoded text.
    void decode(Scanned *s, QString *decoded)
    {
        if (JsonScanner::decodeStringUtf8(bytes(*s), &m_utf8)) {
            qint64 continuing = 0, pairs = 0;
            s->htmlExtra = 0;
            for (const char c : std::as_const(m_utf8)) {
                const uchar u = uchar(c);
                continuing += (u & 0xC0) == 0x80;
                pairs += u >= 0xF0;
                s->htmlExtra += u == '&' || u == '\'' ? 4 : u == '<' || u == '>' ? 3 : u == '"' ? 5 : 0;
            }
            s->chars = m_utf8.size() - continuing;
            s->units = s->chars + pairs;
            s->separator = m_utf8 == QByteArrayView("--------------------");
            return;
        }
        JsonScanner::decodeString(bytes(*s), true, decoded, {});
        s->separator = *decoded == menutext::kSeparatorText;
        s->units = decoded->size();
        s->chars = s->units - std::count_if(decoded->begin(), decoded->end(), [](QChar c) {
                       return c.isLowSurrogate();
                   });
        s->htmlExtra = MenuItemSummary::escapedLength(*decoded) - s->units;
    }

    // "Yes" or "No" written plainly: 1 or 0; -1 for anything else.
    int yesNo(const Scanned &s) const
    {
        if (s.escapes)
            return -1;
        const uchar *b = d + s.at;
        if (s.size == 3 && b[0] == 'Y' && b[1] == 'e' && b[2] == 's')
            return 1;
        return s.size == 2 && b[0] == 'N' && b[1] == 'o' ? 0 : -1;
    }

    // Fixed text at i, which moves past it.
    template <std::size_t N> bool fixed(const char (&text)[N])
    {
        if (n - i < qsizetype(N - 1) || std::memcmp(d + i, text, N - 1) != 0)
            return false;
        i += N - 1;
        return true;
    }
    // "Yes" or "No" with its closing quote at i: 1 or 0; -1 for anything else.
    int plainYesNo()
    {
        return fixed("Yes\"") ? 1 : fixed("No\"") ? 0 : -1;
    }

    // An item exactly as the program writes one: the fixed parts compared
    // whole, the texts scanned.
    bool writtenItem()
    {
        Scanned text;
        Scanned url;
        if (!fixed("{\"linked\": \""))
            return false;
        const int linked = plainYesNo();
        if (linked < 0 || !fixed(", \"selected\": \""))
            return false;
        const int selected = plainYesNo();
        return selected >= 0 && fixed(", \"text\": ") && string(&text) && fixed(", \"url\": ") && string(&url)
               && fixed("}") && add(text, linked, url, selected);
    }

    bool item()
    {
        const qsizetype start = i;
        if (writtenItem())
            return true;
        i = start; // any other layout: member by member
        if (i >= n || d[i] != '{')
            return false;
        ++i;
        Scanned field[4]; // each set once seen
        int seen = 0;
        for (;;) {
            blanks();
            if (i >= n || d[i] != '"')
                return false;
            const int f = memberName();
            if (f < 0 || (seen & (1 << f)))
                return false;
            seen |= 1 << f;
            blanks();
            if (i >= n || d[i] != ':')
                return false;
            ++i;
            blanks();
            if (!string(&field[f]))
                return false;
            blanks();
            if (i >= n)
                return false;
            if (d[i] == '}')
                break;
            if (d[i] != ',')
                return false;
            ++i;
        }
        ++i;
        if (seen != 0xF)
            return false;
        return add(field[0], yesNo(field[1]), field[2], yesNo(field[3]));
    }

    // Checks an item (`linked` and `selected`: 1, 0 or -1 as yesNo()), then
    // adds it to the summary and the spans.
    bool add(Scanned &text, int linked, Scanned &url, int selected)
    {
        if (linked < 0 || selected < 0)
            return false;
        if (text.escapes)
            decode(&text, &m_text);
        if (url.escapes)
            decode(&url, &m_url);
        if (text.units > ProjectFile::kMaxTextLength || url.units > ProjectFile::kMaxTextLength)
            return false;
        if (selected == 1) {
            if (m_default)
                return false; // a second default: the general reader names both
            m_default = true;
        }
        const bool separator =
            text.escapes ? text.separator
                         : text.size == 20 && std::memcmp(d + text.at, "--------------------", 20) == 0;
        ItemSpans &at = m_spans->emplace_back();
        at.textAt = quint32(text.at);
        at.textSize = quint32(text.size);
        at.urlAt = quint32(url.at);
        at.urlSize = quint32(url.size);
        at.flags = ItemSpans::pack(text.escapes, url.escapes, separator, linked == 1, selected == 1);
        // As MenuItemSummary::add does for the decoded item.
        MenuItemSummary &s = *m_summary;
        ++s.count;
        if (separator) {
            ++s.separators;
            return true;
        }
        s.textAndUrlLength += text.units + url.units;
        s.htmlLength += text.units + text.htmlExtra + url.units + url.htmlExtra;
        s.longest = std::max(s.longest, qsizetype(text.chars));
        s.anyDefault = s.anyDefault || selected != 0;
        s.anyLink = s.anyLink || linked == 1;
        return true;
    }

    const uchar *d;
    qsizetype n;
    qsizetype i = 0;
    MenuItemSummary *m_summary;
    std::vector<ItemSpans> *m_spans;
    bool m_default = false;
    QString m_text; // room for decoding
    QString m_url;
    QByteArray m_utf8;
};

} // namespace

namespace {

// Where a second reader can start in a long list: the first item that
// begins a line after the middle, behind a comma. Strings hold no line
// breaks, so a line break is never inside one; the first reader confirms
// that the place is an item's start by arriving there.
qsizetype secondHalf(const uchar *d, qsizetype from, qsizetype to)
{
    const qsizetype middle = from + (to - from) / 2;
    const qsizetype searchEnd = std::min(to, middle + (qsizetype(1) << 16));
    for (qsizetype i = middle; i < searchEnd; ++i) {
        if (d[i] != '\n')
            continue;
        qsizetype before = i;
        while (before > from && (d[before - 1] == ' ' || d[before - 1] == '\r' || d[before - 1] == '\t'))
            --before;
        qsizetype start = i + 1;
        while (start < to && (d[start] == ' ' || d[start] == '\r' || d[start] == '\t' || d[start] == '\n'))
            ++start;
        if (before > from && d[before - 1] == ',' && start < to && d[start] == '{')
            return start;
    }
    return -1;
}

void merge(MenuItemSummary *into, const MenuItemSummary &s)
{
    into->count += s.count;
    into->separators += s.separators;
    into->textAndUrlLength += s.textAndUrlLength;
    into->htmlLength += s.htmlLength;
    into->longest = std::max(into->longest, s.longest);
    into->anyDefault = into->anyDefault || s.anyDefault;
    into->anyLink = into->anyLink || s.anyLink;
}

// The list's items, from just after its bracket.
qsizetype firstItem(const uchar *d, qsizetype n, qsizetype at)
{
    ++at;
    while (at < n && (d[at] == ' ' || d[at] == '\n' || d[at] == '\r' || d[at] == '\t'))
        ++at;
    return at;
}

} // namespace

qsizetype scanItemList(QByteArrayView text, qsizetype at, MenuItemSummary *summary,
                       std::vector<ItemSpans> *spans, std::vector<ItemSpans> *tail)
{
    tail->clear();
    const auto *d = reinterpret_cast<const uchar *>(text.data());
    const qsizetype from = firstItem(d, text.size(), at);
    if (from < text.size() && d[from] == ']')
        return from + 1;
    // A long list is read in two halves at once, where a second processor is.
    constexpr qsizetype kTwoReadersFrom = 4 << 20;
    const qsizetype second = text.size() - from >= kTwoReadersFrom && std::thread::hardware_concurrency() > 1
                                 ? secondHalf(d, from, text.size())
                                 : -1;
    if (second < 0)
        return ListScan(text, summary, spans).run(from);
    MenuItemSummary secondSummary;
    std::vector<ItemSpans> secondSpans;
    secondSpans.reserve(spans->capacity() / 2 + 1);
    FreshMemory::preferLargePages(secondSpans.data(), secondSpans.capacity() * sizeof(ItemSpans));
    ListScan secondScan(text, &secondSummary, &secondSpans);
    qsizetype end = -1;
    std::thread reader;
    try {
        reader = std::thread([&] { end = secondScan.run(second); });
    } catch (const std::system_error &) {
        return ListScan(text, summary, spans).run(from); // no thread to be had
    }
    ListScan firstScan(text, summary, spans);
    const qsizetype met = firstScan.run(from, second);
    reader.join();
    if (met != second) {
        if (met != ListScan::kPassed)
            return met;               // a fault, or the list ended before: read whole by the first reader
        *summary = MenuItemSummary(); // not an item's start after all: read it all at once
        spans->clear();
        return ListScan(text, summary, spans).run(from);
    }
    if (end < 0 || (firstScan.hasDefault() && secondScan.hasDefault()))
        return -1; // the general reader names the fault
    merge(summary, secondSummary);
    *tail = std::move(secondSpans);
    return end;
}
