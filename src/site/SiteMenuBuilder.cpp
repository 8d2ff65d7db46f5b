#include "site/SiteMenuBuilder.h"

#include "menu/ProjectFile.h"
#include "platform/FileName.h"
#include "platform/TextTrim.h"
#include "site/PageFactsReader.h"
#include "site/SiteLink.h"
#include "site/SiteWalk.h"

#include <QCoreApplication>
#include <QDir>

namespace SiteMenuBuilder {

namespace {

MenuItem entry(const QString &text, const QString &link, bool indented)
{
    const QString shown =
        indented ? CutAtLength(menutext::kIndentPrefix + text, ProjectFile::kMaxTextLength) : text;
    return {shown, link.isEmpty() ? menutext::kNo : menutext::kYes, link, menutext::kNo};
}

} // namespace

void addNote(QStringList *notes, const QString &note, qsizetype *skipped)
{
    if (notes->size() < kMaxNotes)
        notes->append(note);
    else
        ++*skipped;
}

QString moreNotes(qsizetype skipped)
{
    return QCoreApplication::translate("SiteMenuBuilder", "... and %Ln more notes.", nullptr, int(skipped));
}

QString textFor(const QString &relativePath, const PageFacts &facts)
{
    if (!facts.title.isEmpty())
        return facts.title;
    return FileName::shown(relativePath.mid(relativePath.lastIndexOf(u'/') + 1));
}

QList<MenuItem> items(const QStringList &pages, const QList<PageFacts> &facts, QStringList *notes)
{
    QList<MenuItem> out;
    out.reserve(pages.size() + 64);
    qsizetype skipped = 0;
    QString heading; // the top-level folder whose pages come now
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const QString &page = pages.at(i);
        const PageFacts &f = facts.at(i);
        if (!f.error.isEmpty())
            addNote(notes,
                    QCoreApplication::translate("SiteMenuBuilder", "%1: %2 Its file name is its text.")
                        .arg(FileName::shown(page), f.error),
                    &skipped);
        const qsizetype slash = page.indexOf(u'/');
        const QString folder = slash < 0 ? QString() : page.left(slash);
        const QString text = textFor(page, f);
        const QString link = SiteLink::forPath(page);
        if (folder.isEmpty()) {
            heading.clear();
            out.append(entry(text, link, false));
            continue;
        }
        if (folder != heading) {
            heading = folder;
            // The walk puts a folder's index page first among its pages.
            if (SiteLink::isIndexName(page.mid(slash + 1))) {
                out.append(entry(text, link, false));
                continue;
            }
            out.append(entry(FileName::shown(folder), QString(), false));
        }
        out.append(entry(text, link, true));
    }
    if (skipped > 0)
        notes->append(moreNotes(skipped));
    return out;
}

bool build(const QString &folder, MenuProject *project, QStringList *notes, QString *error,
           const PageReadBounds &bounds, const std::function<bool(qsizetype, qsizetype)> &progress)
{
    SiteWalk walk;
    if (!walk.run(folder)) {
        *error = walk.error();
        return false;
    }
    *notes << walk.notes();
    if (walk.pages().isEmpty()) {
        *error = QCoreApplication::translate("SiteMenuBuilder",
                                             "The site folder \"%1\" holds no pages (.html or .htm files).")
                     .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    const QString root = QDir(folder).absolutePath();
    QStringList paths;
    paths.reserve(walk.pages().size());
    for (const QString &page : walk.pages())
        paths << root + u'/' + page;
    const qsizetype total = paths.size();
    const QList<PageFacts> facts =
        PageFactsReader::read(paths, PageFactsReader::Titles, bounds,
                              [&](qsizetype done) { return !progress || progress(done, total); });
    if (progress && !progress(total, total)) {
        *error = QCoreApplication::translate("SiteMenuBuilder", "Reading the pages was cancelled.");
        return false;
    }
    *project = MenuProject();
    project->items = items(walk.pages(), facts, notes);
    project->options.menuName = kMenuName;
    project->site = QDir::cleanPath(root);
    return true;
}

} // namespace SiteMenuBuilder
