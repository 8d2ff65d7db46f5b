#include "codegen/ui/MenuOptionsPanel.h"

#include "codegen/ClassicCodeLimits.h"
#include "platform/Twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>
#include <type_traits>

namespace {

template <typename T> T *makeControl(QWidget *parent, const char *name, const QString &caption = QString())
{
    auto *control = new T(parent);
    control->setObjectName(QLatin1String(name));
    if constexpr (!std::is_same_v<T, QLineEdit> && !std::is_same_v<T, QComboBox>)
        control->setText(caption);
    return control;
}

} // namespace

MenuOptionsPanel::MenuOptionsPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MenuOptionsPanel"));
    buildMenuGroup();
    buildButtonGroup();
    layoutControls();

    // Each label's access key leads to its field.
    for (auto [label, field] : {std::pair<QLabel *, QWidget *>{m_lblmnm, m_txtmnm},
                                {m_lbltarget, m_targetcombo},
                                {m_lblfrm, m_txtfrm},
                                {m_lblbttnaln, m_cmbbttnaln},
                                {m_buttontxtlbl, m_buttontxttxt},
                                {m_buttngrurllbl, m_buttngrurl},
                                {m_lblalt, m_txtalt},
                                {m_lblw, m_txtw},
                                {m_lblh, m_txth}})
        label->setBuddy(field);

    // The start-up values, with the enabling they imply.
    setOptions(MenuOptions{});
    setSiteFolder(QString());
}

void MenuOptionsPanel::buildMenuGroup()
{
    m_frame4 = new QGroupBox(tr("Menu Options:"), this);
    m_frame4->setObjectName(QStringLiteral("Frame4"));
    QWidget *f = m_frame4;

    m_lblmnm = makeControl<QLabel>(f, "lblmnm", tr("Name of &Menu:"));
    m_txtmnm = makeControl<QLineEdit>(f, "txtmnm");
    m_lblmnmNote = makeControl<QLabel>(f, "lblmnmnote", tr("(Must be unique for each menu on page.)"));
    m_lblmnmwarn = makeControl<QLabel>(f, "lblmnmwarn", classiccode::menuNameWarning());
    m_lblmnmwarn->setToolTip(classiccode::menuNameWarningDetail());
    m_lblmnmwarn->setAccessibleDescription(classiccode::menuNameWarningDetail());
    m_lblmnmwarn->hide();
    connect(m_txtmnm, &QLineEdit::textChanged, this, &MenuOptionsPanel::updateNameWarning);
    m_lbltarget = makeControl<QLabel>(f, "lbltarget", tr("Target of Li&nks:"));
    m_targetcombo = makeControl<QComboBox>(f, "targetcombo");
    m_targetcombo->addItems(MenuOptions::shownCaptions(MenuOptions::linkTargetCaptions()));
    m_lblfrm = makeControl<QLabel>(f, "lblfrm", tr("Frame Name:"));
    m_txtfrm = makeControl<QLineEdit>(f, "txtfrm");
    m_menubehavopt[0] = makeControl<QRadioButton>(f, "menubehavopt_0", tr("Navigate on &Button Click"));
    m_menubehavopt[1] = makeControl<QRadioButton>(f, "menubehavopt_1", tr("Navigate on Item Change"));
    m_behaviourGroup = new QButtonGroup(this);
    m_behaviourGroup->addButton(m_menubehavopt[0], MenuOptions::OnButtonClick);
    m_behaviourGroup->addButton(m_menubehavopt[1], MenuOptions::OnItemChange);
    m_lblbttnaln = makeControl<QLabel>(f, "lblbttnaln", tr("Align t&o Button:"));
    m_cmbbttnaln = makeControl<QComboBox>(f, "cmbbttnaln");
    m_cmbbttnaln->addItems(MenuOptions::shownCaptions(MenuOptions::alignCaptions()));
    m_cmdAdvMnu = makeControl<QPushButton>(f, "cmdAdvMnu", tr("Advanced Options", "menu style"));

    // The site folder: a button with the folder picture, which the window
    // gives it (the row has room for no caption); its tool tip names the
    // folder, its menu takes it away.
    m_cmdSite = new QToolButton(f);
    m_cmdSite->setObjectName(QStringLiteral("cmdSite"));
    m_cmdSite->setAccessibleName(tr("Site Folder"));
    m_cmdSite->setPopupMode(QToolButton::MenuButtonPopup);
    auto *siteMenu = new QMenu(m_cmdSite);
    QAction *choose = siteMenu->addAction(tr("&Choose Site Folder..."));
    choose->setObjectName(QStringLiteral("actChooseSite"));
    QAction *clear = siteMenu->addAction(tr("&No Site Folder"));
    clear->setObjectName(QStringLiteral("actNoSite"));
    siteMenu->addSeparator();
    QAction *server = siteMenu->addAction(tr("&Server..."));
    server->setObjectName(QStringLiteral("actServer"));
    m_cmdSite->setMenu(siteMenu);
    connect(m_cmdSite, &QToolButton::clicked, this, &MenuOptionsPanel::chooseSiteFolderRequested);
    connect(choose, &QAction::triggered, this, &MenuOptionsPanel::chooseSiteFolderRequested);
    connect(clear, &QAction::triggered, this, &MenuOptionsPanel::clearSiteFolderRequested);
    connect(server, &QAction::triggered, this, &MenuOptionsPanel::serverRequested);
    connect(siteMenu, &QMenu::aboutToShow, this,
            [this, clear] { clear->setEnabled(!m_siteFolder.isEmpty()); });

    connect(m_targetcombo, &QComboBox::currentIndexChanged, this, &MenuOptionsPanel::targetcombo_Click);
    connect(m_behaviourGroup, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            menubehavopt_Click(id);
    });
    connect(m_cmdAdvMnu, &QPushButton::clicked, this, &MenuOptionsPanel::cmdAdvMnuClicked);
}

void MenuOptionsPanel::buildButtonGroup()
{
    m_frame3 = new QGroupBox(tr("Submit Button Options:"), this);
    m_frame3->setObjectName(QStringLiteral("Frame3"));
    QWidget *f = m_frame3;

    m_buttonpropopt[0] = makeControl<QRadioButton>(f, "buttonpropopt_0", tr("Default"));
    m_buttonpropopt[1] = makeControl<QRadioButton>(f, "buttonpropopt_1", tr("G&raphic"));
    m_kindGroup = new QButtonGroup(this);
    m_kindGroup->addButton(m_buttonpropopt[0], MenuOptions::DefaultButton);
    m_kindGroup->addButton(m_buttonpropopt[1], MenuOptions::GraphicButton);
    m_buttontxtlbl = makeControl<QLabel>(f, "buttontxtlbl", tr("Te&xt:"));
    m_buttontxttxt = makeControl<QLineEdit>(f, "buttontxttxt");
    m_cmdBttnAdv = makeControl<QPushButton>(f, "cmdBttnAdv", tr("Advanced Options", "button style"));
    m_buttngrurllbl = makeControl<QLabel>(f, "buttngrurllbl", tr("&URL of Button Graphic:"));
    m_buttngrurl = makeControl<QLineEdit>(f, "buttngrurl");
    m_lblalt = makeControl<QLabel>(f, "lblalt", tr("&Alt Text:"));
    m_txtalt = makeControl<QLineEdit>(f, "txtalt");
    m_lblw = makeControl<QLabel>(f, "lblw", tr("&Width:"));
    m_txtw = makeControl<QLineEdit>(f, "txtw");
    m_lblh = makeControl<QLabel>(f, "lblh", tr("Hei&ght:"));
    m_txth = makeControl<QLineEdit>(f, "txth");
    m_command1 = makeControl<QPushButton>(f, "Command1", tr("Free Button Graphics from Brookfen"));

    connect(m_kindGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            buttonpropopt_Click();
    });
    connect(m_cmdBttnAdv, &QPushButton::clicked, this, &MenuOptionsPanel::cmdBttnAdvClicked);
    connect(m_command1, &QPushButton::clicked, this, &MenuOptionsPanel::command1Clicked);
}

void MenuOptionsPanel::layoutControls()
{
    const Twips t(logicalDpiX(), logicalDpiY());
    // The panel spans both groups; the groups keep the main window's design gap.
    resize(t.x(5055), t.y(3945));
    m_frame4->setGeometry(t.rect(0, 0, 5055, 1785));
    m_frame3->setGeometry(t.rect(0, 1830, 5055, 2115));

    m_lblmnm->setGeometry(t.rect(90, 270, 1230, 255));
    m_txtmnm->setGeometry(t.rect(1350, 225, 3600, 300));
    m_lblmnmNote->setGeometry(t.rect(1350, 540, 3600, 240));
    // The warning takes the note's place, or when its text needs more room the
    // row's whole width, under the name's label too.
    const QRect note = m_lblmnmNote->geometry();
    const QSize warning = m_lblmnmwarn->sizeHint();
    const int left = warning.width() <= note.width() ? note.x() : t.x(90);
    m_lblmnmwarn->setGeometry(left, note.y(), note.right() + 1 - left,
                              std::max(note.height(), warning.height()));
    m_lbltarget->setGeometry(t.rect(90, 855, 1230, 255));
    m_targetcombo->setGeometry(t.rect(1350, 810, 1650, 315));
    m_lblfrm->setGeometry(t.rect(3120, 855, 1035, 255));
    m_txtfrm->setGeometry(t.rect(4170, 810, 780, 300));
    m_menubehavopt[0]->setGeometry(t.rect(90, 1155, 2430, 270));
    m_menubehavopt[1]->setGeometry(t.rect(2550, 1155, 2400, 270));
    m_lblbttnaln->setGeometry(t.rect(90, 1470, 1230, 255));
    m_cmbbttnaln->setGeometry(t.rect(1350, 1425, 1200, 315));
    m_cmdAdvMnu->setGeometry(t.rect(3330, 1410, 1620, 330));
    m_cmdSite->setGeometry(t.rect(2640, 1410, 600, 330));

    m_buttonpropopt[0]->setGeometry(t.rect(90, 270, 990, 270));
    m_buttontxtlbl->setGeometry(t.rect(1110, 285, 420, 255));
    m_buttontxttxt->setGeometry(t.rect(1560, 240, 1620, 300));
    m_cmdBttnAdv->setGeometry(t.rect(3330, 225, 1620, 330));
    m_buttonpropopt[1]->setGeometry(t.rect(90, 660, 990, 270));
    m_buttngrurllbl->setGeometry(t.rect(1110, 675, 1770, 255));
    m_buttngrurl->setGeometry(t.rect(2910, 630, 2040, 300));
    m_lblalt->setGeometry(t.rect(1110, 1065, 690, 255));
    m_txtalt->setGeometry(t.rect(1800, 1020, 3150, 300));
    m_lblw->setGeometry(t.rect(1110, 1440, 690, 255));
    m_txtw->setGeometry(t.rect(1800, 1395, 900, 300));
    m_lblh->setGeometry(t.rect(3150, 1440, 720, 255));
    m_txth->setGeometry(t.rect(3900, 1395, 1050, 300));
    m_command1->setGeometry(t.rect(1110, 1740, 3840, 330));
}

void MenuOptionsPanel::setClassicNameWarning(bool classic)
{
    m_classicNameWarning = classic;
    updateNameWarning();
}

void MenuOptionsPanel::updateNameWarning()
{
    const QString name = m_txtmnm->text();
    const bool warn = m_classicNameWarning && !name.isEmpty() && !classiccode::menuNameWorks(name);
    m_lblmnmwarn->setVisible(warn);
    m_lblmnmNote->setVisible(!warn);
}

void MenuOptionsPanel::setSiteFolder(const QString &folder)
{
    m_siteFolder = folder;
    const QString tip = folder.isEmpty()
                            ? tr("Site folder: none. Choose the folder of the site this menu serves, "
                                 "to publish the menu into its pages and check its links.")
                            : tr("Site folder: %1").arg(QDir::toNativeSeparators(folder));
    m_cmdSite->setToolTip(tip);
    m_cmdSite->setAccessibleDescription(tip);
}
