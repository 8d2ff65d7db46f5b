#pragma once

#include "menu/MenuOptions.h"
#include "menu/MenuOptionsSource.h"

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

// The menu options of the main window: the groups "Menu Options:" (Frame4)
// and "Submit Button Options:" (Frame3), their enabling rules and the checks
// that run before code is generated. The controls hold the options; there is
// no other copy.
class MenuOptionsPanel : public QWidget, public MenuOptionsSource {
    Q_OBJECT
public:
    explicit MenuOptionsPanel(QWidget *parent = nullptr);

    // Places the two groups; geometry is given in twips at the panel's resolution.
    void layoutControls();

    MenuOptions options() const override;
    // Sets every option control and applies the enabling rules to the new values.
    void setOptions(const MenuOptions &options) override;

    // "ok" when code may be generated; otherwise shows the first problem in an
    // "Oops!" box, moves the focus to its field and answers "nope".
    QString ValidateMenuOptions();

    // In classic code a name that will not work (see classiccode::menuNameWorks)
    // gets a warning under the name field while it is typed; it never refuses.
    void setClassicNameWarning(bool classic);

    // The site folder the menu serves (absolute; empty: none), shown by the
    // folder button beside "Advanced Options".
    QString siteFolder() const override { return m_siteFolder; }
    void setSiteFolder(const QString &folder) override;

    QGroupBox *menuGroup() const { return m_frame4; }
    QGroupBox *buttonGroup() const { return m_frame3; }

signals:
    void cmdAdvMnuClicked();
    void cmdBttnAdvClicked();
    void command1Clicked();
    // The folder button's choices: pick a folder, or have none.
    void chooseSiteFolderRequested();
    void clearSiteFolderRequested();
    void serverRequested();

public slots:
    // Button kind: graphic fields follow "Graphic", text-button fields "Default".
    void buttonpropopt_Click();
    // Navigation: the submit-button group and the alignment follow "Navigate on
    // Button Click"; returning to it re-applies the button-kind rule.
    void menubehavopt_Click(int index);
    // Link target: the frame name is editable only for "Different frame".
    void targetcombo_Click();

private:
    void buildMenuGroup();
    void buildButtonGroup();
    QList<QWidget *> graphicFields() const;
    QList<QWidget *> textButtonFields() const;
    void updateNameWarning();

    QGroupBox *m_frame4 = nullptr;
    QGroupBox *m_frame3 = nullptr;

    QLabel *m_lblmnm = nullptr;
    QLineEdit *m_txtmnm = nullptr;
    QLabel *m_lblmnmNote = nullptr;
    QLabel *m_lblmnmwarn = nullptr;
    bool m_classicNameWarning = false;
    QLabel *m_lbltarget = nullptr;
    QComboBox *m_targetcombo = nullptr;
    QLabel *m_lblfrm = nullptr;
    QLineEdit *m_txtfrm = nullptr;
    QRadioButton *m_menubehavopt[2] = {nullptr, nullptr};
    QButtonGroup *m_behaviourGroup = nullptr;
    QLabel *m_lblbttnaln = nullptr;
    QComboBox *m_cmbbttnaln = nullptr;
    QPushButton *m_cmdAdvMnu = nullptr;
    QToolButton *m_cmdSite = nullptr;
    QString m_siteFolder;

    QRadioButton *m_buttonpropopt[2] = {nullptr, nullptr};
    QButtonGroup *m_kindGroup = nullptr;
    QLabel *m_buttontxtlbl = nullptr;
    QLineEdit *m_buttontxttxt = nullptr;
    QPushButton *m_cmdBttnAdv = nullptr;
    QLabel *m_buttngrurllbl = nullptr;
    QLineEdit *m_buttngrurl = nullptr;
    QLabel *m_lblalt = nullptr;
    QLineEdit *m_txtalt = nullptr;
    QLabel *m_lblw = nullptr;
    QLineEdit *m_txtw = nullptr;
    QLabel *m_lblh = nullptr;
    QLineEdit *m_txth = nullptr;
    QPushButton *m_command1 = nullptr;
};
