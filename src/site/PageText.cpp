#include "site/PageText.h"

#include "site/PageEncoder.h"
#include "site/PageReader.h"

#include <QCoreApplication>
#include <QString>

bool PageText::read(const QByteArray &bytes, QString *error, QByteArrayView as)
{
    m_bytes = bytes;
    if (!PageReader::decode(bytes, &m_utf8, error, &m_encoding, &m_bom, as))
        return false;
    if (!PageEncoder::canWrite(m_encoding)) {
        *error = QCoreApplication::translate(
                     "PageText", "It is written in the character encoding %1, in which a menu cannot be "
                                 "written into it.")
                     .arg(QString::fromLatin1(m_encoding));
        return false;
    }
    return true;
}

QByteArray PageText::lineEnd() const
{
    const qsizetype lf = m_bytes.indexOf('\n');
    const qsizetype cr = m_bytes.indexOf('\r');
    if (cr >= 0 && (lf < 0 || cr < lf))
        return cr + 1 == lf ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\r");
    return QByteArrayLiteral("\n");
}

QList<qint64> PageText::byteOffsets(const QList<qint64> &utf8Offsets, char marker) const
{
    QList<qint64> out;
    out.reserve(utf8Offsets.size());
    qint64 inText = 0;          // where the count in the text has reached
    qint64 inBytes = m_bom - 1; // the byte of the last marker counted
    for (const qint64 offset : utf8Offsets) {
        if (offset >= m_utf8.size()) {
            out.append(offset == m_utf8.size() ? m_bytes.size() : -1);
            continue;
        }
        if (offset < inText || m_utf8.at(offset) != marker) {
            out.append(-1);
            continue;
        }
        // The markers in [inText, offset], and as many in the bytes.
        qint64 count = 0;
        for (qint64 at = inText; (at = m_utf8.indexOf(marker, at)) >= 0 && at <= offset; ++at)
            ++count;
        while (count > 0 && inBytes >= -1) {
            inBytes = m_bytes.indexOf(marker, inBytes + 1);
            if (inBytes < 0)
                break;
            --count;
        }
        out.append(count == 0 ? inBytes : -1);
        inText = offset + 1;
        if (inBytes < 0)
            inBytes = m_bytes.size();
    }
    return out;
}
