// Publishing a menu into 1,000 pages of 20 KB (every page changes: the menu's
// item texts differ from run to run; the backups are kept as the program
// keeps them), beside the floor: reading the same pages and writing their
// bytes back in place with fsync, one page after the other. The goal is
// publishing within 3x the floor. Also runs in which every page is already up
// to date (nothing is written), beside reading the pages alone, in turn, five
// of each: the goal is at most the reading's time.
#include "BenchTiming.h"
#include "site/SitePublisher.h"
#include "site/SiteWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kPages = 1000;
constexpr int kPageBytes = 20 * 1024;

QByteArray page(int n)
{
    QByteArray text =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n  <meta charset=\"utf-8\">\n  <title>Page "
        + QByteArray::number(n)
        + "</title>\n</head>\n<body>\n  <nav>\n    <!-- quillnav site -->\n  </nav>\n";
    while (text.size() < kPageBytes - 40)
        text += "  <p>Some text of the page, <a href=\"other.html\">a link</a> and more words.</p>\n";
    return text + "</body>\n</html>\n";
}

MenuProject project(int round)
{
    MenuProject p;
    p.dialect = CodeDialect::Html5;
    p.options.menuName = QStringLiteral("site");
    for (int i = 0; i < 30; ++i)
        p.items.append({QStringLiteral("Page %1 (%2)").arg(i).arg(round), QStringLiteral("Yes"),
                        QStringLiteral("section%1/page%2.html").arg(i % 3).arg(i), QStringLiteral("No")});
    return p;
}

double floorMs(const QStringList &paths)
{
    return bestMs(1, [&] {
        for (const QString &path : paths) {
            QFile in(path);
            if (!in.open(QIODevice::ReadOnly))
                continue;
            const QByteArray bytes = in.readAll();
            in.close();
            const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_TRUNC);
            if (fd < 0 || ::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
                std::printf("  the floor's write failed\n");
            ::fsync(fd);
            ::close(fd);
        }
    });
}

// Reads every page, as publishing must at the least.
double readMs(const QStringList &paths)
{
    return bestMs(1, [&] {
        for (const QString &path : paths) {
            QFile in(path);
            if (!in.open(QIODevice::ReadOnly) || in.readAll().isEmpty())
                std::printf("  the floor's read failed\n");
        }
    });
}

// Processor time of this process in milliseconds (the machine may be shared).
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The median of five runs and their spread (the slowest less the quickest).
struct Spread {
    double median;
    double spread;
};
Spread spreadOf(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back() - ms.front()};
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QStringList paths;
    for (int n = 0; n < kPages; ++n) {
        const QString folder = dir.filePath(QStringLiteral("section%1").arg(n % 3));
        QDir().mkpath(folder);
        paths << folder + QStringLiteral("/page%1.html").arg(n);
        QFile file(paths.last());
        if (!file.open(QIODevice::WriteOnly) || file.write(page(n)) < 0)
            std::printf("  could not make the pages\n");
    }
    double rawMs = 1e300;
    int round = 0;
    double prepareMs = 1e300, writeMs = 1e300, totalMs = 1e300;
    for (int r = 0; r < 5; ++r) { // the floor and the publish in turn, as the disk's load varies
        rawMs = std::min(rawMs, floorMs(paths));
        QElapsedTimer t;
        t.start();
        const SitePlan plan =
            SitePublisher::prepare(project(++round), dir.path(), {}, SitePublisher::Publish);
        const double prepared = t.nsecsElapsed() / 1e6;
        const SiteWriteReport report = SiteWriter::write(plan);
        const double total = t.nsecsElapsed() / 1e6;
        if (plan.failed() || report.failed() || plan.count(PagePlan::WillChange) < kPages)
            std::printf("  the publish failed or changed too few pages\n");
        prepareMs = std::min(prepareMs, prepared);
        writeMs = std::min(writeMs, total - prepared);
        totalMs = std::min(totalMs, total);
        QDir(dir.filePath(QStringLiteral(".quillnav-backup"))).removeRecursively();
    }
    std::vector<double> reads, upToDates, readsCpu, upToDatesCpu;
    for (int r = 0; r < 5; ++r) {
        double cpu = cpuMs();
        reads.push_back(readMs(paths));
        readsCpu.push_back(cpuMs() - cpu);
        cpu = cpuMs();
        upToDates.push_back(bestMs(1, [&] {
            const SitePlan plan =
                SitePublisher::prepare(project(round), dir.path(), {}, SitePublisher::Publish);
            if (plan.count(PagePlan::UpToDate) < kPages || !SiteWriter::write(plan).backupFolder.isEmpty())
                std::printf("  the pages were not all up to date\n");
        }));
        upToDatesCpu.push_back(cpuMs() - cpu);
    }
    const Spread read = spreadOf(reads);
    const Spread upToDate = spreadOf(upToDates);
    const Spread readCpu = spreadOf(readsCpu);
    const Spread upToDateCpu = spreadOf(upToDatesCpu);
    std::printf("publish into %d pages of %d KB (best of 5, in turn)\n", kPages, kPageBytes / 1024);
    std::printf("  floor: read and write back with fsync  %8.1f ms\n", rawMs);
    std::printf("  publish: prepare                       %8.1f ms\n", prepareMs);
    std::printf("  publish: backups and writes            %8.1f ms\n", writeMs);
    std::printf("  publish: whole                         %8.1f ms  (%.2fx the floor, goal 3x)\n", totalMs,
                totalMs / rawMs);
    std::printf("up to date (median of 5 in turn, spread)\n");
    std::printf("  floor: reading the pages               %8.1f ms  (spread %.1f)\n", read.median,
                read.spread);
    std::printf(
        "  publish when up to date                %8.1f ms  (spread %.1f; %.2fx the reading, goal 1x)\n",
        upToDate.median, upToDate.spread, upToDate.median / read.median);
    std::printf("  processor: reading the pages           %8.1f ms  (spread %.1f)\n", readCpu.median,
                readCpu.spread);
    std::printf("  processor: publish when up to date     %8.1f ms  (spread %.1f; %.2fx the reading)\n",
                upToDateCpu.median, upToDateCpu.spread, upToDateCpu.median / readCpu.median);
    return 0;
}
