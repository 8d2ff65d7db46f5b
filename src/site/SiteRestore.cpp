#include "site/SiteRestore.h"

#include "platform/RegularFile.h"
#include "site/BackupRuns.h"
#include "site/NaturalOrder.h"
#include "site/PublishRecord.h"
#include "site/SitePages.h"
#include "site/SiteWalk.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr qint64 kMaxPageBytes = 64LL * 1024 * 1024; // as publishing reads

// The folders that hold a site's runs: the project's own first, then the site's.
QStringList roots(const QString &siteFolder, const QString &backupFolder)
{
    QStringList out;
    QString ignored; // an unsafe folder is refused when a run would write into it
    if (!backupFolder.isEmpty()) {
        if (const QString root = BackupRuns::root(siteFolder, backupFolder, &ignored); !root.isEmpty())
            out << root;
    }
    out << BackupRuns::root(siteFolder, {}, &ignored);
    out.removeDuplicates();
    return out;
}

QString runFolder(const QString &siteFolder, const QString &stamp, const QString &backupFolder)
{
    const QStringList all = roots(siteFolder, backupFolder);
    for (const QString &root : all) {
        if (QFileInfo(root + u'/' + stamp).isDir())
            return root + u'/' + stamp;
    }
    return all.constLast() + u'/' + stamp;
}

// The files a run kept, relative to its folder: every regular file but the
// record beside them; links are not followed.
QStringList keptFiles(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext() && files.size() <= SiteWalk::kMaxPages) {
        const QString relative = QDir(folder).relativeFilePath(it.next());
        if (relative != PublishRecord::kFileName && it.fileInfo().isFile() && !it.fileInfo().isSymLink())
            files << relative;
    }
    std::sort(files.begin(), files.end(), NaturalOrder::less);
    return files;
}

PagePlan restorePlan(const QString &site, const QString &folder, const QString &relative,
                     const PublishRecord &kept)
{
    PagePlan plan;
    plan.path = relative;
    const RegularFile backup = RegularFile::read(folder + u'/' + relative, kMaxPageBytes);
    if (backup.status != RegularFile::Ok) {
        plan.reason = QCoreApplication::translate("SiteRestore", "Its backup was not read: %1")
                          .arg(backup.problem(folder + u'/' + relative));
        return plan;
    }
    const QString absolute = site + u'/' + relative;
    QString inside;
    if (!SitePages::contains(site, absolute, &inside) || inside != relative) {
        plan.reason = QCoreApplication::translate(
            "SiteRestore", "Its folder is no longer in the site folder as it was, so it cannot be put back.");
        return plan;
    }
    plan.identity = FileIdentity::of(absolute);
    const RegularFile live = RegularFile::read(absolute, kMaxPageBytes);
    if (live.status != RegularFile::Ok && live.status != RegularFile::Missing) {
        plan.reason = live.problem();
        return plan;
    }
    plan.newBytes = backup.bytes;
    if (live.status == RegularFile::Ok && live.bytes == backup.bytes) {
        plan.state = PagePlan::UpToDate;
        return plan;
    }
    plan.oldBytes = live.bytes;
    plan.state = PagePlan::WillChange;
    plan.record = kept.pages.value(relative);
    if (live.status == RegularFile::Ok && SitePages::isReadOnly(absolute)) {
        plan.state = PagePlan::Error;
        plan.reason = QCoreApplication::translate("SiteRestore", "It is read-only, so it was not changed.");
    }
    return plan;
}

} // namespace

namespace SiteRestore {

QList<Run> runs(const QString &siteFolder, const QString &backupFolder)
{
    QList<Run> out;
    QStringList seen;
    const QStringList all = roots(siteFolder, backupFolder);
    for (const QString &root : all) {
        for (const QFileInfo &info :
             QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks)) {
            if (!BackupRuns::isStamp(info.fileName()) || seen.contains(info.fileName()))
                continue;
            Run run;
            run.stamp = info.fileName();
            run.folder = info.absoluteFilePath();
            run.time = QDateTime::fromString(run.stamp.left(15), QStringLiteral("yyyyMMdd-HHmmss"));
            run.pages = keptFiles(info.filePath()).size();
            seen << run.stamp;
            out.append(run);
        }
    }
    std::sort(out.begin(), out.end(),
              [](const Run &a, const Run &b) { return NaturalOrder::less(b.stamp, a.stamp); });
    return out;
}

SitePlan prepare(const QString &siteFolder, const QString &stamp, const QString &backupFolder)
{
    SitePlan out;
    const QFileInfo site(siteFolder);
    out.siteFolder = site.absoluteFilePath();
    if (!site.isDir()) {
        out.error = QCoreApplication::translate("SiteRestore", "The site folder \"%1\" is not a folder.")
                        .arg(QDir::toNativeSeparators(siteFolder));
        return out;
    }
    if (!backupFolder.isEmpty()) {
        out.backupRoot = BackupRuns::root(out.siteFolder, backupFolder, &out.error);
        if (!out.error.isEmpty())
            return out;
    }
    const QString folder = runFolder(out.siteFolder, stamp, backupFolder);
    const QFileInfo run(folder);
    if (stamp.isEmpty() || stamp.contains(u'/') || stamp.contains(u'\\') || stamp.startsWith(u'.')
        || !run.isDir() || run.isSymLink()) {
        out.error =
            QCoreApplication::translate("SiteRestore", "There is no backup \"%1\" in \"%2\".")
                .arg(stamp, QDir::toNativeSeparators(
                                roots(out.siteFolder, backupFolder).join(QStringLiteral("\" or \""))));
        return out;
    }
    const QStringList files = keptFiles(folder);
    if (files.size() > SiteWalk::kMaxPages) {
        out.error = QCoreApplication::translate("SiteRestore", "The backup \"%1\" holds more than %2 files.")
                        .arg(stamp)
                        .arg(SiteWalk::kMaxPages);
        return out;
    }
    const PublishRecord kept = PublishRecord::load(folder, &out.recordNote);
    for (const QString &relative : files)
        out.pages.append(restorePlan(out.siteFolder, folder, relative, kept));
    return out;
}

} // namespace SiteRestore
