#include "site/BackupRuns.h"

#include "platform/FileName.h"
#include "site/NaturalOrder.h"
#include "site/SitePages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The path as the system resolves it, for a folder that may not exist yet:
// its nearest existing ancestor resolved, the rest as written.
QString resolved(const QString &path)
{
    QString existing = QDir::cleanPath(path);
    QString rest;
    while (!QFileInfo::exists(existing) && existing != QStringLiteral("/")) {
        rest = QFileInfo(existing).fileName() + (rest.isEmpty() ? QString() : u'/' + rest);
        existing = QFileInfo(existing).absolutePath();
    }
    const QString real = FileName::canonical(existing);
    const QString base = real.isEmpty() ? existing : real;
    return rest.isEmpty() ? base : QDir::cleanPath(base + u'/' + rest);
}

bool within(const QString &root, const QString &path)
{
    return path == root || path.startsWith(root.endsWith(u'/') ? root : root + u'/');
}

} // namespace

namespace BackupRuns {

QString root(const QString &siteFolder, const QString &folder, QString *error)
{
    if (folder.isEmpty())
        return QDir::cleanPath(siteFolder) + u'/' + SitePages::kBackupFolder;
    const QString site = resolved(siteFolder);
    const QString backups = resolved(folder);
    const QString shown = QDir::toNativeSeparators(QDir::cleanPath(folder));
    if (within(backups, site)) {
        *error = QCoreApplication::translate(
                     "BackupRuns", "The backup folder \"%1\" holds the site folder; choose a folder "
                                   "beside the site or in a hidden folder of it.")
                     .arg(shown);
        return {};
    }
    if (within(site, backups)) {
        const QStringList names = QDir(site).relativeFilePath(backups).split(u'/');
        if (std::none_of(names.cbegin(), names.cend(), [](const QString &n) { return n.startsWith(u'.'); })) {
            *error = QCoreApplication::translate(
                         "BackupRuns", "The backup folder \"%1\" is among the site's pages, where publishing "
                                       "would take the copies for pages; choose a folder outside the site or "
                                       "a hidden one (its name starting with \".\").")
                         .arg(shown);
            return {};
        }
    }
    return QDir::cleanPath(folder);
}

bool isStamp(const QString &name)
{
    static const QRegularExpression stamp(QStringLiteral("^[0-9]{8}-[0-9]{6}(-[0-9]+)?$"));
    return stamp.match(name).hasMatch();
}

QStringList stamps(const QString &root)
{
    QStringList out;
    for (const QFileInfo &info :
         QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
        if (isStamp(info.fileName()) && !info.isSymLink())
            out << info.fileName();
    }
    std::sort(out.begin(), out.end(), NaturalOrder::less);
    return out;
}

QStringList prune(const QString &root, const QString &keep)
{
    QStringList runs = stamps(root);
    runs.removeAll(keep);
    QStringList removed;
    // The run just made counts among the kept ones.
    const qsizetype older = runs.size() - (kKept - (keep.isEmpty() ? 0 : 1));
    for (qsizetype i = 0; i < older; ++i) {
        if (QDir(root + u'/' + runs.at(i)).removeRecursively())
            removed << runs.at(i);
    }
    return removed;
}

} // namespace BackupRuns
