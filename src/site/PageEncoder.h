#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Writes text into a page in the page's own encoding (a canonical name of
// PageEncoding). A character the encoding cannot hold becomes a
// numeric character reference ("&#8364;"), which the page then shows as the
// character.
namespace PageEncoder {

// Whether every ASCII character of markup stands in the encoding as its own
// byte and no such byte is ever part of another character ("<", "!", "-",
// ">" and "/" included): true for UTF-8 and the legacy single- and
// multi-byte encodings, false for UTF-16 and ISO-2022-JP.
bool isAsciiCompatible(QByteArrayView encoding);

// Whether the encoding can be written here (see isAsciiCompatible).
bool canWrite(QByteArrayView encoding);

// The text in the encoding; `exact` tells whether no character needed a
// reference.
QByteArray encode(const QString &text, QByteArrayView encoding, bool *exact = nullptr);

} // namespace PageEncoder
