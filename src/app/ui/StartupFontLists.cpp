#include "app/ui/StartupFontLists.h"

#include "app/StartupSelection.h"
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
        list->setCurrentIndex(StartupSelection::fontIndex(entries(list)));
}

void selectSize(QComboBox *list)
{
    if (list)
        list->setCurrentIndex(StartupSelection::sizeIndex(list->count()));
}
} // namespace

void LoadStartupFontLists(const StartupFontLists &lists, const QStringList &families,
                          Form2 &splash)
{
    const int total = int(families.size());
    splash.begin(total);
    for (int i = 1; i <= total; ++i) {
        splash.advance(i);
        const QString &family = families.at(i - 1);
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
