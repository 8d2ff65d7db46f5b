#pragma once

#include <QStringList>
#include <functional>

class Form2;
class QComboBox;

// The lists that the start-up fills, in the two style dialogs; a missing
// list is skipped. captureStyles stores both dialogs into their style
// records once the lists hold their first selections.
struct StartupFontLists {
    QComboBox *menuFonts = nullptr;
    QComboBox *buttonFonts = nullptr;
    QComboBox *menuSizes = nullptr;
    QComboBox *buttonSizes = nullptr;
    std::function<void()> captureStyles;
};

// Adds every font family, sorted by name, to both font lists (button style
// list first, then menu style list, a block of families at a time) while the
// splash's bar follows (when there is a splash), then selects the first font
// and size of each list.
void LoadStartupFontLists(const StartupFontLists &lists, const QStringList &families, Form2 *splash);
