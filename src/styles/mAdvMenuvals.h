#pragma once

#include "styles/StyleRecords.h"

#include <array>

// The style state of a run: the last confirmed copy of each style dialog, and
// the default colour tables that "Restore Defaults" returns to. The tables are
// filled once, from the system colours at start-up, and never change afterwards.
struct mAdvMenuvals {
    MenuStyleRecord mnu;
    ButtonStyleRecord bttn;
    std::array<QString, 2> mnuDefClr = MenuStyleRecord{}.mnuClr;
    std::array<QString, 6> bttnDefClr = ButtonStyleRecord{}.bttnClr;
};
