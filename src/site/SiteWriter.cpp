#include "site/SiteWriter.h"

#include "platform/AtomicFile.h"
#include "platform/FileName.h"
#include "platform/InFlight.h"
#include "platform/RegularFile.h"
#include "site/BackupRuns.h"
#include "site/PublishRecord.h"
#include "site/SitePages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

// Why a planned page must not be written now (its file is no longer the one
// read, as `read` and `bytes` describe it); empty when it may. A change of
// the file's times or size tells at once; where they are the same, its
// bytes are compared all the same: an edit in place that keeps the size and
// sets the modification time back, or falls in the change time's coarse
// tick, shows in the bytes alone.
QString changedSinceRead(const QString &path, const FileIdentity &read, const QByteArray &bytes)
{
    const FileIdentity now = FileIdentity::of(path);
    if (read.exists && !now.exists)
        return QCoreApplication::translate(
            "SiteWriter", "It was removed or renamed after it was read, so it was not written.");
    const QString changed = QCoreApplication::translate(
        "SiteWriter", "It changed on disk after it was read, so it was left as it is.");
    if (now != read)
        return changed;
    if (now.exists) {
        const RegularFile file = RegularFile::read(path, bytes.size() + 1);
        if (file.status != RegularFile::Ok || file.bytes != bytes)
            return changed;
    }
    if (now.exists && SitePages::isReadOnly(path))
        return QCoreApplication::translate("SiteWriter", "It is read-only, so it was not changed.");
    return {};
}

// A new run's folder in the backup root (absolute).
QString freshBackupFolder(const QString &root, const QDateTime &now)
{
    const QString base = root + u'/' + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString folder = base;
    for (int n = 2; QFileInfo::exists(folder); ++n)
        folder = base + u'-' + QString::number(n);
    return folder;
}

// Removes a file that the plan takes away (checked just before, as a page is).
bool removeFile(const QString &path, QString *error)
{
    if (::unlink(FileName::encode(path).constData()) == 0 || errno == ENOENT)
        return true;
    const int reason = errno;
    *error = QCoreApplication::translate("SiteWriter", "Could not remove \"%1\": %2")
                 .arg(QDir::toNativeSeparators(FileName::shown(path)),
                      QString::fromLocal8Bit(std::strerror(reason)));
    return false;
}

// Keeps a page's earlier text, as it was read, in a new file of the fresh
// backup folder (never replacing a file there). It is a copy of its own, not
// a second name of the page's file: a page that a stopped run never wrote,
// or that is edited in place later, must not change its backup with it. The
// files and folders are made durable together (syncAll) before the first
// page is written.
bool keep(const QString &path, const QByteArray &bytes, QString *error)
{
    const int fd = ::open(FileName::encode(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    int reason = fd < 0 ? errno : 0;
    for (qsizetype done = 0; reason == 0 && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno != EINTR)
            reason = errno;
        done += n > 0 ? n : 0;
    }
    if (fd >= 0 && ::close(fd) != 0 && reason == 0 && errno != EINTR)
        reason = errno;
    if (reason != 0) {
        *error = QCoreApplication::translate("SiteWriter", "Could not write \"%1\": %2")
                     .arg(QDir::toNativeSeparators(FileName::shown(path)),
                          QString::fromLocal8Bit(std::strerror(reason)));
        return false;
    }
    return true;
}

// Puts what the written pages hold into the site's publishing record, read
// again now (another run may have changed it since); false with the reason.
// `files`: each written page's file as its write left it (AtomicFileWriter::
// committed), kept beside the page's hash only when that hash is of the
// bytes written (a restored page's entry may be of others).
bool updateRecord(const SitePlan &plan, const SiteWriteReport &report, const std::vector<FileIdentity> &files,
                  QString *error)
{
    bool any = false;
    for (qsizetype i = 0; i < report.results.size(); ++i)
        any = any || (report.results.at(i).outcome == PageResult::Written && plan.pages.at(i).record);
    if (!any)
        return true;
    QString ignored; // a damaged record was reported when the run was prepared; it is replaced
    PublishRecord record = PublishRecord::load(plan.siteFolder, &ignored);
    const PublishRecord before = record;
    for (qsizetype i = 0; i < report.results.size(); ++i) {
        const PagePlan &page = plan.pages.at(i);
        if (report.results.at(i).outcome != PageResult::Written || !page.record)
            continue;
        if (page.record->menus.isEmpty()) {
            record.pages.remove(page.path);
            continue;
        }
        PublishRecord::Page entry = *page.record;
        const FileIdentity &file = files[size_t(i)];
        entry.file = file.exists && !entry.pageHash.isEmpty()
                             && entry.pageHash == PublishRecord::pageHash(page.newBytes)
                         ? file
                         : FileIdentity();
        record.pages.insert(page.path, entry);
    }
    // Kept as it is when it says the same (a damaged one was read as empty, and is replaced).
    return (record == before && ignored.isEmpty()) || record.save(plan.siteFolder, error);
}

// Files written at once: each write waits mostly for the disk, and the disk
// takes several flushes at once about as fast as one.
constexpr qsizetype kInFlight = 8;

// Makes the files (and the folders that name them) durable; false with the
// reason (of the first file in order that failed).
bool syncAll(const QStringList &paths, QString *error)
{
    std::vector<int> reasons(size_t(paths.size()), 0);
    InFlight::forEach(paths.size(), kInFlight, [&](qsizetype i) {
        const int fd = ::open(FileName::encode(paths.at(i)).constData(), O_RDONLY | O_CLOEXEC);
        const bool ok = fd >= 0 && ::fsync(fd) == 0;
        reasons[size_t(i)] = ok ? 0 : errno;
        if (fd >= 0)
            ::close(fd);
    });
    for (qsizetype i = 0; i < paths.size(); ++i) {
        if (const int reason = reasons[size_t(i)]; reason != 0) {
            *error = QCoreApplication::translate("SiteWriter", "Could not write \"%1\" to disk: %2")
                         .arg(QDir::toNativeSeparators(FileName::shown(paths.at(i))),
                              QString::fromLocal8Bit(std::strerror(reason)));
            return false;
        }
    }
    return true;
}

} // namespace

namespace SiteWriter {

SiteWriteReport write(const SitePlan &plan, const QDateTime &now)
{
    SiteWriteReport report;
    const bool refused = plan.failed();
    QList<qsizetype> toWrite;
    for (const PagePlan &page : plan.pages) {
        PageResult result{page.path, PageResult::Unchanged, {}};
        if (page.state == PagePlan::Error) {
            result.outcome = PageResult::Failed;
            result.message = page.reason;
        } else if (page.state == PagePlan::EditedByHand && !page.replaceEdits) {
            result.outcome = PageResult::Skipped;
            result.message = QCoreApplication::translate(
                "SiteWriter", "Its menu was edited by hand, so it was left as it is.");
        } else if (page.state == PagePlan::WillChange || page.state == PagePlan::EditedByHand) {
            result.outcome = PageResult::Skipped;
            result.message =
                refused ? QCoreApplication::translate("SiteWriter",
                                                      "It was not written, because the run failed elsewhere.")
                        : changedSinceRead(plan.siteFolder + u'/' + page.path, page.identity, page.oldBytes);
            if (result.message.isEmpty()) {
                result.outcome = PageResult::Written;
                toWrite.append(report.results.size());
            }
        }
        report.results.append(result);
    }
    if (toWrite.isEmpty())
        return report;
    // The earlier texts first: without them no page is touched.
    const QString root =
        plan.backupRoot.isEmpty() ? plan.siteFolder + u'/' + SitePages::kBackupFolder : plan.backupRoot;
    const QString backup = freshBackupFolder(root, now);
    const QString rootParent = QFileInfo(root).absolutePath();
    QString error;
    QStringList kept; // the backup files and their folders, to be made durable
    QSet<QString> keptFolders;
    for (const qsizetype i : std::as_const(toWrite)) {
        const PagePlan &page = plan.pages.at(i);
        if (!page.identity.exists)
            continue;
        const QString path = backup + u'/' + page.path;
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            error = QCoreApplication::translate("SiteWriter", "The folder \"%1\" could not be made.")
                        .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
            break;
        }
        if (!keep(path, page.oldBytes, &error))
            break;
        kept << path;
        for (QString folder = QFileInfo(path).absolutePath();
             !keptFolders.contains(folder) && folder.size() >= rootParent.size();
             folder = QFileInfo(folder).absolutePath()) {
            keptFolders.insert(folder);
            kept << folder;
        }
        // Relative to the site when it is the site's own backup folder.
        report.backupFolder =
            plan.backupRoot.isEmpty() ? QDir(plan.siteFolder).relativeFilePath(backup) : backup;
    }
    // The record as it was, beside the pages, so that a restore of them can put their entries back.
    if (error.isEmpty() && !report.backupFolder.isEmpty()) {
        const RegularFile record =
            RegularFile::read(PublishRecord::path(plan.siteFolder), PublishRecord::kMaxBytes);
        const QString path = PublishRecord::path(backup);
        if (record.status == RegularFile::Ok && keep(path, record.bytes, &error))
            kept << path;
    }
    if (error.isEmpty())
        syncAll(kept, &error);
    if (!error.isEmpty()) {
        for (const qsizetype i : std::as_const(toWrite)) {
            report.results[i].outcome = PageResult::Failed;
            report.results[i].message =
                QCoreApplication::translate(
                    "SiteWriter", "It was not written, because its earlier text could not be kept. %1")
                    .arg(error);
        }
        return report;
    }
    // Each page on its own: checked again just before, then written atomically.
    PageResult *results = report.results.data();
    std::vector<FileIdentity> files(size_t(report.results.size()));
    InFlight::forEach(toWrite.size(), kInFlight, [&](qsizetype n) {
        const qsizetype i = toWrite.at(n);
        const PagePlan &page = plan.pages.at(i);
        const QString path = plan.siteFolder + u'/' + page.path;
        PageResult &result = results[i];
        result.message = changedSinceRead(path, page.identity, page.oldBytes);
        if (!result.message.isEmpty()) {
            result.outcome = PageResult::Skipped;
        } else if (page.remove
                       ? !removeFile(path, &result.message)
                       : !WriteFileAtomically(path, page.newBytes, &result.message, WriteMode::Replace,
                                              OwnerRule::Required, &files[size_t(i)])) {
            result.outcome = PageResult::Failed;
        } else if (page.remove) {
            result.message = QCoreApplication::translate("SiteWriter", "It was removed.");
        }
    });
    QString recordError;
    if (!updateRecord(plan, report, files, &recordError))
        report.note = QCoreApplication::translate(
                          "SiteWriter", "The record of what was written was not kept: %1 The next run "
                                        "may take Quillnav's own regions for edits by hand.")
                          .arg(recordError);
    // Backups do not pile up: after a run that went through, only the newest are kept.
    if (!report.failed() && !report.backupFolder.isEmpty())
        BackupRuns::prune(root, QFileInfo(backup).fileName());
    return report;
}

} // namespace SiteWriter
