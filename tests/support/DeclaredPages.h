#pragma once

#include "support/TestFiles.h"

#include <QStringEncoder>

// Pages whose encoding is declared where the prescan does not see it, or by
// an XML declaration, or that are UTF-16 opening with "<?x"
// (tests/data/encodings/declared.json), as every reader of pages reads them
// in Chromium: the title, the id of a paragraph and the first option of the
// page's list are `text`. Each page holds a placeholder of the menu siteNav;
// publishing writes `reference` for a character its encoding cannot hold.
namespace declaredpages {

struct Row {
    QString name;
    QByteArray page;
    QString text;
    QByteArray reference;
    bool utf16 = false;
};

inline QList<Row> rows()
{
    QList<Row> out;
    for (const QJsonArray &r : testfiles::tableRows("encodings/declared.json")) {
        QString page = r[2].toString();
        page.replace("{pad}", "<!--" + QString(1100, u'x') + "-->")
            .replace("{css}", QString("p{}").repeated(400))
            .replace("{blank}", QString(1100, u' '));
        const QString form = r[1].toString();
        Row row{r[0].toString(), page.toLatin1(), r[3].toString(), r[4].toString().toLatin1(),
                form != "bytes"};
        if (row.utf16)
            row.page = QStringEncoder(form == "UTF-16LE" ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE)
                           .encode(page);
        out.append(row);
    }
    return out;
}

} // namespace declaredpages
