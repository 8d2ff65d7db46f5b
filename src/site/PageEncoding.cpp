#include "site/PageEncoding.h"

#include "site/SingleByteEncodings.h"

#include <QCoreApplication>

#include <QHash>
#include <QStringDecoder>

#include <unicode/ucnv.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <optional>

namespace PageEncoding {

namespace {

struct Encoding {
    const char *name;
    const char *decoder; // the ICU converter, unless it is single-byte; null: read here or not at all
    const char *labels;  // space-separated
};

// The WHATWG encodings with all their labels.
const Encoding kEncodings[] = {
    {"UTF-8", nullptr, "unicode-1-1-utf-8 unicode11utf8 unicode20utf8 utf-8 utf8 x-unicode20utf8"},
    {"IBM866", "IBM866", "866 cp866 csibm866 ibm866"},
    {"ISO-8859-2", "ISO-8859-2",
     "csisolatin2 iso-8859-2 iso-ir-101 iso8859-2 iso88592 iso_8859-2 iso_8859-2:1987 l2 latin2"},
    {"ISO-8859-3", "ISO-8859-3",
     "csisolatin3 iso-8859-3 iso-ir-109 iso8859-3 iso88593 iso_8859-3 iso_8859-3:1988 l3 latin3"},
    {"ISO-8859-4", "ISO-8859-4",
     "csisolatin4 iso-8859-4 iso-ir-110 iso8859-4 iso88594 iso_8859-4 iso_8859-4:1988 l4 latin4"},
    {"ISO-8859-5", "ISO-8859-5",
     "csisolatincyrillic cyrillic iso-8859-5 iso-ir-144 iso8859-5 iso88595 iso_8859-5 iso_8859-5:1988"},
    {"ISO-8859-6", "ISO-8859-6",
     "arabic asmo-708 csiso88596e csiso88596i csisolatinarabic ecma-114 iso-8859-6 iso-8859-6-e "
     "iso-8859-6-i iso-ir-127 iso8859-6 iso88596 iso_8859-6 iso_8859-6:1987"},
    {"ISO-8859-7", "ISO-8859-7",
     "csisolatingreek ecma-118 elot_928 greek greek8 iso-8859-7 iso-ir-126 iso8859-7 iso88597 "
     "iso_8859-7 iso_8859-7:1987 sun_eu_greek"},
    {"ISO-8859-8", "ISO-8859-8",
     "csiso88598e csisolatinhebrew hebrew iso-8859-8 iso-8859-8-e iso-ir-138 iso8859-8 iso88598 "
     "iso_8859-8 iso_8859-8:1988 visual"},
    {"ISO-8859-8-I", "ISO-8859-8", "csiso88598i iso-8859-8-i logical"},
    {"ISO-8859-10", "ISO-8859-10", "csisolatin6 iso-8859-10 iso-ir-157 iso8859-10 iso885910 l6 latin6"},
    {"ISO-8859-13", "ISO-8859-13", "iso-8859-13 iso8859-13 iso885913"},
    {"ISO-8859-14", "ISO-8859-14", "iso-8859-14 iso8859-14 iso885914"},
    {"ISO-8859-15", "ISO-8859-15", "csisolatin9 iso-8859-15 iso8859-15 iso885915 iso_8859-15 l9"},
    {"ISO-8859-16", "ISO-8859-16", "iso-8859-16"},
    {"KOI8-R", "KOI8-R", "cskoi8r koi koi8 koi8-r koi8_r"},
    {"KOI8-U", "KOI8-U", "koi8-ru koi8-u"},
    {"macintosh", "macintosh", "csmacintosh mac macintosh x-mac-roman"},
    {"windows-874", "windows-874", "dos-874 iso-8859-11 iso8859-11 iso885911 tis-620 windows-874"},
    {"windows-1250", "windows-1250", "cp1250 windows-1250 x-cp1250"},
    {"windows-1251", "windows-1251", "cp1251 windows-1251 x-cp1251"},
    {"windows-1252", nullptr,
     "ansi_x3.4-1968 ascii cp1252 cp819 csisolatin1 ibm819 iso-8859-1 iso-ir-100 iso8859-1 "
     "iso88591 iso_8859-1 iso_8859-1:1987 l1 latin1 us-ascii windows-1252 x-cp1252"},
    {"windows-1253", "windows-1253", "cp1253 windows-1253 x-cp1253"},
    {"windows-1254", "windows-1254",
     "cp1254 csisolatin5 iso-8859-9 iso-ir-148 iso8859-9 iso88599 iso_8859-9 "
     "iso_8859-9:1989 l5 latin5 windows-1254 x-cp1254"},
    {"windows-1255", "windows-1255", "cp1255 windows-1255 x-cp1255"},
    {"windows-1256", "windows-1256", "cp1256 windows-1256 x-cp1256"},
    {"windows-1257", "windows-1257", "cp1257 windows-1257 x-cp1257"},
    {"windows-1258", "windows-1258", "cp1258 windows-1258 x-cp1258"},
    {"x-mac-cyrillic", "x-mac-cyrillic", "x-mac-cyrillic x-mac-ukrainian"},
    {"GBK", "GBK", "chinese csgb2312 csiso58gb231280 gb2312 gb_2312 gb_2312-80 gbk iso-ir-58 x-gbk"},
    {"gb18030", "gb18030", "gb18030"},
    {"Big5", "Big5-HKSCS", "big5 big5-hkscs cn-big5 csbig5 x-x-big5"},
    {"EUC-JP", "EUC-JP", "cseucpkdfmtjapanese euc-jp x-euc-jp"},
    {"ISO-2022-JP", "ISO-2022-JP", "csiso2022jp iso-2022-jp"},
    {"Shift_JIS", "windows-31j", "csshiftjis ms932 ms_kanji shift-jis shift_jis sjis windows-31j x-sjis"},
    {"EUC-KR", "windows-949",
     "cseuckr csksc56011987 euc-kr iso-ir-149 korean ks_c_5601-1987 ks_c_5601-1989 ksc5601 "
     "ksc_5601 windows-949"},
    {"replacement", nullptr, "csiso2022kr hz-gb-2312 iso-2022-cn iso-2022-cn-ext iso-2022-kr replacement"},
    {"UTF-16BE", nullptr, "unicodefffe utf-16be"},
    {"UTF-16LE", nullptr, "csunicode iso-10646-ucs-2 ucs-2 unicode unicodefeff utf-16 utf-16le"},
    {"x-user-defined", nullptr, "x-user-defined"},
};

const Encoding *find(QByteArrayView name)
{
    for (const Encoding &e : kEncodings) {
        if (name == QByteArrayView(e.name))
            return &e;
    }
    return nullptr;
}

bool isSpace(char c)
{
    return c == 0x09 || c == 0x0A || c == 0x0C || c == 0x0D || c == 0x20;
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + 32) : c;
}

bool startsWithNoCase(QByteArrayView s, qsizetype at, const char *prefix)
{
    for (qsizetype i = 0; prefix[i]; ++i) {
        if (at + i >= s.size() || lower(s[at + i]) != prefix[i])
            return false;
    }
    return true;
}

// The byte scanner of the prescan; every read past the end yields nothing.
struct Scanner {
    QByteArrayView s;
    qsizetype pos = 0;
    bool atEnd() const { return pos >= s.size(); }
    char at() const { return s[pos]; }
};

struct Attribute {
    QByteArray name;
    QByteArray value;
};

// The "get an attribute" step of the prescan; nullopt when there is none.
std::optional<Attribute> getAttribute(Scanner &in)
{
    while (!in.atEnd() && (isSpace(in.at()) || in.at() == '/'))
        ++in.pos;
    if (in.atEnd() || in.at() == '>')
        return std::nullopt;
    Attribute a;
    for (;; ++in.pos) { // the name
        if (in.atEnd())
            return std::nullopt;
        const char c = in.at();
        if (c == '=' && !a.name.isEmpty()) {
            ++in.pos;
            goto value;
        }
        if (isSpace(c))
            break;
        if (c == '/' || c == '>')
            return a;
        a.name += lower(c);
    }
    while (!in.atEnd() && isSpace(in.at()))
        ++in.pos;
    if (in.atEnd())
        return std::nullopt;
    if (in.at() != '=')
        return a;
    ++in.pos;
value:
    while (!in.atEnd() && isSpace(in.at()))
        ++in.pos;
    if (in.atEnd())
        return std::nullopt;
    if (in.at() == '"' || in.at() == '\'') {
        const char quote = in.at();
        for (++in.pos; !in.atEnd(); ++in.pos) {
            if (in.at() == quote) {
                ++in.pos;
                return a;
            }
            a.value += lower(in.at());
        }
        return std::nullopt;
    }
    if (in.at() == '>')
        return a;
    for (; !in.atEnd(); ++in.pos) {
        if (isSpace(in.at()) || in.at() == '>')
            return a;
        a.value += lower(in.at());
    }
    return std::nullopt;
}

// The label in a content="text/html; charset=..." value; nullopt when none.
std::optional<QByteArray> charsetFromContent(const QByteArray &content)
{
    qsizetype pos = 0;
    for (;;) {
        const qsizetype found = content.indexOf("charset", pos); // the value is lower case already
        if (found < 0)
            return std::nullopt;
        pos = found + 7;
        while (pos < content.size() && isSpace(content.at(pos)))
            ++pos;
        if (pos >= content.size() || content.at(pos) != '=')
            continue;
        ++pos;
        while (pos < content.size() && isSpace(content.at(pos)))
            ++pos;
        if (pos >= content.size())
            return std::nullopt;
        const char c = content.at(pos);
        if (c == '"' || c == '\'') {
            const qsizetype end = content.indexOf(c, pos + 1);
            if (end < 0)
                return std::nullopt;
            return content.mid(pos + 1, end - pos - 1);
        }
        qsizetype end = pos;
        while (end < content.size() && !isSpace(content.at(end)) && content.at(end) != ';')
            ++end;
        return content.mid(pos, end - pos);
    }
}

// The encoding a <meta> element declares, its attributes (names in lower
// case) given one by one by `next` until it gives none; empty when it
// declares none that is known.
template <class Next> QByteArray metaEncoding(const Next &next)
{
    QList<QByteArray> seen;
    bool gotPragma = false;
    std::optional<bool> needPragma;
    std::optional<QByteArray> charset; // empty: a label that names no encoding
    while (std::optional<Attribute> a = next()) {
        for (char &c : a->value)
            c = lower(c);
        if (seen.contains(a->name))
            continue;
        seen.append(a->name);
        if (a->name == "http-equiv") {
            gotPragma = gotPragma || a->value == "content-type";
        } else if (a->name == "content") {
            const std::optional<QByteArray> label = charsetFromContent(a->value);
            if (label && !charset) {
                charset = encodingForLabel(*label);
                needPragma = true;
            }
        } else if (a->name == "charset") {
            charset = encodingForLabel(a->value);
            needPragma = false;
        }
    }
    if (!needPragma || (*needPragma && !gotPragma) || !charset || charset->isEmpty())
        return {};
    if (*charset == "UTF-16BE" || *charset == "UTF-16LE")
        return QByteArrayLiteral("UTF-8");
    if (*charset == "x-user-defined")
        return QByteArrayLiteral("windows-1252");
    return *charset;
}

// An ICU decoding of the whole text; invalid bytes become U+FFFD.
bool decodeWithIcu(const char *converter, QByteArrayView bytes, QString *out)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, decltype(&ucnv_close)> cnv(ucnv_open(converter, &status), &ucnv_close);
    if (U_FAILURE(status) || !cnv)
        return false;
    const UChar replacement = 0xFFFD;
    ucnv_setSubstString(cnv.get(), &replacement, 1, &status);
    status = U_ZERO_ERROR;
    out->resize(bytes.size() + 16);
    int32_t n = ucnv_toUChars(cnv.get(), reinterpret_cast<UChar *>(out->data()), int32_t(out->size()),
                              bytes.data(), int32_t(bytes.size()), &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        status = U_ZERO_ERROR;
        out->resize(n + 1);
        n = ucnv_toUChars(cnv.get(), reinterpret_cast<UChar *>(out->data()), int32_t(out->size()),
                          bytes.data(), int32_t(bytes.size()), &status);
    }
    if (U_FAILURE(status))
        return false;
    out->resize(n);
    return true;
}

// The <meta> part of the prescan, in the first 1,024 bytes.
QByteArray prescanMeta(QByteArrayView bytes)
{
    Scanner in{bytes.first(std::min<qsizetype>(bytes.size(), 1024))};
    for (; !in.atEnd(); ++in.pos) {
        if (in.at() != '<')
            continue;
        if (startsWithNoCase(in.s, in.pos, "<!--")) {
            // The comment may end in its own dashes: "<!-->".
            const qsizetype end = in.s.sliced(in.pos + 2).toByteArray().indexOf("-->");
            if (end < 0)
                return {};
            in.pos += 2 + end + 2;
        } else if (startsWithNoCase(in.s, in.pos, "<meta") && in.pos + 5 < in.s.size()
                   && (isSpace(in.s[in.pos + 5]) || in.s[in.pos + 5] == '/')) {
            in.pos += 6;
            const QByteArray found = metaEncoding([&in] { return getAttribute(in); });
            if (!found.isEmpty())
                return found;
            if (in.atEnd())
                return {};
        } else if (in.pos + 1 < in.s.size()
                   && (std::isalpha(uchar(in.s[in.pos + 1]))
                       || (in.s[in.pos + 1] == '/' && in.pos + 2 < in.s.size()
                           && std::isalpha(uchar(in.s[in.pos + 2]))))) {
            // Another tag: its attributes are read, so a '>' or "<meta" inside
            // a quoted value is no markup.
            while (!in.atEnd() && !isSpace(in.at()) && in.at() != '>')
                ++in.pos;
            while (getAttribute(in)) {
            }
            if (in.atEnd())
                return {};
        } else if (startsWithNoCase(in.s, in.pos, "<!") || startsWithNoCase(in.s, in.pos, "</")
                   || startsWithNoCase(in.s, in.pos, "<?")) {
            const qsizetype end = in.s.sliced(in.pos).toByteArray().indexOf('>');
            if (end < 0)
                return {};
            in.pos += end;
        }
    }
    return {};
}

} // namespace

QByteArray encodingForLabel(QByteArrayView label)
{
    static const QHash<QByteArray, QByteArray> table = [] {
        QHash<QByteArray, QByteArray> t;
        for (const Encoding &e : kEncodings) {
            for (const QByteArray &l : QByteArray(e.labels).split(' '))
                t.insert(l, e.name);
        }
        return t;
    }();
    qsizetype from = 0, to = label.size();
    while (from < to && isSpace(label[from]))
        ++from;
    while (to > from && isSpace(label[to - 1]))
        --to;
    QByteArray key = label.sliced(from, to - from).toByteArray();
    for (char &c : key)
        c = lower(c);
    return table.value(key);
}

QByteArray xmlEncoding(QByteArrayView bytes)
{
    if (!bytes.startsWith("<?xml"))
        return {};
    const qsizetype end = bytes.indexOf('>');
    if (end < 0)
        return {};
    const QByteArrayView declaration = bytes.first(end);
    qsizetype at = declaration.indexOf("encoding");
    if (at < 0)
        return {};
    at += 8;
    const auto skipBlanks = [&] { // every byte up to 0x20, as the standard says
        while (at < declaration.size() && uchar(declaration[at]) <= 0x20)
            ++at;
    };
    skipBlanks();
    if (at >= declaration.size() || declaration[at] != '=')
        return {};
    ++at;
    skipBlanks();
    if (at >= declaration.size() || (declaration[at] != '"' && declaration[at] != '\''))
        return {};
    const qsizetype close = declaration.indexOf(declaration[at], at + 1);
    if (close < 0)
        return {};
    const QByteArrayView label = declaration.sliced(at + 1, close - at - 1);
    if (std::any_of(label.begin(), label.end(), [](char c) { return uchar(c) <= 0x20; }))
        return {};
    const QByteArray name = encodingForLabel(label);
    return name == "UTF-16BE" || name == "UTF-16LE" ? QByteArrayLiteral("UTF-8") : name;
}

QByteArray declaredByMeta(const QList<std::pair<QByteArray, QByteArray>> &attributes)
{
    qsizetype i = 0;
    return metaEncoding([&]() -> std::optional<Attribute> {
        if (i == attributes.size())
            return std::nullopt;
        const auto &[name, value] = attributes.at(i++);
        return Attribute{name, value};
    });
}

bool isCertain(QByteArrayView encoding, qsizetype bomLength)
{
    return bomLength > 0 || encoding == "UTF-16LE" || encoding == "UTF-16BE";
}

QByteArray changedEncoding(QByteArrayView current, qsizetype bomLength, QByteArrayView declared)
{
    if (isCertain(current, bomLength) || declared.isEmpty())
        return {};
    QByteArray next = declared.toByteArray();
    if (next == "UTF-16BE" || next == "UTF-16LE")
        next = "UTF-8";
    else if (next == "x-user-defined")
        next = "windows-1252";
    return next == current ? QByteArray() : next;
}

QByteArray prescan(QByteArrayView bytes)
{
    // A page in UTF-16 without a byte order mark that opens with "<?x".
    if (bytes.startsWith(QByteArrayView("<\0?\0x\0", 6)))
        return QByteArrayLiteral("UTF-16LE");
    if (bytes.startsWith(QByteArrayView("\0<\0?\0x", 6)))
        return QByteArrayLiteral("UTF-16BE");
    const QByteArray meta = prescanMeta(bytes);
    return meta.isEmpty() ? xmlEncoding(bytes) : meta;
}

QByteArray sniff(QByteArrayView bytes, qsizetype *bomLength)
{
    qsizetype bom = 0;
    QByteArray name;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bom = 3, name = "UTF-8";
    else if (bytes.startsWith("\xFE\xFF"))
        bom = 2, name = "UTF-16BE";
    else if (bytes.startsWith("\xFF\xFE"))
        bom = 2, name = "UTF-16LE";
    if (bomLength)
        *bomLength = bom;
    if (!name.isEmpty())
        return name;
    name = prescan(bytes);
    if (!name.isEmpty())
        return name;
    return bytes.isValidUtf8() ? QByteArrayLiteral("UTF-8") : QByteArrayLiteral("windows-1252");
}

const char *converterFor(QByteArrayView name)
{
    const Encoding *e = find(name);
    return e && !SingleByteEncodings::contains(name) ? e->decoder : nullptr;
}

bool decode(const QByteArray &bytes, QString *text, QString *error, QByteArray *encoding)
{
    qsizetype bom = 0;
    const QByteArray name = sniff(bytes, &bom);
    if (encoding)
        *encoding = name;
    return decodeAs(QByteArrayView(bytes).sliced(bom), name, text, error);
}

bool decodeAs(QByteArrayView body, QByteArrayView name, QString *text, QString *error)
{
    if (name == "UTF-8") {
        *text = QString::fromUtf8(body);
        return true;
    }
    if (SingleByteEncodings::contains(name)) {
        *text = SingleByteEncodings::decode(name, body);
        return true;
    }
    if (name == "UTF-16LE" || name == "UTF-16BE") {
        QStringDecoder decoder(name == "UTF-16LE" ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        *text = decoder.decode(body);
        return true;
    }
    if (name == "x-user-defined") { // only an XML declaration names it: bytes past ASCII go to U+F780...
        text->resize(body.size());
        for (qsizetype i = 0; i < body.size(); ++i) {
            const uchar b = uchar(body[i]);
            (*text)[i] = QChar(b < 0x80 ? char16_t(b) : char16_t(0xF780 + b - 0x80));
        }
        return true;
    }
    if (name == "replacement") {
        *error = QCoreApplication::translate(
            "PageImport", "It declares a character encoding that browsers never show (ISO-2022-KR, "
                          "ISO-2022-CN or HZ-GB-2312): they show one replacement character "
                          "instead of the page.");
        return false;
    }
    const Encoding *e = find(name);
    if (e && e->decoder && decodeWithIcu(e->decoder, body, text))
        return true;
    *error = QCoreApplication::translate(
                 "PageImport", "It is written in the character encoding %1, which cannot be decoded on "
                               "this system.")
                 .arg(QString::fromLatin1(name));
    return false;
}

} // namespace PageEncoding
