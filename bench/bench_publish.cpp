// Publishing a menu into 1,000 pages of 20 KB (every page changes: the menu's
// item texts differ from run to run; the backups are kept as the program
// keeps them), beside the floor: reading the same pages and writing their
// bytes back in place with fsync, one page after the other. Also a run in
// which every page is already up to date (nothing is written). The goal is
// publishing within 3x the floor.
#include "BenchTiming.h"
#include "site/SitePublisher.h"
#include "site/SiteWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

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
    const double upToDateMs = bestMs(3, [&] {
        SiteWriter::write(SitePublisher::prepare(project(round), dir.path(), {}, SitePublisher::Publish));
    });
    std::printf("publish into %d pages of %d KB (best of 5, in turn)\n", kPages, kPageBytes / 1024);
    std::printf("  floor: read and write back with fsync  %8.1f ms\n", rawMs);
    std::printf("  publish: prepare                       %8.1f ms\n", prepareMs);
    std::printf("  publish: backups and writes            %8.1f ms\n", writeMs);
    std::printf("  publish: whole                         %8.1f ms  (%.2fx the floor, goal 3x)\n", totalMs,
                totalMs / rawMs);
    std::printf("  publish when up to date                %8.1f ms\n", upToDateMs);
    return 0;
}
