#pragma once

#include "menu/MenuItem.h"

#include <QVariant>

// What a view adds to the rows of the item list beyond the items' own texts
// (tool tips, icons), asked for by MenuItemModel. The model holds no such
// decoration itself, so that the project's core knows nothing of the
// window's marks; the window supplies them (ItemListDecorations).
class MenuItemRoles {
public:
    virtual ~MenuItemRoles() = default;

    // The value of `role` for a cell of the item at `row` (0-based), or an
    // invalid QVariant for none. Never asked for the display, edit or font
    // roles, which the model answers itself.
    virtual QVariant data(const MenuItem &item, int row, int column, int role) const = 0;

    // The list is about to change (a row added, removed, moved or rewritten,
    // or the whole list replaced): what was bound to rows goes.
    virtual void listChanging() = 0;
};
