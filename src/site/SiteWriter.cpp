#include "site/SiteWriter.h"

#include "platform/AtomicFile.h"
#include "site/SitePages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>


namespace {

// Why a planned page must not be written now; empty when it may.
QString changedSinceRead(const QString &path, const PagePlan &plan)
{
    const FileIdentity now = FileIdentity::of(path);
    if (plan.identity.exists && !now.exists)
        return QStringLiteral("It was removed or renamed after it was read, so it was not written.");
    if (now != plan.identity)
        return QStringLiteral("It changed on disk after it was read, so it was left as it is.");
    if (now.exists && SitePages::isReadOnly(path))
        return QStringLiteral("It is read-only, so it was not changed.");
    return {};
}

QString freshBackupFolder(const QString &site, const QDateTime &now)
{
    const QString base = SitePages::kBackupFolder + u'/' + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString folder = base;
    for (int n = 2; QFileInfo::exists(site + u'/' + folder); ++n)
        folder = base + u'-' + QString::number(n);
    return folder;
}

// Keeps a page's earlier text as a new file of the fresh backup folder (it
// never replaces one). The files are made durable together (syncAll) once
// all are written, before the first page is written: the disk then writes
// them back in one sweep instead of one file at a time.
bool keep(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        *error = QStringLiteral("Could not write \"%1\": %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

// Makes the files (and the folders that name them) durable; false with the reason.
bool syncAll(const QStringList &paths, QString *error)
{
    for (const QString &path : paths) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        const bool ok = fd >= 0 && ::fsync(fd) == 0;
        const int reason = errno;
        if (fd >= 0)
            ::close(fd);
        if (!ok) {
            *error = QStringLiteral("Could not write \"%1\" to disk: %2")
                         .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(reason)));
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
        } else if (page.state == PagePlan::WillChange) {
            result.outcome = PageResult::Skipped;
            result.message = refused ? QStringLiteral("It was not written, because the run failed elsewhere.")
                                     : changedSinceRead(plan.siteFolder + u'/' + page.path, page);
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
    const QString backup = freshBackupFolder(plan.siteFolder, now);
    QString error;
    QStringList kept; // the backup files and their folders, to be made durable
    for (const qsizetype i : std::as_const(toWrite)) {
        const PagePlan &page = plan.pages.at(i);
        if (!page.identity.exists)
            continue;
        const QString path = plan.siteFolder + u'/' + backup + u'/' + page.path;
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            error = QStringLiteral("The folder \"%1\" could not be made.")
                        .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
            break;
        }
        if (!keep(path, page.oldBytes, &error))
            break;
        kept << path;
        for (QString folder = QFileInfo(path).absolutePath(); !kept.contains(folder) && folder.size() >= plan.siteFolder.size();
             folder = QFileInfo(folder).absolutePath())
            kept << folder;
        report.backupFolder = backup;
    }
    if (error.isEmpty())
        syncAll(kept, &error);
    if (!error.isEmpty()) {
        for (const qsizetype i : std::as_const(toWrite)) {
            report.results[i].outcome = PageResult::Failed;
            report.results[i].message =
                QStringLiteral("It was not written, because its earlier text could not be kept. %1").arg(error);
        }
        return report;
    }
    for (const qsizetype i : std::as_const(toWrite)) {
        const PagePlan &page = plan.pages.at(i);
        const QString path = plan.siteFolder + u'/' + page.path;
        PageResult &result = report.results[i];
        result.message = changedSinceRead(path, page);
        if (!result.message.isEmpty()) {
            result.outcome = PageResult::Skipped;
        } else if (!WriteFileAtomically(path, page.newBytes, &result.message)) {
            result.outcome = PageResult::Failed;
        }
    }
    return report;
}

} // namespace SiteWriter
