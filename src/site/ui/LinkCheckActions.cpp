#include "site/ui/LinkCheckActions.h"

#include "app/FileChoosers.h"
#include "app/MenuDocument.h"
#include "codegen/ui/ProblemBox.h"
#include "menu/MenuItemModel.h"
#include "site/LinkCheck.h"
#include "site/SiteFolder.h"
#include "site/ui/LinkCheckResults.h"
#include "site/ui/PageProgress.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QWidget>

LinkCheckActions::LinkCheckActions(MenuDocument *document, const FileChoosers *choosers, QWidget *parent)
    : QObject(parent), m_document(document), m_choosers(choosers), m_parent(parent)
{
    setObjectName(QStringLiteral("linkCheckActions"));
}

void LinkCheckActions::checkLinks()
{
    const QString title = tr("Check Links");
    QString folder = SiteFolder::absolute(m_document->siteFolder(), m_document->filePath());
    if (folder.isEmpty()) {
        folder = m_choosers->siteFolder
                     ? m_choosers->siteFolder(m_parent)
                     : QFileDialog::getExistingDirectory(m_parent, tr("Choose the Site's Folder"));
        if (folder.isEmpty())
            return;
        m_document->changeSiteFolder(folder); // the project's from now on (one undoable step)
        folder = m_document->siteFolder();
    }
    if (!QFileInfo(folder).isDir()) {
        ShowProblem(m_parent, tr("The site folder \"%1\" does not exist or is not a folder.")
                                  .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    const QList<MenuItem> items = m_document->model()->items();
    QList<LinkVerdict> verdicts;
    {
        PageProgress progress(title, tr("Checking the links..."), m_parent);
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
    emit linksChecked(failed > 0 ? reasons : QStringList());
    const QString summary =
        tr("Links checked: %1; failed: %2; not checked: %3.")
            .arg(QLocale().toString(links), QLocale().toString(failed), QLocale().toString(notChecked));
    emit statusMessage(summary);
    if (!m_results) {
        m_results = new LinkCheckResults(m_parent);
        connect(m_results, &LinkCheckResults::entryChosen, this,
                [this](int position) { emit m_document->currentRowRequested(position, true); });
    }
    m_results->showResults(summary, items, verdicts);
}
