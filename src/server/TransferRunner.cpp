#include "server/TransferRunner.h"

#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"
#include "server/ServerPath.h"
#include "server/ServerTransport.h"
#include "server/TransferRecord.h"
#include "site/SitePages.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSet>

namespace {

constexpr quint32 kNewFilePermissions = 0644;

class Run {
public:
    Run(ServerTransport &t, const TransferPlan &plan, TransferRecord *record,
        const TransferRunner::Options &o)
        : m_t(t), m_plan(plan), m_record(record), m_options(o)
    {
    }

    // Moves one file; false with `message` set (Skipped or Failed by `skipped`).
    bool upload(const TransferItem &item, QString *message, bool *skipped, qint64 *bytes);
    bool download(const TransferItem &item, QString *message, bool *skipped, qint64 *bytes);

private:
    bool makeFolders(const QString &folder);
    bool sameAsPlanned(const TransferItem &item, const QString &path, QString *message, bool *skipped);

    ServerTransport &m_t;
    const TransferPlan &m_plan;
    TransferRecord *m_record;
    const TransferRunner::Options &m_options;
    QSet<QString> m_folders; // made or found in this run
};

bool Run::makeFolders(const QString &folder)
{
    if (m_folders.contains(folder) || folder == m_plan.serverFolder || folder == u"/")
        return true;
    ServerEntry entry;
    bool missing = false;
    if (!m_t.stat(folder, &entry, &missing))
        return false;
    if (missing && (!makeFolders(ServerPath::folderOf(folder)) || !m_t.makeFolder(folder)))
        return false;
    m_folders.insert(folder);
    return true;
}

// Whether the server file is still what the plan saw.
bool Run::sameAsPlanned(const TransferItem &item, const QString &path, QString *message, bool *skipped)
{
    ServerEntry now;
    bool missing = false;
    if (!m_t.stat(path, &now, &missing)) {
        *message = m_t.error();
        return false;
    }
    bool changed = missing != !item.onServer
                   || (!missing
                       && (now.size != item.server.size || now.mtime != item.server.mtime
                           || now.tag != item.server.tag));
    // A change within the second of its time leaves the entry as it was;
    // a copy about to be replaced is compared by its bytes then.
    if (!changed && !missing && item.racy && !item.serverHash.isEmpty()
        && m_plan.direction == TransferPlan::Upload) {
        QByteArray bytes;
        if (!m_t.read(path, m_options.maxFileBytes, &bytes)) {
            *message = m_t.error();
            return false;
        }
        changed = TransferRecord::hash(bytes) != item.serverHash;
    }
    if (changed) {
        *skipped = true;
        *message = QCoreApplication::translate(
            "TransferRunner", "It changed on the server while this run was under way; it is left as it is.");
        return false;
    }
    return true;
}

bool Run::upload(const TransferItem &item, QString *message, bool *skipped, qint64 *bytes)
{
    const RegularFile local = RegularFile::read(m_plan.siteFolder + u'/' + item.path, m_options.maxFileBytes);
    if (local.status != RegularFile::Ok) {
        *message = local.problem();
        return false;
    }
    const QByteArray hash = TransferRecord::hash(local.bytes);
    if (hash != item.localHash) {
        *skipped = true;
        *message = QCoreApplication::translate(
            "TransferRunner", "It changed here while this run was under way; it is left as it is.");
        return false;
    }
    const QString target = ServerPath::under(m_plan.serverFolder, item.path);
    const QString folder = ServerPath::folderOf(target);
    const QString name = target.section(u'/', -1);
    const QString fresh = ServerPath::under(folder, ServerPath::newName(name));
    const QString aside = ServerPath::under(folder, ServerPath::oldName(name));
    const quint32 permissions =
        item.onServer && item.server.permissions ? item.server.permissions : kNewFilePermissions;
    if (!makeFolders(folder)) {
        *message = m_t.error();
        return false;
    }
    if (!m_t.write(fresh, local.bytes, permissions)) {
        *message = m_t.error();
        // A part written (a full disk) would hold the room the other files need.
        if (m_t.connected())
            m_t.remove(fresh);
        return false;
    }
    if (!sameAsPlanned(item, target, message, skipped)) {
        if (m_t.connected())
            m_t.remove(fresh);
        return false;
    }
    // The new file takes the old one's place in one rename where the
    // protocol can (WebDAV's MOVE); else the old file steps aside, the new
    // one takes its name, the old one goes.
    const bool placed = item.onServer && !m_t.renameReplaces()
                            ? m_t.rename(target, aside) && m_t.rename(fresh, target) && m_t.remove(aside)
                            : m_t.rename(fresh, target);
    ServerEntry now;
    bool missing = false;
    if (!placed || !m_t.stat(target, &now, &missing) || missing) {
        *message = m_t.error();
        return false;
    }
    // Taken within the second it was written in: verified by the next plan.
    m_record->files.insert(item.path, {local.bytes.size(), hash, now.mtime, now.tag, true});
    *bytes = local.bytes.size();
    return true;
}

bool Run::download(const TransferItem &item, QString *message, bool *skipped, qint64 *bytes)
{
    const QString source = ServerPath::under(m_plan.serverFolder, item.path);
    if (!sameAsPlanned(item, source, message, skipped))
        return false;
    QByteArray content = item.serverBytes;
    if (content.isEmpty() && item.server.size > 0 && !m_t.read(source, m_options.maxFileBytes, &content)) {
        *message = m_t.error();
        return false;
    }
    const QString localPath = m_plan.siteFolder + u'/' + item.path;
    const RegularFile local = RegularFile::read(localPath, m_options.maxFileBytes);
    const bool exists = local.status == RegularFile::Ok;
    if (exists != item.localExists || (exists && TransferRecord::hash(local.bytes) != item.localHash)) {
        *skipped = true;
        *message = QCoreApplication::translate(
            "TransferRunner", "It changed here while this run was under way; it is left as it is.");
        return false;
    }
    if (!QDir().mkpath(QFileInfo(localPath).path())) {
        *message =
            QCoreApplication::translate("TransferRunner", "Its folder could not be made in the site folder.");
        return false;
    }
    // A folder or file that is a link leading out of the site is not written through.
    QString inside;
    if (!SitePages::contains(m_plan.siteFolder, localPath, &inside)) {
        *message =
            QCoreApplication::translate("TransferRunner", "It would be written outside the site folder.");
        return false;
    }
    if (!WriteFileAtomically(localPath, content, message))
        return false;
    m_record->files.insert(item.path, {content.size(), TransferRecord::hash(content), item.server.mtime,
                                       item.server.tag, item.racy});
    *bytes = content.size();
    return true;
}

} // namespace

QString TransferResult::outcomeText(Outcome outcome, TransferPlan::Direction direction)
{
    const bool up = direction == TransferPlan::Upload;
    switch (outcome) {
    case Moved:
        return up ? QCoreApplication::translate("TransferRunner", "uploaded")
                  : QCoreApplication::translate("TransferRunner", "downloaded");
    case Skipped:
        return QCoreApplication::translate("TransferRunner", "skipped");
    case Failed:
        return QCoreApplication::translate("TransferRunner", "failed");
    case NotMoved:
        break;
    }
    return up ? QCoreApplication::translate("TransferRunner", "not uploaded")
              : QCoreApplication::translate("TransferRunner", "not downloaded");
}

bool TransferReport::failed() const
{
    if (!error.isEmpty())
        return true;
    for (const TransferResult &r : results) {
        if (r.outcome != TransferResult::Moved)
            return true;
    }
    return false;
}

namespace TransferRunner {

TransferReport run(ServerTransport &transport, const TransferPlan &plan, TransferRecord *record,
                   const Options &options)
{
    TransferReport report;
    Run run(transport, plan, record, options);
    // The record is written at most once a second and at the end: a file
    // that arrived but was not recorded yet is found equal by the next run
    // and recorded then.
    QElapsedTimer sinceSave;
    sinceSave.start();
    bool unsaved = false;
    const auto save = [&] {
        QString error;
        if (unsaved && !record->save(plan.siteFolder, &error) && report.error.isEmpty())
            report.error = error;
        unsaved = false;
        sinceSave.restart();
    };
    for (const TransferItem &item : plan.items) {
        if (!item.moves())
            continue;
        TransferResult result;
        result.path = item.path;
        if (!report.error.isEmpty() || report.cancelled) {
            report.results.append(result);
            continue;
        }
        if (options.cancel && options.cancel->load()) {
            report.cancelled = true;
            report.results.append(result);
            continue;
        }
        bool skipped = false;
        qint64 bytes = 0;
        const bool moved = plan.direction == TransferPlan::Upload
                               ? run.upload(item, &result.message, &skipped, &bytes)
                               : run.download(item, &result.message, &skipped, &bytes);
        result.outcome = moved     ? TransferResult::Moved
                         : skipped ? TransferResult::Skipped
                                   : TransferResult::Failed;
        report.results.append(result);
        if (moved) {
            ++report.filesMoved;
            report.bytesMoved += bytes;
            unsaved = true;
            if (sinceSave.elapsed() >= 1000)
                save();
            if (options.progress)
                options.progress(report.filesMoved, report.bytesMoved);
        } else if (!transport.connected()) {
            report.error = result.message;
        }
    }
    save();
    return report;
}

} // namespace TransferRunner
