#include "app/ui/StartupFontLists.h"

#include "app/StartupSelection.h"
#include "app/ui/Form2.h"
#include "styles/FontChoice.h"
#include "styles/ui/FontListModel.h"

#include <QComboBox>

namespace {
// Families go into the lists a block at a time: one insertion per block and
// list keeps the cost per family small, and the splash's bar still moves.
constexpr int kBlock = 256;

void add(QComboBox *list, const QStringList &block)
{
    if (!list)
        return;
    if (auto *model = qobject_cast<FontListModel *>(list->model()))
        model->append(block);
    else
        list->addItems(block);
}

QStringList entries(const QComboBox *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}

// `added` are the entries added to a list that held `before` entries.
void selectFont(QComboBox *list, int before, const QStringList &added)
{
    if (list)
        list->setCurrentIndex(FontChoice::StartupIndex(before == 0 ? added : entries(list)));
}

void selectSize(QComboBox *list)
{
    if (list)
        list->setCurrentIndex(StartupSelection::sizeIndex(list->count()));
}
} // namespace

void LoadStartupFontLists(const StartupFontLists &lists, const QStringList &families, Form2 *splash)
{
    // The lists are kept sorted by name; sorting once is cheaper than
    // inserting each family at its place.
    const QStringList sorted = FontChoice::SortedFamilies(families);
    const int total = int(sorted.size());
    const int menuBefore = lists.menuFonts ? lists.menuFonts->count() : 0;
    const int buttonBefore = lists.buttonFonts ? lists.buttonFonts->count() : 0;
    if (splash)
        splash->begin(total);
    for (int first = 0; first < total; first += kBlock) {
        const QStringList block = sorted.mid(first, kBlock);
        if (splash)
            splash->advance(first + int(block.size()));
        add(lists.buttonFonts, block);
        add(lists.menuFonts, block);
    }
    selectFont(lists.menuFonts, menuBefore, sorted);
    selectFont(lists.buttonFonts, buttonBefore, sorted);
    selectSize(lists.menuSizes);
    selectSize(lists.buttonSizes);
}
