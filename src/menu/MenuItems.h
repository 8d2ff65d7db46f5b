#pragma once

#include "menu/ItemText.h"
#include "menu/MenuItemSummary.h"

#include <functional>

// One item as the code generators read it: its two texts and what its
// columns say.
struct ItemRef {
    ItemText text;
    ItemText url;
    bool separator = false;
    bool linkedYes = false;  // "Linked?" is "Yes"
    bool linkedNo = false;   // "Linked?" is "No" (a text other than both is neither)
    bool selectedNo = false; // "Selected?" is "No"

    static ItemRef of(const MenuItem &item)
    {
        return {ItemText(item.text),           ItemText(item.url),           item.isSeparator(),
                item.linked == menutext::kYes, item.linked == menutext::kNo, item.selected == menutext::kNo};
    }
};

// The items of a menu as the code generators read them: their summary and a
// walk over every item in order, which may run more than once. The texts a
// visit sees stay valid only during the visit.
struct MenuItems {
    using Visit = std::function<void(const ItemRef &)>;

    MenuItemSummary summary;
    std::function<void(const Visit &)> walk;
    // The items from index `from` up to `to` alone, where the items can be
    // walked in parts (else empty), so that parts can be walked at once.
    std::function<void(qsizetype from, qsizetype to, const Visit &)> walkPart;

    // A list held in memory.
    static MenuItems of(const QList<MenuItem> &items)
    {
        return {MenuItemSummary::of(items),
                [&items](const Visit &visit) {
                    for (const MenuItem &item : items)
                        visit(ItemRef::of(item));
                },
                {}};
    }
};
