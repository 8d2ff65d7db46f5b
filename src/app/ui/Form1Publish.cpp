// Publishing the menu into the pages of the project's site, and taking it
// out again (PublishDialog shows the pages and writes them).
#include "app/ui/Form1.h"

#include "codegen/OptionsValidation.h"
#include "site/ui/PublishDialog.h"

#include <QMessageBox>
#include <QPushButton>

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
    const QString title = action == SitePublisher::Publish ? tr("Publish to Pages") : tr("Remove from Pages");
    if (siteFolder().isEmpty()) {
        QMessageBox box(QMessageBox::Information, title,
                        tr("The menu goes into the pages of its site folder, which this project does not "
                           "name yet. Choose the folder of the site; the folder button beside \"Advanced "
                           "Options\" in Menu Options shows and changes it later."),
                        QMessageBox::Cancel, this);
        QPushButton *choose = box.addButton(tr("&Choose Site Folder..."), QMessageBox::AcceptRole);
        box.setDefaultButton(choose);
        box.exec();
        if (box.clickedButton() != choose)
            return;
        const QString folder = m_chooseSiteFolder ? m_chooseSiteFolder(this) : QString();
        if (folder.isEmpty())
            return;
        changeSiteFolder(folder);
    }
    captureStyles();
    const MenuProject project = currentProject();
    if (const OptionsProblem problem = CheckMenuOptions(project.options); problem != OptionsProblem::None) {
        showProblem(OptionsProblemMessage(problem));
        return;
    }
    if (project.items.isEmpty()) {
        showProblem(tr("The menu has no items."));
        return;
    }
    PublishDialog dialog(project, project.site, SitePublisher::Action(action), this);
    dialog.exec();
    // The page option is the project's: a change in the dialog is one step.
    if (dialog.selectCurrentPage() != m_selectCurrentPage) {
        const ProjectState before = captureState();
        m_selectCurrentPage = dialog.selectCurrentPage();
        pushChange(tr("Change Current Page Selection"), before);
    }
}
