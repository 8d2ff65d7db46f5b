#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// How a page's bytes become text, as a browser reads a page that comes
// without a character set from the server: a byte order mark; else the
// encoding that a <meta charset> or <meta http-equiv="content-type"> names
// in the first 1,024 bytes (a UTF-16 name there means UTF-8,
// x-user-defined means windows-1252); else UTF-16 for a page that opens
// with "<?x" in UTF-16; else the encoding of an XML declaration that opens
// the page; else UTF-8 when the bytes are valid UTF-8, else windows-1252.
// Only a byte order mark or UTF-16 is certain: when the parser then meets a
// <meta> that declares another encoding (one past the first 1,024 bytes, or
// one the prescan took for text), the page is read again in that one
// (changedEncoding), as a browser does. Encodings are named by the WHATWG
// names, and labels are matched through the WHATWG label table (so
// "iso-8859-1", "latin1" and "us-ascii" read as windows-1252).
namespace PageEncoding {

// The encoding a label names, by its canonical name; empty when the label is
// unknown. Surrounding ASCII white space and case do not matter.
QByteArray encodingForLabel(QByteArrayView label);

// The encoding declared by the <meta> elements in the first 1,024 bytes, as
// the prescan finds it, else UTF-16 for "<?x" in UTF-16, else that of an XML
// declaration (xmlEncoding); empty when none is declared.
QByteArray prescan(QByteArrayView bytes);

// The encoding that an XML declaration at the page's very start names
// (`<?xml version="1.0" encoding="windows-1251"?>`: "encoding" in lower case,
// its value quoted), a UTF-16 name read as UTF-8; empty when none.
QByteArray xmlEncoding(QByteArrayView bytes);

// The encoding a <meta> element declares by its attributes (names in lower
// case, values with their character references read, in order), by the
// prescan's rules; empty when it declares none known.
QByteArray declaredByMeta(const QList<std::pair<QByteArray, QByteArray>> &attributes);

// Whether a page read in `encoding` keeps it whatever a <meta> declares: it
// has a byte order mark, or it is UTF-16.
bool isCertain(QByteArrayView encoding, qsizetype bomLength);

// The encoding a page read in `current` is read in again once the parser
// meets a <meta> that declares `declared`; empty when it stays as it is:
// the encoding is certain (a byte order mark, UTF-16), nothing is declared,
// or the declaration names the same encoding (a UTF-16 name meaning UTF-8,
// x-user-defined windows-1252).
QByteArray changedEncoding(QByteArrayView current, qsizetype bomLength, QByteArrayView declared);

// The encoding the page is read in (canonical name), and the length of its
// byte order mark (0 when it has none).
QByteArray sniff(QByteArrayView bytes, qsizetype *bomLength = nullptr);

// Decodes a page; false, with `error` saying why, when its encoding is one
// that cannot be read here (or the "replacement" encoding, which browsers
// never show). Bytes that are invalid in the encoding become U+FFFD, as in
// a browser.
bool decode(const QByteArray &bytes, QString *text, QString *error, QByteArray *encoding = nullptr);

// Decodes a page's bytes (without their byte order mark) in the encoding
// `name`, as decode() does.
bool decodeAs(QByteArrayView body, QByteArrayView name, QString *text, QString *error);

// The name of the converter that reads and writes an encoding (canonical
// name) through ICU; null for UTF-8, the single-byte encodings
// (SingleByteEncodings), UTF-16, x-user-defined, "replacement" and unknown
// names, which are handled apart.
const char *converterFor(QByteArrayView name);

} // namespace PageEncoding
