#pragma once

#include "menu/CodeDialect.h"
#include "menu/MenuItem.h"
#include "menu/MenuOptions.h"
#include "styles/StyleRecords.h"

#include <QList>

// A snapshot of everything that makes up a menu project: what the generator
// reads and what a project file carries.
struct MenuProject {
    QList<MenuItem> items;
    MenuOptions options;
    MenuStyleRecord menuStyle;
    ButtonStyleRecord buttonStyle;
    CodeDialect dialect = CodeDialect::Classic;

    friend bool operator==(const MenuProject &, const MenuProject &) = default;
};
