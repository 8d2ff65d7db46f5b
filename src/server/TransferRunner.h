#pragma once

#include "server/TransferPlan.h"

#include <QList>
#include <QString>

#include <atomic>
#include <functional>

class ServerTransport;
struct TransferRecord;

// What became of one file of a run.
struct TransferResult {
    enum Outcome { Moved, Skipped, Failed, NotMoved };
    QString path;
    Outcome outcome = NotMoved;
    QString message; // Skipped, Failed: why

    // "uploaded"/"downloaded", "skipped", "failed", "not uploaded"/"not downloaded".
    static QString outcomeText(Outcome outcome, TransferPlan::Direction direction);
};

struct TransferReport {
    QList<TransferResult> results; // the files that were to move, in the plan's order
    QString error;                 // the run stopped: the connection, or the record not written
    bool cancelled = false;
    qsizetype filesMoved = 0;
    qint64 bytesMoved = 0;

    bool failed() const;
};

// Moves the files a plan says move, one after the other, and records each
// in the transfer record (saved at least once a second and at the end). On the server a file is
// written under a temporary name in its own folder, then takes its name:
// where one stood, the old file is first moved to a second temporary name
// and removed once the new one is in place, so that a run stopped at any
// point (connection lost, killed, cancelled) leaves every server file old
// or new, never cut, and the next run tidies the temporaries
// (TransferPlanner). An existing file keeps its permissions. Just before a
// file takes its place, its target is checked again: one that changed
// since planning is skipped, never overwritten unseen (by its bytes where
// its entry cannot tell: TransferItem::racy). Downloads replace
// local files atomically (AtomicFile). Free of windows; runs on any thread.
namespace TransferRunner {

struct Options {
    const std::atomic_bool *cancel = nullptr; // checked between files
    // After each file: the files and bytes moved so far.
    std::function<void(qsizetype files, qint64 bytes)> progress;
    qint64 maxFileBytes = 64LL * 1024 * 1024;
};

TransferReport run(ServerTransport &transport, const TransferPlan &plan, TransferRecord *record,
                   const Options &options = {});

} // namespace TransferRunner
