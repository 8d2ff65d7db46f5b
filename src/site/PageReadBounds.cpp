#include "site/PageReadBounds.h"

#include <QCoreApplication>

BoundedWorker::Result PageReadBounds::run(const std::function<QByteArray(bool inWorker)> &job) const
{
    if (isolation == InProcess) {
        BoundedWorker::Result result;
        result.outcome = BoundedWorker::Finished;
        result.output = job(false);
        return result;
    }
    BoundedWorker::Limits limits;
    limits.cpuSeconds = seconds;
    limits.wallSeconds = seconds + 1;
    limits.memoryBytes = memoryBytes;
    limits.confined = true; // the parser reads hostile pages
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
