#pragma once

#include "site/PageReader.h"

#include <QByteArray>
#include <QList>

// A page's bytes beside the UTF-8 text a browser reads from them, and the way
// back from a place in the text to the same place in the bytes. In the
// encodings that can be written (PageEncoder::isAsciiCompatible) "<" and ">"
// are their own bytes and never part of another character, so the n-th "<"
// of the text is the n-th "<" byte of the page.
class PageText {
public:
    // Decodes the page (in `as` when given, as the parser found it
    // declared); false, with the reason, when it cannot be decoded or its
    // encoding cannot be written.
    bool read(const QByteArray &bytes, QString *error, QByteArrayView as = {});

    const QByteArray &bytes() const { return m_bytes; }
    const QByteArray &utf8() const { return m_utf8; }
    const QByteArray &encoding() const { return m_encoding; }
    // The page as the parser reads it (PageReader).
    PageReader::Source source() const { return {m_utf8, m_bytes, m_encoding, m_bom}; }
    // The page's line end: that of its first line, else LF.
    QByteArray lineEnd() const;

    // The byte offsets of the text's offsets, each at a `marker` ('<' or '>'),
    // or the page's end for an offset at the text's end; -1 where the text
    // holds no such marker. The offsets must come in ascending order.
    QList<qint64> byteOffsets(const QList<qint64> &utf8Offsets, char marker) const;

private:
    QByteArray m_bytes;
    QByteArray m_utf8;
    QByteArray m_encoding;
    qsizetype m_bom = 0;
};
