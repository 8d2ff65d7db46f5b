#pragma once

#include "platform/BoundedWorker.h"
#include "platform/WarmWorker.h"

#include <QByteArray>
#include <QString>

#include <functional>

// The bounds of reading pages: where the parser runs (a worker process, or
// here for the fuzzer), and the processor time and memory it may take. The
// import, publishing and the site reader take one of these.
struct PageReadBounds {
    enum Isolation {
        Worker,   // the program: any page, bounded
        InProcess // the fuzzer, whose inputs are small; no bound
    };
    Isolation isolation = Worker;
    // The processor time of the worker; the clock gets kClockFactor times as much.
    int seconds = 8;
    static constexpr int kClockFactor = 3;
    qint64 memoryBytes = 1024LL * 1024 * 1024; // beyond what the program holds
    // Called every few tens of milliseconds while the worker reads; false cancels.
    std::function<bool()> keepGoing;
    // Whether a job that can be handed over as a plain function reads in the
    // worker kept warm from one read to the next (WarmWorker); otherwise in a
    // worker forked for it.
    bool warm = true;

    // Runs a page reader's job as these bounds say: in a worker bounded in
    // processor time, clock time and memory, whose answer is the bytes the
    // job returns, or here (InProcess) with no bound. `inWorker` tells the
    // job which (in the worker the parser may take an arena; see ParseArena).
    BoundedWorker::Result run(const std::function<QByteArray(bool inWorker)> &job) const;
    // The same job as `serve` answering a request of `size` bytes that
    // `write` makes (WarmWorker::call), which the warm worker runs when `warm`
    // is set and it is free; else `job` runs as above.
    BoundedWorker::Result run(const std::function<QByteArray(bool inWorker)> &job, WarmWorker::Serve serve,
                              qint64 size, const std::function<void(char *into)> &write) const;

    // Why a worker that did not finish read no page, as a sentence
    // ("It is too complex to read: ...").
    QString failureText(const BoundedWorker::Result &result) const;
};
