#pragma once

#include "menu/CodeDialect.h"
#include "menu/MenuItem.h"

#include <QList>
#include <QString>
#include <optional>

struct MenuProject;

// What the live preview's status line says about the entry last picked in
// the pane's menu: where it leads, or that it leads nowhere (a separator, an
// entry without link). Once the line no longer describes the menu shown (the
// entry was taken out or changed, the code or the target of links changed),
// it goes back to its first prompt.
class LivePreviewStatus {
public:
    static QString prompt();

    // The pane now shows this project. Returns the line to show instead of the
    // current one when the entry it describes is gone.
    std::optional<QString> pageShown(const MenuProject &project);
    // The entry shown as option `index` (its text as the page shows it) was
    // picked; `address` is the resolved address it leads to, empty for none.
    QString picked(int index, const QString &text, const QString &address);

private:
    QList<MenuItem> m_items;
    // A line about a pick is shown; the entry, when the page named one of the list.
    bool m_pickShown = false;
    std::optional<MenuItem> m_pick;
    QString m_where;
    std::optional<CodeDialect> m_dialect; // none before the first page
};
