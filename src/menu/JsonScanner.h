#pragma once

// Weighed and kept: Qt's QJsonDocument, and the JSON libraries Debian
// carries, were weighed against this reader. A document holds every value
// at once: a project of a million items would take several times its file
// in memory, where this reader leaves the items in the file text as spans.
// The program writes a text holding a lone surrogate as a "\udXXX" escape,
// which some libraries refuse or replace; this reader gives it back unit for
// unit, as Qt does. And Qt lets pass what RFC 8259 refuses (a control
// character in a string, an unknown escape, a number without digits around
// its point); this reader refuses it, so a file it accepts is JSON that any
// other reader takes.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <vector>

class QJsonValue;

// Reads JSON text (RFC 8259, UTF-8) value by value, without building a
// document: the caller walks objects and arrays and reads or skips each
// value, so a large file costs one pass and no more memory than what the
// caller keeps. Malformed text throws SyntaxError with the byte offset of the
// fault; nesting deeper than kMaxDepth is refused.
class JsonScanner {
public:
    enum Kind { Object, Array, String, Number, True, False, Null };

    struct SyntaxError {
        // Faults that other readers let pass, told apart from the rest.
        enum Fault {
            Malformed,        // anything else
            ControlCharacter, // a control character not written as an escape in a string
            UnknownEscape,    // a backslash followed by a character no escape starts with
            MissingDigits,    // a number without digits before or after its decimal point
        };
        qsizetype offset;
        QString reason;
        Fault fault = Malformed;
    };

    static constexpr int kMaxDepth = 1024;

    // A whole text (offset 0) may begin with a UTF-8 byte order mark, which
    // is skipped: RFC 8259 lets a reader ignore it, editors on Windows write
    // it, and Qt's own reader skips it too.
    explicit JsonScanner(QByteArrayView text, qsizetype offset = 0)
        : m_text(text), m_pos(offset == 0 ? byteOrderMarkSize(text) : offset)
    {
    }
    static qsizetype byteOrderMarkSize(QByteArrayView text)
    {
        return text.startsWith(QByteArrayView("\xEF\xBB\xBF")) ? 3 : 0;
    }

    // The kind of the next value, which is not consumed.
    Kind peek();
    qsizetype offset() const { return m_pos; }

    // Objects: enterObject(), then nextMember() before each member's value
    // until it returns false (the closing brace consumed). The key is
    // decoded to UTF-8 and stays valid until the next call.
    void enterObject();
    bool nextMember(QByteArrayView *key);
    // Arrays: enterArray(), then nextElement() before each element.
    void enterArray();
    bool nextElement();

    // A string; when it equals one of the shared texts, that text itself
    // (sharing its data) is returned.
    QString readString(const QList<QString> &shared = {});
    // The same into `out`, whose room is reused when it has enough and is
    // its own (not shared), so that refilling one text allocates nothing.
    void readString(QString *out, const QList<QString> &shared);
    // A string's contents as they stand in the text (checked), and whether
    // they hold escapes; decodeString() decodes them later, as readString().
    QByteArrayView readRawString(bool *escapes);
    static void decodeString(QByteArrayView raw, bool escapes, QString *out, const QList<QString> &shared);
    // Decodes checked contents with escapes to UTF-8 into `out` (its room
    // reused); false, with `out` undefined, when an escape stands for a lone
    // surrogate, which UTF-8 cannot hold (decodeString() then).
    static bool decodeStringUtf8(QByteArrayView raw, QByteArray *out);
    // Checked UTF-8 as UTF-16. Unlike QString::fromUtf8(), which drops a
    // byte order mark at the start, it keeps U+FEFF wherever it stands.
    static QString utf8ToString(QByteArrayView utf8);
    double readNumber();
    bool readBool();
    // The value here, whole, as Qt's JSON values; of duplicate names the last counts, as in Qt.
    QJsonValue readJsonValue();
    // The length of the UTF-8 sequence at text[at] (a byte from 0x80 on) as
    // a string may hold it: no overlong forms, no surrogates, nothing past
    // U+10FFFF; 0 when the bytes (of the `size` there are) are not one.
    static int utf8SequenceLength(const uchar *text, qsizetype at, qsizetype size)
    {
        const uchar c = text[at];
        int length = 0;
        uchar low = 0x80, high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            low = c == 0xE0 ? 0xA0 : 0x80;
            high = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return 0;
        }
        if (at + length > size || text[at + 1] < low || text[at + 1] > high)
            return 0;
        for (int k = 2; k < length; ++k) {
            if (text[at + k] < 0x80 || text[at + k] > 0xBF)
                return 0;
        }
        return length;
    }
    // Skips a whole value, checking it; counts the elements when it is an array.
    void skipValue(qsizetype *elements = nullptr);
    // The next value was read (and checked) by other means and ends just
    // before `end`; the scan goes on from there.
    void skipTo(qsizetype end) { m_pos = end; }
    // Only blanks may follow.
    void finish();

private:
    [[noreturn]] void fail(const QString &reason, qsizetype at = -1,
                           SyntaxError::Fault fault = SyntaxError::Malformed) const;
    void skipBlanks()
    {
        const char *d = m_text.data();
        const qsizetype n = m_text.size();
        while (m_pos < n && (d[m_pos] == ' ' || d[m_pos] == '\n' || d[m_pos] == '\r' || d[m_pos] == '\t'))
            ++m_pos;
    }
    // The next character after blanks, not consumed; 0 at the end.
    char next()
    {
        skipBlanks();
        return m_pos < m_text.size() ? m_text[m_pos] : '\0';
    }
    void expect(char c, const char *reason);
    void push(); // enters the container at the current character
    bool afterValue(char close, const char *reason);
    // Scans a string from its opening quote; returns its raw contents and
    // whether they hold escapes.
    QByteArrayView scanString(bool *escapes);
    QString decode(QByteArrayView raw) const;
    void decodeUtf8(QByteArrayView raw, QByteArray *out) const;
    uint hex4(qsizetype at) const;
    void scanLiteral(const char *word);
    void scanNumber();

    QByteArrayView m_text;
    qsizetype m_pos = 0;
    std::vector<char> m_first; // per open container: no member read yet
    QByteArray m_key;
};
