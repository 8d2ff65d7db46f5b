#pragma once

#include "codegen/MenuItemSummary.h"

#include <functional>

// The items of a menu as the code generators read them: their summary and a
// walk over every item in order, which may run more than once. The walk may
// hand the same MenuItem object each time, refilled: a visit must not keep it.
struct MenuItems {
    using Visit = std::function<void(const MenuItem &)>;

    MenuItemSummary summary;
    std::function<void(const Visit &)> walk;

    // A list held in memory.
    static MenuItems of(const QList<MenuItem> &items)
    {
        return {MenuItemSummary::of(items), [&items](const Visit &visit) {
                    for (const MenuItem &item : items)
                        visit(item);
                }};
    }
};
