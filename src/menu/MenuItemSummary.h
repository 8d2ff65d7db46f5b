#pragma once

#include "menu/MenuItem.h"

#include <QList>

// What the code needs to know of a menu's items before it writes the first
// one, gathered an item at a time: the longest entry text (a separator is as
// many hyphens), whether an entry is the default selection or has a link,
// and the sums behind the bound of the code's length.
struct MenuItemSummary {
    qint64 count = 0;
    qint64 separators = 0;
    qint64 textAndUrlLength = 0; // of the entries (every item but the separators)
    qint64 htmlLength = 0;       // the same escaped for HTML (see escapedLength)
    qsizetype longest = 0;       // characters (code points) of the longest entry text
    bool anyDefault = false;     // an entry's "Selected?" is not "No"
    bool anyLink = false;        // an entry is linked "Yes"

    void add(const MenuItem &item);
    static MenuItemSummary of(const QList<MenuItem> &items);
    // The length of a text escaped for HTML: a character reference for each
    // of & < > " ', one unit for every other unit (a replacement stands for one).
    static qint64 escapedLength(QStringView text);

    friend bool operator==(const MenuItemSummary &, const MenuItemSummary &) = default;
};
