#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The legacy single-byte encodings of the web (IBM866, ISO-8859-2 to -16,
// KOI8-R and -U, macintosh, windows-874, windows-1250 to -1258,
// x-mac-cyrillic), read and written by the Encoding Standard's own tables
// (SingleByteIndexes) rather than ICU's: ICU's differ from what browsers show
// (KOI8-U 0xAE and 0xBE, windows-874 0xDB to 0xDE and 0xFC to 0xFF,
// windows-1253 0xAA, windows-1255 0xCA), have no ISO-8859-16, and would write
// a look-alike for a character the encoding lacks. Encodings are named by
// their canonical names (PageEncoding).
namespace SingleByteEncodings {

// Whether `name` is one of these encodings.
bool contains(QByteArrayView name);

// The text that the bytes stand for; a byte that stands for no character
// becomes U+FFFD, as in a browser. Null for a name that is not one of these.
QString decode(QByteArrayView name, QByteArrayView bytes);

// The text in the encoding. A character it cannot hold becomes a numeric
// character reference ("&#8364;", a surrogate pair one reference), never a
// similar character; `exact` tells whether none was needed. Empty for a
// name that is not one of these.
QByteArray encode(QByteArrayView name, const QString &text, bool *exact = nullptr);

} // namespace SingleByteEncodings
