// The site commands of the window: a new menu made from a site's pages or
// from a sitemap (one undoable change; the document keeps its file), and the
// check of the menu's links, whose failures are marked in the list.
#include "app/ui/Form1.h"

#include "app/Preferences.h"
#include "app/ui/ItemListDecorations.h"
#include "menu/MenuItemModel.h"
#include "site/LinkCheck.h"
#include "site/SiteFolder.h"
#include "site/SiteMenuBuilder.h"
#include "site/SitemapImport.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStyle>

namespace {

// A progress dialog for reading many pages: window-modal, shown when the
// work takes a while, with Cancel.
class PageProgress {
public:
    PageProgress(const QString &title, const QString &label, QWidget *parent)
        : m_dialog(label, Form1::tr("Cancel"), 0, 0, parent)
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_dialog.setObjectName(QStringLiteral("progressSite"));
        m_dialog.setWindowTitle(title);
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(400);
        m_dialog.setValue(0);
    }
    ~PageProgress()
    {
        if (m_busy)
            QApplication::restoreOverrideCursor();
    }
    // The worker's question, every few tens of milliseconds.
    bool keepGoing()
    {
        if (m_dialog.isVisible() && m_busy) {
            m_busy = false; // the dialog tells it now, and Cancel wants the usual pointer
            QApplication::restoreOverrideCursor();
        }
        QCoreApplication::processEvents(m_dialog.isVisible() ? QEventLoop::AllEvents
                                                             : QEventLoop::ExcludeUserInputEvents);
        return !m_dialog.wasCanceled();
    }
    bool pages(qsizetype done, qsizetype total)
    {
        m_dialog.setMaximum(int(qMin<qsizetype>(total, INT_MAX)));
        m_dialog.setValue(int(qMin<qsizetype>(done, INT_MAX)));
        return keepGoing();
    }
    bool cancelled() const { return m_dialog.wasCanceled(); }

private:
    QProgressDialog m_dialog;
    bool m_busy = true;
};

} // namespace

void Form1::takeSiteMenu(MenuProject project, const QString &undoText, const QStringList &notes)
{
    project.dialect = Preferences::NewMenuDialect(); // the site folder stays absolute in the window
    const ProjectState before = captureState();
    applyProject(project);
    pushChange(undoText, before);
    showStatus(tr("Entries in the new menu: %1.").arg(project.items.size()));
    if (!notes.isEmpty()) {
        QMessageBox box(QMessageBox::Information, undoText, tr("The menu was made with these notes:"),
                        QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("siteMenuNotes"));
        box.setInformativeText(notes.join(u'\n'));
        box.exec();
    }
}

void Form1::mnuFileFromSite_Click()
{
    const QString title = tr("New Menu from Site");
    const QString folder = m_chooseSiteFolder
                               ? m_chooseSiteFolder(this)
                               : QFileDialog::getExistingDirectory(this, tr("Choose the Site's Folder"), siteFolder());
    if (folder.isEmpty())
        return;
    MenuProject project;
    QStringList notes;
    QString error;
    bool made = false;
    {
        PageProgress progress(title, tr("Reading the pages of %1...").arg(QDir::toNativeSeparators(folder)), this);
        PageReadBounds bounds;
        bounds.keepGoing = [&progress] { return progress.keepGoing(); };
        made = SiteMenuBuilder::build(folder, &project, &notes, &error, bounds,
                                      [&progress](qsizetype done, qsizetype total) { return progress.pages(done, total); });
        if (!made && progress.cancelled())
            return;
    }
    if (!made) {
        showProblem(error);
        return;
    }
    takeSiteMenu(project, title, notes);
}

void Form1::mnuFileFromSitemap_Click()
{
    const QString title = tr("New Menu from Sitemap");
    const QString sitemap =
        m_chooseSitemapFile ? m_chooseSitemapFile(this)
                            : QFileDialog::getOpenFileName(this, title, siteFolder(),
                                                           tr("Sitemaps (*.xml);;All files (*)"));
    if (sitemap.isEmpty())
        return;
    SitemapImport import;
    if (!import.read(sitemap)) {
        showProblem(import.error());
        return;
    }
    // The site folder: the sitemap's own unless the user picks another.
    const QString folder = m_chooseSiteFolder
                               ? m_chooseSiteFolder(this)
                               : QFileDialog::getExistingDirectory(this, tr("Choose the Site's Folder"),
                                                                   QFileInfo(sitemap).absolutePath());
    if (folder.isEmpty())
        return;
    MenuProject project;
    QStringList notes;
    bool made = false;
    {
        PageProgress progress(title, tr("Reading the pages of %1...").arg(QDir::toNativeSeparators(folder)), this);
        PageReadBounds bounds;
        bounds.keepGoing = [&progress] { return progress.keepGoing(); };
        made = import.project(folder, &project, &notes, bounds,
                              [&progress](qsizetype done, qsizetype total) { return progress.pages(done, total); });
        if (!made && progress.cancelled())
            return;
    }
    if (!made) {
        showProblem(import.error());
        return;
    }
    takeSiteMenu(project, title, notes);
}

void Form1::mnuToolsCheckLinks_Click()
{
    const QString title = tr("Check Links");
    QString folder = SiteFolder::absolute(siteFolder(), m_filePath);
    if (folder.isEmpty()) {
        folder = m_chooseSiteFolder ? m_chooseSiteFolder(this)
                                    : QFileDialog::getExistingDirectory(this, tr("Choose the Site's Folder"));
        if (folder.isEmpty())
            return;
        changeSiteFolder(folder); // the project's from now on (one undoable step)
        folder = siteFolder();
    }
    if (!QFileInfo(folder).isDir()) {
        showProblem(tr("The site folder \"%1\" does not exist or is not a folder.").arg(QDir::toNativeSeparators(folder)));
        return;
    }
    const QList<MenuItem> items = m_model->items();
    QList<LinkVerdict> verdicts;
    {
        PageProgress progress(title, tr("Checking the links..."), this);
        PageReadBounds bounds;
        bounds.keepGoing = [&progress] { return progress.keepGoing(); };
        LinkCheck check(folder);
        verdicts = check.check(items, bounds, [&progress](qsizetype) { return progress.keepGoing(); });
        if (progress.cancelled())
            return;
    }
    QStringList reasons;
    int failed = 0;
    int notChecked = 0;
    int links = 0;
    for (const LinkVerdict &v : verdicts) {
        reasons << (v.status == LinkVerdict::Failed ? v.reason : QString());
        failed += v.status == LinkVerdict::Failed;
        notChecked += v.status == LinkVerdict::NotChecked;
        links += v.status != LinkVerdict::NoLink;
    }
    if (failed > 0)
        ItemListDecorations::of(m_model)->setLinkMarks(reasons, style()->standardIcon(QStyle::SP_MessageBoxWarning));
    else
        ItemListDecorations::of(m_model)->clearLinkMarks();
    showStatus(tr("Links checked: %1; failed: %2; not checked: %3.").arg(links).arg(failed).arg(notChecked));
}
