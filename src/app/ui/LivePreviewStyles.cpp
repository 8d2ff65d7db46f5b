#include "app/ui/LivePreviewStyles.h"

#include "app/ui/LivePreviewPane.h"
#include "menu/MenuProject.h"
#include "styles/ui/FrmAdvBttnOp.h"
#include "styles/ui/frmAdvMnuOp.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QLineEdit>

namespace livepreview {

namespace {

// Any control of the dialog whose value changes, however it changes.
void watchControls(QDialog *dialog, LivePreviewPane *pane)
{
    const auto update = [pane] { pane->scheduleUpdate(); };
    for (QLineEdit *edit : dialog->findChildren<QLineEdit *>())
        QObject::connect(edit, &QLineEdit::textChanged, pane, update);
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        QObject::connect(button, &QAbstractButton::toggled, pane, update);
    for (QComboBox *box : dialog->findChildren<QComboBox *>())
        QObject::connect(box, &QComboBox::currentTextChanged, pane, update);
    for (QAbstractSlider *slider : dialog->findChildren<QAbstractSlider *>())
        QObject::connect(slider, &QAbstractSlider::valueChanged, pane, update);
    QObject::connect(dialog, &QDialog::finished, pane, update);
}

} // namespace

void followStyleDialogs(frmAdvMnuOp *menu, FrmAdvBttnOp *button, LivePreviewPane *pane)
{
    watchControls(menu, pane);
    watchControls(button, pane);
}

void applyOpenStyleDialogs(const frmAdvMnuOp *menu, const FrmAdvBttnOp *button, MenuProject *project)
{
    if (menu && menu->isVisible())
        project->menuStyle = menu->capture();
    if (button && button->isVisible())
        project->buttonStyle = button->capture();
}

} // namespace livepreview
