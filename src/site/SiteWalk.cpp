#include "site/SiteWalk.h"

#include "platform/FileName.h"
#include "site/NaturalOrder.h"
#include "site/SiteLink.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

// Notes about single skipped files beyond this many are summed up in one.
constexpr int kMaxSkipNotes = 20;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(FileName::shown(path));
}

} // namespace

bool SiteWalk::isPage(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".html"), Qt::CaseInsensitive)
           || fileName.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive);
}

bool SiteWalk::run(const QString &folder)
{
    m_pages.clear();
    m_notes.clear();
    m_error.clear();
    m_truncated = false;
    m_skippedNotes = 0;
    const QFileInfo info(folder);
    if (!info.exists()) {
        m_error = QCoreApplication::translate("SiteWalk", "The site folder \"%1\" does not exist.")
                      .arg(shown(folder));
        return false;
    }
    if (!info.isDir()) {
        m_error = QCoreApplication::translate("SiteWalk", "The site folder \"%1\" is not a folder.")
                      .arg(shown(folder));
        return false;
    }
    m_root = FileName::canonical(folder);
    QSet<QString> visited{m_root};
    m_aliases.clear();
    walk(m_root, QString(), 0, &visited);
    noteAliases(visited);
    if (m_skippedNotes > kMaxSkipNotes)
        m_notes << QCoreApplication::translate("SiteWalk", "%Ln more files or folders were skipped.", nullptr,
                                               int(m_skippedNotes - kMaxSkipNotes));
    if (m_truncated)
        m_notes << QCoreApplication::translate(
                       "SiteWalk", "The site has more than %1 pages; only the first %1 were read.")
                       .arg(kMaxPages);
    return true;
}

void SiteWalk::note(const QString &text)
{
    if (++m_skippedNotes <= kMaxSkipNotes)
        m_notes << text;
}

void SiteWalk::noteAliases(const QSet<QString> &visited)
{
    if (m_truncated)
        return;
    QSet<QString> pages;
    for (const QString &page : std::as_const(m_pages))
        pages.insert(m_root + u'/' + page);
    for (const auto &[alias, target] : std::as_const(m_aliases)) {
        const bool folder = target.endsWith(u'/');
        const QString path = folder ? target.chopped(1) : target;
        if (folder ? visited.contains(path) : pages.contains(path))
            continue;
        note(
            QCoreApplication::translate(
                "SiteWalk",
                "The symbolic link \"%1\" leads to \"%2\", which is not among the site's pages, and was skipped.")
                .arg(shown(alias), shown(path.mid(m_root.size() + 1))));
    }
}

void SiteWalk::walk(const QString &absolute, const QString &relative, int depth, QSet<QString> *visited)
{
    QList<FileName::Entry> entries;
    if (!FileName::list(absolute, &entries)) {
        note(QCoreApplication::translate("SiteWalk", "The folder \"%1\" could not be read.")
                 .arg(shown(relative)));
        return;
    }
    QStringList files;
    QList<std::pair<QString, QString>> folders; // name, canonical path
    for (const FileName::Entry &entry : std::as_const(entries)) {
        const QString &name = entry.name;
        const bool folder = entry.isDir;
        if (folder && name.startsWith(u'.'))
            continue;
        if (!folder && !isPage(name))
            continue;
        const QString path = absolute + u'/' + name;
        if (entry.isSymLink) {
            const QString target = FileName::canonical(path);
            if (target.isEmpty()) {
                note(QCoreApplication::translate("SiteWalk",
                                                 "The symbolic link \"%1\" leads nowhere and was skipped.")
                         .arg(shown(relative + name)));
                continue;
            }
            if (target != m_root && !target.startsWith(m_root + u'/')) {
                note(QCoreApplication::translate(
                         "SiteWalk", "The symbolic link \"%1\" leads out of the site folder and was skipped.")
                         .arg(shown(relative + name)));
                continue;
            }
            // An alias inside the site: its target is walked under its own path.
            m_aliases.append({relative + name, folder ? target + u'/' : target});
            continue;
        }
        if (folder)
            folders.append({name, FileName::canonical(path)});
        else if (entry.isFile)
            files << name;
    }
    std::sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
        if (SiteLink::isIndexName(a) != SiteLink::isIndexName(b))
            return SiteLink::isIndexName(a);
        return NaturalOrder::less(a, b);
    });
    for (const QString &name : files) {
        if (m_pages.size() >= kMaxPages) {
            m_truncated = true;
            return;
        }
        m_pages << relative + name;
    }
    std::sort(folders.begin(), folders.end(),
              [](const auto &a, const auto &b) { return NaturalOrder::less(a.first, b.first); });
    for (const auto &[name, canonical] : folders) {
        if (m_truncated)
            return;
        // A folder reached again (through a link) is walked only once.
        if (canonical.isEmpty() || visited->contains(canonical))
            continue;
        if (depth + 1 > kMaxDepth) {
            note(QCoreApplication::translate("SiteWalk",
                                             "The folder \"%1\" lies deeper than %2 folders and was skipped.")
                     .arg(shown(relative + name))
                     .arg(kMaxDepth));
            continue;
        }
        visited->insert(canonical);
        walk(absolute + u'/' + name, relative + name + u'/', depth + 1, visited);
    }
}
