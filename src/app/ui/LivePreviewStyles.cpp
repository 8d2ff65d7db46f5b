#include "app/ui/LivePreviewStyles.h"

#include "app/ui/Form1.h"
#include "app/ui/LivePreviewPane.h"
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

void followStyleDialogs(const Form1 &window, LivePreviewPane *pane)
{
    watchControls(window.menuStyleDialog(), pane);
    watchControls(window.buttonStyleDialog(), pane);
}

void applyOpenStyleDialogs(const Form1 &window, MenuProject *project)
{
    if (window.menuStyleDialog()->isVisible())
        project->menuStyle = window.menuStyleDialog()->capture();
    if (window.buttonStyleDialog()->isVisible())
        project->buttonStyle = window.buttonStyleDialog()->capture();
}

} // namespace livepreview
