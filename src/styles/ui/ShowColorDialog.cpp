#include "styles/ui/ShowColorDialog.h"

#include <QColorDialog>

namespace mColorSelect {

qint32 ShowColorDialog(QWidget *owner, ColorNumber initial, bool fullOpen)
{
    Q_UNUSED(fullOpen);
    CustomColorTable &table = CustomColors();
    for (ColorNumber &slot : table) {
        if (slot == 0)
            slot = 0xFFFFFF;
    }
    // The custom colours are global to Qt's chooser; hand it ours each time so
    // that edits made in a cancelled chooser do not linger.
    static_assert(std::tuple_size_v<CustomColorTable> == 16);
    for (int i = 0; i < int(table.size()); ++i)
        QColorDialog::setCustomColor(i, ToQColor(table[size_t(i)]));

    QColorDialog dialog(ToQColor(TranslateSysColor(initial)), owner);
    dialog.setObjectName(QStringLiteral("colorChooser"));
    // The native choosers of some desktops keep their own custom colours.
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    if (dialog.exec() != QDialog::Accepted)
        return -1;

    for (int i = 0; i < int(table.size()); ++i)
        table[size_t(i)] = FromQColor(QColorDialog::customColor(i));
    return qint32(FromQColor(dialog.selectedColor()));
}

} // namespace mColorSelect
