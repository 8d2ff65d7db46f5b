#include "menu/JsonScanner.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

void JsonScanner::fail(const QString &reason, qsizetype at, SyntaxError::Fault fault) const
{
    throw SyntaxError{at >= 0 ? at : m_pos, reason, fault};
}

namespace {
// Bytes that end a run of plain string contents: the quote, the backslash,
// control characters and every byte of a multi-byte UTF-8 sequence.
constexpr auto kStringStops = [] {
    std::array<bool, 256> stops{};
    for (int c = 0; c < 256; ++c)
        stops[c] = c < 0x20 || c == '"' || c == '\\' || c >= 0x80;
    return stops;
}();
} // namespace

void JsonScanner::expect(char c, const char *reason)
{
    if (next() != c)
        fail(QString::fromLatin1(reason));
    ++m_pos;
}

JsonScanner::Kind JsonScanner::peek()
{
    switch (next()) {
    case '{':
        return Object;
    case '[':
        return Array;
    case '"':
        return String;
    case 't':
        return True;
    case 'f':
        return False;
    case 'n':
        return Null;
    case '-':
    case '0':
    case '1':
    case '2':
    case '3':
    case '4':
    case '5':
    case '6':
    case '7':
    case '8':
    case '9':
        return Number;
    case '.':
        fail(QStringLiteral("illegal number"), m_pos, SyntaxError::MissingDigits);
    case '\0':
        if (m_pos >= m_text.size())
            fail(QStringLiteral("unexpected end of the document"));
        [[fallthrough]];
    default:
        fail(QStringLiteral("illegal value"));
    }
}

void JsonScanner::push()
{
    if (m_first.size() >= size_t(kMaxDepth))
        fail(QStringLiteral("too deeply nested document"));
    ++m_pos;
    m_first.push_back(1);
}

void JsonScanner::enterObject()
{
    if (next() != '{')
        fail(QStringLiteral("illegal value"));
    push();
}

void JsonScanner::enterArray()
{
    if (next() != '[')
        fail(QStringLiteral("illegal value"));
    push();
}

// After "{" or "[" or a value inside one: true when another member or element
// follows (its separator consumed), false at the closing character.
bool JsonScanner::afterValue(char close, const char *reason)
{
    const char c = next();
    const bool first = m_first.back();
    m_first.back() = 0;
    if (c == close) {
        ++m_pos;
        m_first.pop_back();
        return false;
    }
    if (first)
        return true;
    if (c != ',')
        fail(QString::fromLatin1(reason));
    ++m_pos;
    return true;
}

bool JsonScanner::nextMember(QByteArrayView *key)
{
    if (!afterValue('}', "unterminated object"))
        return false;
    if (next() != '"')
        fail(QStringLiteral("a member's name is missing"));
    bool escapes = false;
    const QByteArrayView raw = scanString(&escapes);
    if (escapes) {
        m_key = decode(raw).toUtf8();
        *key = m_key;
    } else {
        *key = raw;
    }
    expect(':', "missing name separator");
    return true;
}

bool JsonScanner::nextElement()
{
    return afterValue(']', "unterminated array");
}

uint JsonScanner::hex4(qsizetype at) const
{
    uint value = 0;
    for (qsizetype i = at; i < at + 4; ++i) {
        const char c = i < m_text.size() ? m_text[i] : '\0';
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            fail(QStringLiteral("invalid escape sequence"), at - 2);
        value = value * 16 + uint(digit);
    }
    return value;
}

QByteArrayView JsonScanner::scanString(bool *escapes)
{
    const auto *d = reinterpret_cast<const uchar *>(m_text.data());
    const qsizetype n = m_text.size();
    const qsizetype start = m_pos + 1;
    qsizetype i = start;
    *escapes = false;
    for (;;) {
        while (i < n && !kStringStops[d[i]])
            ++i;
        if (i >= n)
            fail(QStringLiteral("unterminated string"), start - 1);
        const uchar c = d[i];
        if (c == '"')
            break;
        if (c < 0x80) {
            if (c < 0x20)
                fail(QStringLiteral("control character in a string"), i, SyntaxError::ControlCharacter);
            if (c == '\\') {
                *escapes = true;
                const char e = i + 1 < n ? char(d[i + 1]) : '\0';
                if (e == 'u') {
                    hex4(i + 2);
                    i += 6;
                } else if (e != '\0' && std::strchr("\"\\/bfnrt", e)) {
                    i += 2;
                } else {
                    fail(QStringLiteral("invalid escape sequence"), i, SyntaxError::UnknownEscape);
                }
                continue;
            }
            ++i;
            continue;
        }
        const int length = utf8SequenceLength(d, i, n);
        if (length == 0)
            fail(QStringLiteral("invalid UTF8 string"), i);
        i += length;
    }
    m_pos = i + 1;
    return QByteArrayView(m_text.data() + start, i - start);
}

// Decodes checked string contents.
QString JsonScanner::decode(QByteArrayView raw) const
{
    QString out;
    out.reserve(raw.size());
    const qsizetype base = raw.data() - m_text.data();
    qsizetype plainFrom = 0;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\')
            continue;
        out += utf8ToString(raw.sliced(plainFrom, i - plainFrom));
        const char e = raw[i + 1];
        switch (e) {
        case 'b':
            out += QLatin1Char('\b');
            break;
        case 'f':
            out += QLatin1Char('\f');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'u':
            out += QChar(char16_t(hex4(base + i + 2)));
            i += 4;
            break;
        default:
            out += QLatin1Char(e);
            break;
        }
        ++i;
        plainFrom = i + 1;
    }
    out += utf8ToString(raw.sliced(plainFrom));
    return out;
}

bool JsonScanner::decodeStringUtf8(QByteArrayView raw, QByteArray *out)
{
    out->resize(raw.size()); // an escape is never shorter than what it stands for
    char *to = out->data();
    const auto hex = [&](qsizetype at) {
        uint value = 0;
        for (qsizetype k = at; k < at + 4; ++k) {
            const char c = raw[k];
            value = value * 16 + uint(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
        }
        return value;
    };
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c != '\\') {
            *to++ = c;
            continue;
        }
        const char e = raw[++i];
        switch (e) {
        case 'b':
            *to++ = '\b';
            continue;
        case 'f':
            *to++ = '\f';
            continue;
        case 'n':
            *to++ = '\n';
            continue;
        case 'r':
            *to++ = '\r';
            continue;
        case 't':
            *to++ = '\t';
            continue;
        case 'u':
            break;
        default:
            *to++ = e;
            continue;
        }
        uint code = hex(i + 1);
        i += 4;
        if (code >= 0xDC00 && code <= 0xDFFF)
            return false;
        if (code >= 0xD800 && code <= 0xDBFF) {
            if (i + 6 >= raw.size() || raw[i + 1] != '\\' || raw[i + 2] != 'u')
                return false;
            const uint low = hex(i + 3);
            if (low < 0xDC00 || low > 0xDFFF)
                return false;
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            i += 6;
        }
        if (code < 0x80) {
            *to++ = char(code);
        } else if (code < 0x800) {
            *to++ = char(0xC0 | (code >> 6));
            *to++ = char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            *to++ = char(0xE0 | (code >> 12));
            *to++ = char(0x80 | ((code >> 6) & 0x3F));
            *to++ = char(0x80 | (code & 0x3F));
        } else {
            *to++ = char(0xF0 | (code >> 18));
            *to++ = char(0x80 | ((code >> 12) & 0x3F));
            *to++ = char(0x80 | ((code >> 6) & 0x3F));
            *to++ = char(0x80 | (code & 0x3F));
        }
    }
    out->truncate(to - out->data());
    return true;
}

QString JsonScanner::utf8ToString(QByteArrayView utf8)
{
    if (!utf8.startsWith(QByteArrayView("\xEF\xBB\xBF")))
        return QString::fromUtf8(utf8);
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    return decoder(utf8);
}

QString JsonScanner::readString(const QList<QString> &shared)
{
    QString text;
    readString(&text, shared);
    return text;
}

void JsonScanner::readString(QString *out, const QList<QString> &shared)
{
    bool escapes = false;
    const QByteArrayView raw = readRawString(&escapes);
    decodeString(raw, escapes, out, shared);
}

QByteArrayView JsonScanner::readRawString(bool *escapes)
{
    if (next() != '"')
        fail(QStringLiteral("illegal value"));
    return scanString(escapes);
}

void JsonScanner::decodeString(QByteArrayView raw, bool escapes, QString *out, const QList<QString> &shared)
{
    if (escapes) {
        *out = JsonScanner(raw).decode(raw);
        return;
    }
    for (const QString &text : shared) {
        if (text.size() == raw.size() && QLatin1StringView(raw) == text) {
            *out = text;
            return;
        }
    }
    if (out->isDetached() && out->capacity() >= raw.size()) {
        out->resize(raw.size());
        char16_t *to = reinterpret_cast<char16_t *>(out->data());
        uchar high = 0;
        for (const char c : raw) {
            high |= uchar(c);
            *to++ = char16_t(uchar(c));
        }
        if (high < 0x80) // ASCII: each byte was one unit
            return;
    }
    *out = utf8ToString(raw);
}

void JsonScanner::scanNumber()
{
    const char *d = m_text.data();
    const qsizetype n = m_text.size();
    const auto digits = [&](qsizetype i) {
        while (i < n && d[i] >= '0' && d[i] <= '9')
            ++i;
        return i;
    };
    qsizetype i = m_pos;
    if (i < n && d[i] == '-')
        ++i;
    if (i < n && d[i] == '0')
        ++i;
    else if (i < n && d[i] >= '1' && d[i] <= '9')
        i = digits(i);
    else
        fail(QStringLiteral("illegal number"), i,
             i < n && d[i] == '.' ? SyntaxError::MissingDigits : SyntaxError::Malformed);
    if (i < n && d[i] == '.') {
        const qsizetype from = ++i;
        if ((i = digits(i)) == from)
            fail(QStringLiteral("illegal number"), i, SyntaxError::MissingDigits);
    }
    if (i < n && (d[i] == 'e' || d[i] == 'E')) {
        ++i;
        if (i < n && (d[i] == '+' || d[i] == '-'))
            ++i;
        const qsizetype from = i;
        if ((i = digits(i)) == from)
            fail(QStringLiteral("illegal number"), i);
    }
    // A number no double holds (RFC 8259 lets a reader limit the range):
    // too large, or not zero but too small for the smallest subnormal.
    // Qt's reader refuses the same.
    double value = 0;
    if (std::from_chars(d + m_pos, d + i, value).ec == std::errc::result_out_of_range)
        fail(QStringLiteral("number out of range"), m_pos);
    m_pos = i;
}

double JsonScanner::readNumber()
{
    next();
    const qsizetype start = m_pos;
    scanNumber();
    const char *first = m_text.data() + start;
    const char *last = m_text.data() + m_pos;
    double value = 0;
    static_cast<void>(std::from_chars(first, last, value)); // in range: scanNumber() checked it
    return value;
}

void JsonScanner::scanLiteral(const char *word)
{
    const qsizetype length = qsizetype(std::strlen(word));
    if (m_text.sliced(m_pos).first(std::min(length, m_text.size() - m_pos)) != QByteArrayView(word))
        fail(QStringLiteral("illegal value"));
    m_pos += length;
}

bool JsonScanner::readBool()
{
    const Kind kind = peek();
    if (kind != True && kind != False)
        fail(QStringLiteral("illegal value"));
    scanLiteral(kind == True ? "true" : "false");
    return kind == True;
}

void JsonScanner::skipValue(qsizetype *elements)
{
    switch (peek()) {
    case Object: {
        enterObject();
        QByteArrayView key;
        while (nextMember(&key))
            skipValue();
        break;
    }
    case Array: {
        enterArray();
        qsizetype count = 0;
        while (nextElement()) {
            skipValue();
            ++count;
        }
        if (elements)
            *elements = count;
        break;
    }
    case String: {
        bool escapes = false;
        scanString(&escapes);
        break;
    }
    case Number:
        scanNumber();
        break;
    case True:
        scanLiteral("true");
        break;
    case False:
        scanLiteral("false");
        break;
    case Null:
        scanLiteral("null");
        break;
    }
}

void JsonScanner::finish()
{
    skipBlanks();
    if (m_pos != m_text.size())
        fail(QStringLiteral("garbage at the end of the document"));
}

QJsonValue JsonScanner::readJsonValue()
{
    switch (peek()) {
    case Object: {
        QJsonObject object;
        enterObject();
        QByteArrayView key;
        while (nextMember(&key)) {
            const QString name = utf8ToString(key);
            object.insert(name, readJsonValue());
        }
        return object;
    }
    case Array: {
        QJsonArray array;
        enterArray();
        while (nextElement())
            array.append(readJsonValue());
        return array;
    }
    case String:
        return readString();
    case Number:
        return readNumber();
    case True:
    case False:
        return readBool();
    case Null:
        skipValue();
        return QJsonValue(QJsonValue::Null);
    }
    return {};
}
