// Publishing the menu into the pages of the project's site, and taking it
// out again (PublishDialog shows the pages and writes them).
#include "app/ui/Form1.h"

#include "codegen/OptionsValidation.h"
#include "menu/ProjectFile.h"
#include "site/SiteFolder.h"
#include "site/ui/PublishDialog.h"

#include <QMessageBox>

void Form1::mnuFilePublish_Click()
{
    publishToPages(SitePublisher::Publish);
}

void Form1::mnuFileUnpublish_Click()
{
    publishToPages(SitePublisher::Unpublish);
}

void Form1::publishToPages(int action)
{
    MenuProject project = currentProject();
    QString error;
    if (project.site.isEmpty() && !m_filePath.isEmpty()) { // the site as the saved file names it
        MenuProject saved;
        if (ProjectFile::load(m_filePath, &saved, &error)) {
            project.site = saved.site;
            project.selectCurrentPage = saved.selectCurrentPage;
        }
    }
    const QString title = action == SitePublisher::Publish ? tr("Publish to Pages") : tr("Remove from Pages");
    if (m_filePath.isEmpty() || project.site.isEmpty()) {
        QMessageBox::information(this, title,
                                 tr("The menu is published into the pages of the project's site folder. Save the "
                                    "project, then choose its site folder in Menu Options (Site folder)."));
        return;
    }
    if (const OptionsProblem problem = CheckMenuOptions(project.options); problem != OptionsProblem::None) {
        showProblem(OptionsProblemMessage(problem));
        return;
    }
    if (project.items.isEmpty()) {
        showProblem(tr("The menu has no items."));
        return;
    }
    PublishDialog dialog(project, SiteFolder::absolute(project.site, m_filePath), SitePublisher::Action(action), this);
    dialog.exec();
}
