#include "server/TransferPlanner.h"

#include "platform/FileName.h"
#include "platform/RegularFile.h"
#include "server/ServerPath.h"
#include "server/TransferRecord.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QSet>

namespace {

using Listing = QHash<QString, ServerEntry>;

// Puts back what an interrupted run left in one folder: an old file moved
// aside whose target is gone takes its name again (the new one never
// arrived), every other temporary is removed. Without `tidy`, only notes
// them and lists a moved-aside file under its target's name.
bool tidyFolder(ServerTransport &t, const QString &folder, QList<ServerEntry> *entries, bool tidy,
                QStringList *leftovers)
{
    QSet<QString> names;
    for (const ServerEntry &e : std::as_const(*entries))
        names.insert(e.name);
    bool changed = false;
    QList<ServerEntry> restored;
    for (const ServerEntry &e : std::as_const(*entries)) {
        QString target;
        bool old = false;
        if (!ServerPath::isTemporary(e.name, &target, &old) || !e.regular)
            continue;
        const QString path = ServerPath::under(folder, e.name);
        leftovers->append(path);
        const bool putBack = old && !names.contains(target);
        if (!tidy) {
            if (putBack) {
                ServerEntry as = e;
                as.name = target;
                restored.append(as);
            }
            continue;
        }
        if (!(putBack ? t.rename(path, ServerPath::under(folder, target)) : t.remove(path)))
            return false;
        names.insert(target);
        changed = true;
    }
    entries->append(restored);
    if (changed) {
        bool missing = false;
        return t.list(folder, entries, &missing);
    }
    return true;
}

bool sameEntry(const ServerEntry &e, const TransferRecord::File &last)
{
    return e.size == last.size && e.mtime == last.mtime && e.tag == last.tag;
}

// `changedUnseen`: the server's bytes differ from the record's though its entry does not.
void decide(TransferItem *item, TransferPlan::Direction direction, const TransferRecord::File *last,
            bool changedUnseen)
{
    using S = TransferItem;
    if (direction == TransferPlan::Upload ? !item->onServer : !item->localExists) {
        // Nothing on the other side to overwrite.
        item->state = S::WillTransfer;
        if (direction == TransferPlan::Upload && last)
            item->state = item->localHash == last->hash ? S::ChangedOnServer : S::WillTransfer;
        return;
    }
    if (!last)
        return; // compared by content by the caller
    const bool here = !item->localExists || item->localHash != last->hash;
    const bool there = !item->onServer || !sameEntry(item->server, *last) || changedUnseen;
    if (here && there)
        item->state = S::ChangedOnBoth;
    else if (direction == TransferPlan::Upload)
        item->state = there ? S::ChangedOnServer : here ? S::WillTransfer : S::UpToDate;
    else
        item->state = here ? S::ChangedHere : there ? S::WillTransfer : S::UpToDate;
}

} // namespace

namespace TransferPlanner {

TransferPlan plan(ServerTransport &t, TransferPlan::Direction direction, const QString &siteFolder,
                  const QString &serverFolder, const QStringList &paths, TransferRecord *record,
                  const Options &options)
{
    // Before any listing: what the record holds was seen on the server earlier still.
    const qint64 started = QDateTime::currentMSecsSinceEpoch();
    TransferPlan plan;
    plan.direction = direction;
    plan.siteFolder = siteFolder;
    plan.serverFolder = serverFolder;
    QMap<QString, QList<qsizetype>> byFolder;
    bool serverFolderChecked = false;
    for (const QString &path : paths) {
        TransferItem item;
        item.path = path;
        if (path.isEmpty() || !ServerPath::isSafeRelative(path)) {
            item.reason = QCoreApplication::translate(
                "TransferPlanner",
                "Its name cannot be used on a server (an empty, \".\" or \"..\" name, or one "
                "too long).");
            plan.items.append(item);
            continue;
        }
        plan.items.append(item);
        byFolder[path.contains(u'/') ? path.section(u'/', 0, -2) : QString()].append(plan.items.size() - 1);
    }
    for (auto folder = byFolder.begin(); folder != byFolder.end(); ++folder) {
        const QString serverDir =
            folder.key().isEmpty() ? serverFolder : ServerPath::under(serverFolder, folder.key());
        QList<ServerEntry> entries;
        bool missing = false;
        bool listed = t.list(serverDir, &entries, &missing)
                      && tidyFolder(t, serverDir, &entries, options.tidy, &plan.leftovers);
        if (!listed && !t.connected()) {
            plan.error = t.error();
            return plan;
        }
        // Folders below are made as needed; the server folder itself must be there.
        if (listed && missing && !serverFolderChecked) {
            ServerEntry top;
            bool topMissing = false;
            serverFolderChecked = true;
            if (!t.stat(serverFolder, &top, &topMissing)) {
                plan.error = t.error();
                return plan;
            }
            if (topMissing) {
                plan.error = QCoreApplication::translate(
                                 "TransferPlanner", "The server folder \"%1\" does not exist; make it on "
                                                    "the server first, or correct the address.")
                                 .arg(FileName::shown(serverFolder));
                return plan;
            }
        }
        Listing listing;
        for (const ServerEntry &e : std::as_const(entries))
            listing.insert(e.name, e);
        for (const qsizetype index : folder.value()) {
            TransferItem &item = plan.items[index];
            if (!listed) {
                item.reason = t.error();
                continue;
            }
            const RegularFile local = RegularFile::read(siteFolder + u'/' + item.path, options.maxFileBytes);
            if (local.status != RegularFile::Ok && local.status != RegularFile::Missing) {
                item.reason = local.problem();
                continue;
            }
            item.localExists = local.status == RegularFile::Ok;
            if (item.localExists)
                item.localHash = TransferRecord::hash(local.bytes);
            const QString name = item.path.section(u'/', -1);
            item.onServer = listing.contains(name);
            item.server = listing.value(name);
            if (item.onServer && !item.server.regular) {
                item.reason = QCoreApplication::translate(
                    "TransferPlanner",
                    "On the server it is not a plain file (a folder or a link); it is left as "
                    "it is.");
                continue;
            }
            if (direction == TransferPlan::Upload && !item.localExists) {
                item.reason = local.problem();
                continue;
            }
            if (direction == TransferPlan::Download && !item.onServer) {
                plan.notOnServer.append(item.path);
                item.state = TransferItem::UpToDate; // dropped below
                item.path.clear();
                continue;
            }
            const auto readServer = [&] {
                if (t.read(ServerPath::under(serverFolder, item.path), options.maxFileBytes,
                           &item.serverBytes)) {
                    item.serverHash = TransferRecord::hash(item.serverBytes);
                    return true;
                }
                if (!t.connected())
                    plan.error = t.error();
                item.state = TransferItem::Error;
                item.reason = t.error();
                return false;
            };
            const auto last = record->files.find(item.path);
            const bool recorded = last != record->files.end();
            const bool sameAsRecorded = recorded && item.onServer && sameEntry(item.server, *last);
            // An entry taken within the second of its time tells nothing of
            // a change made later in that second: its bytes do. Once read
            // after that second, the record's hash holds until the entry changes.
            bool changedUnseen = false;
            if (sameAsRecorded && last->verify) {
                if (!readServer()) {
                    if (!plan.error.isEmpty())
                        return plan;
                    continue;
                }
                changedUnseen = item.serverHash != last->hash;
                if (!changedUnseen)
                    item.serverBytes.clear(); // as recorded: not kept (a window fetches it to show it)
                if (!changedUnseen && record->settled(started)) {
                    last->verify = false;
                    plan.recordChanged = true;
                }
            }
            if (sameAsRecorded && !changedUnseen) {
                item.serverHash = last->hash;
                item.racy = last->verify;
            } else {
                item.racy = item.onServer;
            }
            decide(&item, direction, recorded ? &*last : nullptr, changedUnseen);
            // Both sides hold it and no transfer is recorded, or both changed
            // to the same size (a run stopped before it recorded what it
            // sent): compare the contents.
            const bool unknown = item.state == TransferItem::Error && !recorded;
            const bool both = item.state == TransferItem::ChangedOnBoth && item.onServer && item.localExists
                              && item.server.size == local.bytes.size();
            if (!unknown && !both)
                continue;
            if (item.serverHash.isEmpty() && !readServer()) {
                if (!plan.error.isEmpty())
                    return plan;
                continue;
            }
            if (item.serverHash == item.localHash) {
                item.state = TransferItem::UpToDate;
                // Its time is not known to be over: verified again next time.
                record->files.insert(
                    item.path, {item.server.size, item.serverHash, item.server.mtime, item.server.tag, true});
                plan.recordChanged = true;
            } else {
                item.state = TransferItem::ChangedOnBoth;
            }
        }
    }
    plan.items.removeIf([](const TransferItem &i) { return i.path.isEmpty(); });
    return plan;
}

} // namespace TransferPlanner

QString TransferPlan::stateText(TransferItem::State state, Direction direction)
{
    switch (state) {
    case TransferItem::WillTransfer:
        return direction == Upload ? QCoreApplication::translate("TransferPlanner", "will upload")
                                   : QCoreApplication::translate("TransferPlanner", "will download");
    case TransferItem::UpToDate:
        return QCoreApplication::translate("TransferPlanner", "up to date");
    case TransferItem::ChangedOnServer:
        return QCoreApplication::translate("TransferPlanner", "changed on the server");
    case TransferItem::ChangedHere:
        return QCoreApplication::translate("TransferPlanner", "changed here");
    case TransferItem::ChangedOnBoth:
        return QCoreApplication::translate("TransferPlanner", "changed on both");
    case TransferItem::Error:
        break;
    }
    return QCoreApplication::translate("TransferPlanner", "error");
}
