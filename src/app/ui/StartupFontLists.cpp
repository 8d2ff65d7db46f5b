#include "app/ui/StartupFontLists.h"

#include "app/StartupSelection.h"
#include "styles/FontChoice.h"
#include "app/ui/Form2.h"

#include <QComboBox>

namespace {
QStringList entries(const QComboBox *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}

void selectFont(QComboBox *list)
{
    if (list)
        list->setCurrentIndex(FontChoice::StartupIndex(entries(list)));
}

void selectSize(QComboBox *list)
{
    if (list)
        list->setCurrentIndex(StartupSelection::sizeIndex(list->count()));
}
} // namespace

void LoadStartupFontLists(const StartupFontLists &lists, const QStringList &families,
                          Form2 *splash)
{
    // The lists are kept sorted by name; sorting once is cheaper than
    // inserting each family at its place.
    const QStringList sorted = FontChoice::SortedFamilies(families);
    const int total = int(sorted.size());
    if (splash)
        splash->begin(total);
    for (int i = 1; i <= total; ++i) {
        if (splash)
            splash->advance(i);
        const QString &family = sorted.at(i - 1);
        if (lists.buttonFonts)
            lists.buttonFonts->addItem(family);
        if (lists.menuFonts)
            lists.menuFonts->addItem(family);
    }
    selectFont(lists.menuFonts);
    selectFont(lists.buttonFonts);
    selectSize(lists.menuSizes);
    selectSize(lists.buttonSizes);
}
