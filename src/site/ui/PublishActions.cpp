#include "site/ui/PublishActions.h"

#include "app/FileChoosers.h"
#include "app/MenuDocument.h"
#include "codegen/OptionsValidation.h"
#include "codegen/ui/ProblemBox.h"
#include "site/ui/PublishDialog.h"
#include "site/ui/RestoreDialog.h"

#include <QMessageBox>
#include <QPushButton>

PublishActions::PublishActions(MenuDocument *document, const FileChoosers *choosers, QWidget *parent)
    : QObject(parent), m_document(document), m_choosers(choosers), m_parent(parent)
{
    setObjectName(QStringLiteral("publishActions"));
}

void PublishActions::publish()
{
    run(SitePublisher::Publish);
}

void PublishActions::unpublish()
{
    run(SitePublisher::Unpublish);
}

void PublishActions::restore()
{
    if (!haveSiteFolder(tr("Restore Backup")))
        return;
    RestoreDialog dialog(m_document->siteFolder(), m_parent, m_document->backupFolder());
    dialog.exec();
}

// A project without a site folder is asked for one; false when none was chosen.
bool PublishActions::haveSiteFolder(const QString &title)
{
    if (m_document->siteFolder().isEmpty()) {
        QMessageBox box(QMessageBox::Information, title,
                        tr("The menu goes into the pages of its site folder, which this project does not "
                           "name yet. Choose the folder of the site; the folder button beside \"Advanced "
                           "Options\" in Menu Options shows and changes it later."),
                        QMessageBox::Cancel, m_parent);
        QPushButton *choose = box.addButton(tr("&Choose Site Folder..."), QMessageBox::AcceptRole);
        box.setDefaultButton(choose);
        box.exec();
        if (box.clickedButton() != choose)
            return false;
        const QString folder = m_choosers->siteFolder ? m_choosers->siteFolder(m_parent) : QString();
        if (folder.isEmpty())
            return false;
        m_document->changeSiteFolder(folder);
    }
    return true;
}

void PublishActions::run(int action)
{
    const QString title = action == SitePublisher::Publish ? tr("Publish to Pages") : tr("Remove from Pages");
    if (!haveSiteFolder(title))
        return;
    const MenuProject project = m_document->capturedProject();
    if (const OptionsProblem problem = CheckMenuOptions(project.options); problem != OptionsProblem::None) {
        ShowProblem(m_parent, OptionsProblemMessage(problem));
        return;
    }
    if (project.items.isEmpty()) {
        ShowProblem(m_parent, tr("The menu has no items."));
        return;
    }
    PublishDialog dialog(project, project.site, SitePublisher::Action(action), m_parent);
    dialog.exec();
    m_document->changeSelectCurrentPage(dialog.selectCurrentPage());
}
