#include "site/ui/SiteMenuActions.h"

#include "app/FileChoosers.h"
#include "app/MenuDocument.h"
#include "codegen/ui/ProblemBox.h"
#include "menu/PageLanguage.h"
#include "site/SiteMenuBuilder.h"
#include "site/SitemapImport.h"
#include "site/ui/PageProgress.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>

SiteMenuActions::SiteMenuActions(MenuDocument *document, const FileChoosers *choosers, QWidget *parent)
    : QObject(parent), m_document(document), m_choosers(choosers), m_parent(parent)
{
    setObjectName(QStringLiteral("siteMenuActions"));
}

QString SiteMenuActions::chooseFolder(const QString &start)
{
    return m_choosers->siteFolder
               ? m_choosers->siteFolder(m_parent)
               : QFileDialog::getExistingDirectory(m_parent, tr("Choose the Site's Folder"), start);
}

void SiteMenuActions::take(MenuProject project, const QString &undoText, const QStringList &notes)
{
    // HTML5, as on the command line: browsers ignore classic code's styles, and
    // two classic menus on one page clash. The site folder stays absolute.
    project.dialect = CodeDialect::Html5;
    project.lang = pagelanguage::forNewProjects();
    m_document->startProject(project, undoText);
    emit statusMessage(tr("Entries in the new menu: %1.").arg(QLocale().toString(project.items.size())));
    if (!notes.isEmpty()) {
        QMessageBox box(QMessageBox::Information, undoText, tr("The menu was made with these notes:"),
                        QMessageBox::Ok, m_parent);
        box.setObjectName(QStringLiteral("siteMenuNotes"));
        box.setInformativeText(notes.join(u'\n'));
        box.exec();
    }
}

void SiteMenuActions::fromSite()
{
    const QString title = tr("New Menu from Site");
    if (m_mayReplace && !m_mayReplace())
        return;
    const QString folder = chooseFolder(m_document->siteFolder());
    if (folder.isEmpty())
        return;
    MenuProject project;
    QStringList notes;
    QString error;
    bool made = false;
    {
        PageProgress progress(title, tr("Reading the pages of %1...").arg(QDir::toNativeSeparators(folder)),
                              m_parent);
        PageReadBounds bounds;
        bounds.keepGoing = [&progress] { return progress.keepGoing(); };
        made = SiteMenuBuilder::build(
            folder, &project, &notes, &error, bounds,
            [&progress](qsizetype done, qsizetype total) { return progress.pages(done, total); });
        if (!made && progress.cancelled())
            return;
    }
    if (!made) {
        ShowProblem(m_parent, error);
        return;
    }
    take(project, title, notes);
}

void SiteMenuActions::fromSitemap()
{
    if (m_mayReplace && !m_mayReplace())
        return;
    const QString title = tr("New Menu from Sitemap");
    const QString sitemap = m_choosers->sitemap
                                ? m_choosers->sitemap(m_parent)
                                : QFileDialog::getOpenFileName(m_parent, title, m_document->siteFolder(),
                                                               tr("Sitemaps (*.xml);;All files (*)"));
    if (sitemap.isEmpty())
        return;
    SitemapImport import;
    if (!import.read(sitemap)) {
        ShowProblem(m_parent, import.error());
        return;
    }
    // The site folder: the sitemap's own unless the user picks another.
    const QString folder = chooseFolder(QFileInfo(sitemap).absolutePath());
    if (folder.isEmpty())
        return;
    MenuProject project;
    QStringList notes;
    bool made = false;
    {
        PageProgress progress(title, tr("Reading the pages of %1...").arg(QDir::toNativeSeparators(folder)),
                              m_parent);
        PageReadBounds bounds;
        bounds.keepGoing = [&progress] { return progress.keepGoing(); };
        made = import.project(folder, &project, &notes, bounds, [&progress](qsizetype done, qsizetype total) {
            return progress.pages(done, total);
        });
        if (!made && progress.cancelled())
            return;
    }
    if (!made) {
        ShowProblem(m_parent, import.error());
        return;
    }
    take(project, title, notes);
}
