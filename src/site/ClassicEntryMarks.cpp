#include "site/ClassicEntryMarks.h"

#include "menu/EntryName.h"

#include <QCoreApplication>

namespace {

// The first comment opening or end the text holds; empty when none.
QString markIn(const QString &text)
{
    for (const QLatin1StringView mark :
         {QLatin1StringView("<!--"), QLatin1StringView("-->"), QLatin1StringView("--!>")}) {
        if (text.contains(mark))
            return mark;
    }
    return {};
}

} // namespace

namespace ClassicEntryMarks {

QString problem(const MenuProject &project)
{
    if (project.dialect == CodeDialect::Html5)
        return {};
    for (qsizetype i = 0; i < project.items.size(); ++i) {
        const MenuItem &item = project.items.at(i);
        if (item.isSeparator())
            continue;
        const bool linked = item.linked == menutext::kYes;
        if (!linked && item.linked != menutext::kNo)
            continue; // the classic code writes nothing of it
        QString mark = markIn(item.text);
        QString field = QCoreApplication::translate("ClassicEntryMarks", "text");
        if (mark.isEmpty() && linked) {
            mark = markIn(item.url);
            field = QCoreApplication::translate("ClassicEntryMarks", "link");
        }
        if (!mark.isEmpty())
            return QCoreApplication::translate(
                       "ClassicEntryMarks",
                       "The menu cannot be published in the classic code: the %1 of %2 holds \"%3\", "
                       "which the classic code writes as it is, so the menu could no longer be found "
                       "in the pages. Take it out of the entry, or make the menu HTML5.")
                .arg(field, entryname::of(i, &item.text), mark);
    }
    return {};
}

} // namespace ClassicEntryMarks
