#include "app/ui/LivePreviewStatus.h"

#include "app/ui/LivePreviewEngine.h"
#include "menu/MenuProject.h"

#include <QCoreApplication>
#include <QUrl>

#include <algorithm>

QString LivePreviewStatus::prompt()
{
    return QCoreApplication::translate("LivePreview", "Pick an entry in the menu to see where it leads.");
}

std::optional<QString> LivePreviewStatus::pageShown(const MenuProject &project)
{
    const QString where = m_where;
    const bool otherItems = m_items != project.items;
    const bool otherDialect = m_dialect && *m_dialect != project.dialect;
    m_items = project.items;
    m_dialect = project.dialect;
    switch (project.options.linkTarget) {
    case MenuOptions::NewWindow:
        m_where = QCoreApplication::translate("LivePreview", "in a new window");
        break;
    case MenuOptions::DifferentFrame:
        m_where =
            QCoreApplication::translate("LivePreview", "in the frame \"%1\"").arg(project.options.frameName);
        break;
    default:
        m_where = QCoreApplication::translate("LivePreview", "in the same window");
        break;
    }
    // Other code is another page: whatever the line said was about the last one.
    if (!m_pickShown && !otherDialect)
        return std::nullopt;
    // The same entry: the same text leading to the same place. An entry the
    // list could not name is known only as long as the list stays.
    const auto same = [this](const MenuItem &item) {
        return item.text == m_pick->text && item.linked == m_pick->linked && item.url == m_pick->url;
    };
    const bool entryKept = m_pick ? std::any_of(m_items.cbegin(), m_items.cend(), same) : !otherItems;
    if (entryKept && !otherDialect && where == m_where)
        return std::nullopt;
    m_pick.reset();
    m_pickShown = false;
    return prompt();
}

QString LivePreviewStatus::picked(int index, const QString &text, const QString &address)
{
    // Options follow the entries one for one; a list whose markup a text
    // broke may not, and then only the page's text is known.
    m_pick.reset();
    m_pickShown = true;
    if (index >= 0 && index < m_items.size())
        m_pick = m_items.at(index);
    if (!address.isEmpty())
        return QCoreApplication::translate("LivePreview", "Would open %1 %2")
            .arg(livepreview::describeAddress(QUrl(address)), m_where);
    if (m_pick && m_pick->isSeparator())
        return QCoreApplication::translate("LivePreview", "A separator: it goes nowhere.");
    const QString name = m_pick ? m_pick->text : text;
    if (!m_pick || m_pick->linked != menutext::kYes)
        return QCoreApplication::translate("LivePreview", "\"%1\" is not linked: it goes nowhere.").arg(name);
    return QCoreApplication::translate("LivePreview",
                                       "\"%1\" has no address a browser opens: it goes nowhere.")
        .arg(name);
}
