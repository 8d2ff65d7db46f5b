#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// How a page's bytes become text, as a browser reads a page that comes
// without a character set from the server: a byte order mark; else the
// encoding that a <meta charset> or <meta http-equiv="content-type"> names
// in the first 1,024 bytes (a UTF-16 name there means UTF-8,
// x-user-defined means windows-1252); else UTF-8 when the bytes are valid
// UTF-8, else windows-1252. Encodings are named by the WHATWG names, and
// labels are matched through the WHATWG label table (so "iso-8859-1",
// "latin1" and "us-ascii" read as windows-1252).
namespace PageEncoding {

// The encoding a label names, by its canonical name; empty when the label is
// unknown. Surrounding ASCII white space and case do not matter.
QByteArray encodingForLabel(QByteArrayView label);

// The encoding declared by the <meta> elements in the first 1,024 bytes, as
// the prescan finds it; empty when none is declared.
QByteArray prescan(QByteArrayView bytes);

// The encoding the page is read in (canonical name), and the length of its
// byte order mark (0 when it has none).
QByteArray sniff(QByteArrayView bytes, qsizetype *bomLength = nullptr);

// Decodes a page; false, with `error` saying why, when its encoding is one
// that cannot be read here (or the "replacement" encoding, which browsers
// never show). Bytes that are invalid in the encoding become U+FFFD, as in
// a browser.
bool decode(const QByteArray &bytes, QString *text, QString *error, QByteArray *encoding = nullptr);

// The name of the converter that reads and writes an encoding (canonical
// name) through ICU; null for UTF-8, the single-byte encodings
// (SingleByteEncodings), UTF-16, "replacement" and unknown names, which are
// handled apart.
const char *converterFor(QByteArrayView name);

} // namespace PageEncoding
