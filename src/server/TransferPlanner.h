#pragma once

#include "server/TransferPlan.h"

#include <QStringList>

class ServerTransport;
struct TransferRecord;

// The one planner of uploads and downloads, for the command line and the
// window alike: it lists each server folder once, reads the local files and,
// against the record of the last transfers, finds each file's state. It
// never decides to overwrite a copy that changed unseen: such files are
// left to the user (TransferItem::overwrite). Files present on both sides
// with no record are compared by their contents, and equal ones are added
// to `record`; so are those whose record entry is marked `verify`, and the
// mark goes once that is sound (the caller saves the record when
// plan.recordChanged). Free of windows; runs on any thread.
namespace TransferPlanner {

struct Options {
    // Tidy the temporaries an interrupted run left (off for a dry run,
    // which changes nothing on the server).
    bool tidy = true;
    qint64 maxFileBytes = 64LL * 1024 * 1024;
};

// `paths`: relative to the site folder, '/' between names.
TransferPlan plan(ServerTransport &transport, TransferPlan::Direction direction, const QString &siteFolder,
                  const QString &serverFolder, const QStringList &paths, TransferRecord *record,
                  const Options &options = {});

} // namespace TransferPlanner
