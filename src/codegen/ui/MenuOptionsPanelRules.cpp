#include "codegen/ui/MenuOptionsPanel.h"

#include "codegen/OptionsValidation.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

QList<QWidget *> MenuOptionsPanel::graphicFields() const
{
    return {m_buttngrurl, m_buttngrurllbl, m_txtalt, m_lblalt, m_txtw, m_lblw, m_txth, m_lblh};
}

QList<QWidget *> MenuOptionsPanel::textButtonFields() const
{
    return {m_buttontxttxt, m_buttontxtlbl, m_cmdBttnAdv};
}

void MenuOptionsPanel::buttonpropopt_Click()
{
    const bool graphic = m_buttonpropopt[MenuOptions::GraphicButton]->isChecked();
    const bool text = m_buttonpropopt[MenuOptions::DefaultButton]->isChecked();
    for (QWidget *w : graphicFields())
        w->setEnabled(graphic);
    for (QWidget *w : textButtonFields())
        w->setEnabled(text);
}

void MenuOptionsPanel::menubehavopt_Click(int index)
{
    const bool onButton = m_menubehavopt[MenuOptions::OnButtonClick]->isChecked();
    m_lblbttnaln->setEnabled(onButton);
    m_cmbbttnaln->setEnabled(onButton);
    for (QWidget *w : graphicFields())
        w->setEnabled(onButton);
    m_cmdBttnAdv->setEnabled(onButton);
    m_buttonpropopt[0]->setEnabled(onButton);
    m_buttonpropopt[1]->setEnabled(onButton);
    m_buttontxttxt->setEnabled(onButton);
    m_buttontxtlbl->setEnabled(onButton);
    m_frame3->setEnabled(onButton);
    if (index == MenuOptions::OnButtonClick)
        buttonpropopt_Click();
}

void MenuOptionsPanel::targetcombo_Click()
{
    const bool frame = m_targetcombo->currentIndex() == MenuOptions::DifferentFrame;
    if (!frame)
        m_txtfrm->clear();
    m_lblfrm->setEnabled(frame);
    m_txtfrm->setEnabled(frame);
}

MenuOptions MenuOptionsPanel::options() const
{
    MenuOptions o;
    o.menuName = m_txtmnm->text();
    o.linkTarget = qMax(0, m_targetcombo->currentIndex());
    o.frameName = m_txtfrm->text();
    o.navigation = m_menubehavopt[MenuOptions::OnItemChange]->isChecked() ? MenuOptions::OnItemChange
                                                                          : MenuOptions::OnButtonClick;
    o.buttonKind = m_buttonpropopt[MenuOptions::GraphicButton]->isChecked() ? MenuOptions::GraphicButton
                                                                            : MenuOptions::DefaultButton;
    o.buttonText = m_buttontxttxt->text();
    o.graphicUrl = m_buttngrurl->text();
    o.altText = m_txtalt->text();
    o.graphicWidth = m_txtw->text();
    o.graphicHeight = m_txth->text();
    o.buttonAlign = qMax(0, m_cmbbttnaln->currentIndex());
    return o;
}

void MenuOptionsPanel::setOptions(const MenuOptions &o)
{
    // The frame name first: the target rule below empties it unless the
    // target is "Different frame".
    m_txtfrm->setText(o.frameName);
    m_targetcombo->setCurrentIndex(qBound(0, o.linkTarget, int(MenuOptions::DifferentFrame)));
    targetcombo_Click();

    m_buttonpropopt[o.buttonKind == MenuOptions::GraphicButton ? 1 : 0]->setChecked(true);
    buttonpropopt_Click();
    m_buttontxttxt->setText(o.buttonText);
    m_buttngrurl->setText(o.graphicUrl);
    m_txtalt->setText(o.altText);
    m_txtw->setText(o.graphicWidth);
    m_txth->setText(o.graphicHeight);

    const int navigation = o.navigation == MenuOptions::OnItemChange ? 1 : 0;
    m_menubehavopt[navigation]->setChecked(true);
    menubehavopt_Click(navigation);

    m_txtmnm->setText(o.menuName);
    m_cmbbttnaln->setCurrentIndex(qBound(0, o.buttonAlign, int(MenuOptions::AlignBottom)));
}

QString MenuOptionsPanel::ValidateMenuOptions()
{
    const OptionsProblem problem = CheckMenuOptions(options());
    if (problem == OptionsProblem::None)
        return QStringLiteral("ok");

    QMessageBox box(QMessageBox::Warning, OopsTitle(), OptionsProblemMessage(problem), QMessageBox::Ok,
                    window());
    box.exec();

    QWidget *field = m_txtmnm;
    if (problem == OptionsProblem::FrameName)
        field = m_txtfrm;
    else if (problem == OptionsProblem::GraphicUrl)
        field = m_buttngrurl;
    field->setFocus(Qt::OtherFocusReason);
    return QStringLiteral("nope");
}
