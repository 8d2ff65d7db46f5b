#include "app/ui/Form1.h"

#include "app/Preferences.h"

#include "codegen/OptionsValidation.h"
#include "codegen/ui/MenuOptionsPanel.h"
#include "menu/MenuItemModel.h"
#include "menu/ProjectFile.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>

MenuProject Form1::currentProject() const
{
    MenuProject project = currentSettings();
    project.items = m_model->items();
    return project;
}

MenuProject Form1::currentSettings() const
{
    MenuProject project;
    project.options = m_options->options();
    project.menuStyle = m_advMenuvals.mnu;
    project.buttonStyle = m_advMenuvals.bttn;
    project.dialect = dialect();
    project.site = m_site;
    return project;
}

void Form1::applyProject(const MenuProject &project, bool withItems)
{
    if (withItems)
        m_model->setItems(project.items);
    m_options->setOptions(project.options);
    m_advMenuvals.mnu = project.menuStyle;
    m_advMenuvals.bttn = project.buttonStyle;
    setDialect(project.dialect);
    m_site = project.site;
    // The dialogs show the records, and the records hold what the dialogs
    // can show (a border thickness under "No Border", for one, is dropped).
    for (const QString &kind : {QStringLiteral("mnu"), QStringLiteral("bttn")}) {
        RestoreAdvVals(kind);
        StoreAdvVals(kind);
    }
    m_recorded = currentSettings();
}

bool Form1::saveProject(const QString &path, QString *error) const
{
    return ProjectFile::save(path, currentProject(), error);
}

QString Form1::ValidateMenuOptions()
{
    return m_options->ValidateMenuOptions();
}

void Form1::buttonpropopt_Click()
{
    m_options->buttonpropopt_Click();
}

void Form1::menubehavopt_Click(int index)
{
    m_options->menubehavopt_Click(index);
}

void Form1::targetcombo_Click()
{
    m_options->targetcombo_Click();
}

// Back to a new, empty project: options at their start-up values, no rows.
// The code dialect becomes the one preferred for new menus. The style
// records, "Indented" and "Selected" are left as they are.
void Form1::ResetMenuProject()
{
    m_itemtexttext->setText(QString());
    m_linktext->setText(QString());
    m_notlinkchk->setChecked(false);
    m_options->setOptions(MenuOptions{});
    setDialect(Preferences::NewMenuDialect());
    m_model->clear();
    m_editingRow = false;
    show();
    m_itemtexttext->setFocus();
}

void Form1::showProblem(const QString &message)
{
    QMessageBox box(QMessageBox::Warning, OopsTitle(), message, QMessageBox::Ok, this);
    box.exec();
}
