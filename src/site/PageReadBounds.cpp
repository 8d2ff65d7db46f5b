#include "site/PageReadBounds.h"

#include <QCoreApplication>

namespace {

BoundedWorker::Limits limitsOf(const PageReadBounds &bounds)
{
    BoundedWorker::Limits limits;
    // A page's cost is the worker's processor time: on a loaded machine a
    // page that takes one second of it may take several by the clock, and was
    // refused. The clock only ends a worker that waits instead of reading
    // (which a confined parse cannot, short of a lock left held at the fork),
    // so its bound leaves room for a machine shared three ways.
    limits.cpuSeconds = bounds.seconds;
    limits.wallSeconds = bounds.seconds * PageReadBounds::kClockFactor;
    limits.memoryBytes = bounds.memoryBytes;
    limits.confined = true; // the parser reads hostile pages
    return limits;
}

} // namespace

BoundedWorker::Result PageReadBounds::run(const std::function<QByteArray(bool inWorker)> &job,
                                          WarmWorker::Serve serve, qint64 size,
                                          const std::function<void(char *into)> &write) const
{
    BoundedWorker::Result result;
    if (isolation == Worker && warm
        && WarmWorker::call(serve, size, write, limitsOf(*this), keepGoing, &result))
        return result;
    return run(job);
}

BoundedWorker::Result PageReadBounds::run(const std::function<QByteArray(bool inWorker)> &job) const
{
    if (isolation == InProcess) {
        BoundedWorker::Result result;
        result.outcome = BoundedWorker::Finished;
        result.output = job(false);
        return result;
    }
    const BoundedWorker::Limits limits = limitsOf(*this);
    return BoundedWorker::run(
        [&job](int fd) {
            const QByteArray answer = job(true);
            return BoundedWorker::writeAll(fd, answer.constData(), answer.size()) ? 0 : 1;
        },
        limits, keepGoing);
}

QString PageReadBounds::failureText(const BoundedWorker::Result &result) const
{
    switch (result.outcome) {
    case BoundedWorker::TimeLimit:
        return QCoreApplication::translate(
                   "PageImport", "It is too complex to read: reading it takes more than %1 seconds.")
            .arg(seconds);
    case BoundedWorker::MemoryLimit:
        return QCoreApplication::translate(
                   "PageImport", "It is too complex to read: reading it takes more than %1 MiB of memory.")
            .arg(memoryBytes / (1024 * 1024));
    case BoundedWorker::Cancelled:
        return QCoreApplication::translate("PageImport", "Reading it was cancelled.");
    default:
        return QCoreApplication::translate("PageImport", "Its reader failed (%1).").arg(result.reason);
    }
}
