#pragma once

// Weighed and kept: QString::toHtmlEscaped() was weighed. It leaves the
// apostrophe, control characters and unpaired surrogates as they are, and
// has no form that appends valid UTF-8 straight from a project file's text
// (the export's streamed path); CSS strings and id tokens it does not cover
// at all. One set of escapes here serves every context the HTML5 code
// writes a user's text into.

#include <QByteArrayView>
#include <QString>
#include <QStringView>

class TextBuilder;

// Escaping for the HTML5 code: every user value passes through one of these
// for the context it lands in.
namespace webescape {

// Text for element content or a double-quoted attribute value: & < > " '
// become character references; control characters other than tab, line feed
// and carriage return, and unpaired surrogates, become U+FFFD.
QString html(QStringView text);
// The same for valid UTF-8 (a checked project file's text), appended: the
// bytes equal the UTF-8 of html() of the decoded text.
void appendHtmlUtf8(TextBuilder &out, QByteArrayView text);

// A CSS string in single quotes, for use inside a style attribute (escape the
// result with html() as well): backslash and quote are escaped, control
// characters become hexadecimal escapes.
QString cssString(QStringView text);

// A token usable as an id: ASCII letters, digits and '-' stay, every other
// character becomes "_<hex code point>_", so that different texts never give
// the same token.
QString idToken(QStringView text);

} // namespace webescape
