// A large menu into many pages: 2,000 entries (HTML5, each page selecting
// its own entry) into 2,000 pages in 20 folders, published again with other
// texts in each round, so that every page changes and holds the last round's
// region. Beside it the floor: each page's new bytes written to a temporary
// file with fsync and renamed over a copy of the page, in the same folder
// layout. The goal is publishing within 3x the floor. QN_BENCH_PAGES and
// QN_BENCH_ENTRIES make it smaller.
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

int setting(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

QString pagePath(int n)
{
    return QStringLiteral("section%1/page%2.html").arg(n % 20).arg(n);
}

QByteArray page(int n)
{
    QByteArray text =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n  <meta charset=\"utf-8\">\n  <title>Page "
        + QByteArray::number(n)
        + "</title>\n</head>\n<body>\n  <nav>\n    <!-- quillnav site -->\n  </nav>\n";
    for (int i = 0; i < 100; ++i)
        text += "  <p>Some text of the page, <a href=\"other.html\">a link</a> and more words.</p>\n";
    return text + "</body>\n</html>\n";
}

MenuProject project(int entries, int round)
{
    MenuProject p;
    p.dialect = CodeDialect::Html5;
    p.options.menuName = QStringLiteral("site");
    for (int i = 0; i < entries; ++i)
        p.items.append({QStringLiteral("Page %1 of the section, round %2").arg(i).arg(round),
                        QStringLiteral("Yes"), pagePath(i), QStringLiteral("No")});
    return p;
}

// Each page's new bytes into a temporary file beside its copy, fsynced, then
// renamed over it.
double floorMs(const QString &mirror, const SitePlan &plan)
{
    QElapsedTimer t;
    t.start();
    for (const PagePlan &page : plan.pages) {
        if (page.state != PagePlan::WillChange)
            continue;
        const QByteArray path = QFile::encodeName(mirror + u'/' + page.path);
        const QByteArray temporary = path + ".tmp";
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0
            || ::write(fd, page.newBytes.constData(), size_t(page.newBytes.size())) != page.newBytes.size()
            || ::fsync(fd) != 0 || ::close(fd) != 0 || ::rename(temporary.constData(), path.constData()) != 0)
            std::printf("  the floor's write failed\n");
    }
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int pages = setting("QN_BENCH_PAGES", 2000);
    const int entries = setting("QN_BENCH_ENTRIES", 2000);
    QTemporaryDir dir;
    const QString site = dir.filePath(QStringLiteral("site"));
    const QString mirror = dir.filePath(QStringLiteral("floor"));
    for (int n = 0; n < pages; ++n) {
        for (const QString &root : {site, mirror}) {
            const QString path = root + u'/' + pagePath(n);
            QDir().mkpath(QFileInfo(path).absolutePath());
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(page(n)) < 0)
                std::printf("  could not make the pages\n");
        }
    }
    double rawMs = 1e300, prepareMs = 1e300, writeMs = 1e300, totalMs = 1e300;
    qint64 region = 0, bytes = 0;
    for (int round = 1; round <= 3; ++round) { // the first publishes into the placeholders
        QElapsedTimer t;
        t.start();
        const SitePlan plan =
            SitePublisher::prepare(project(entries, round), site, {}, SitePublisher::Publish);
        const double prepared = t.nsecsElapsed() / 1e6;
        const SiteWriteReport report = SiteWriter::write(plan);
        const double total = t.nsecsElapsed() / 1e6;
        if (plan.failed() || report.failed() || plan.count(PagePlan::WillChange) < pages)
            std::printf("  the publish failed or changed too few pages\n");
        const double raw = floorMs(mirror, plan);
        std::printf("  round %d: prepare %.0f ms, write %.0f ms, floor %.0f ms\n", round, prepared,
                    total - prepared, raw);
        QDir(site + QStringLiteral("/.quillnav-backup")).removeRecursively();
        if (round == 1)
            continue; // pages with regions from here on
        rawMs = std::min(rawMs, raw);
        prepareMs = std::min(prepareMs, prepared);
        writeMs = std::min(writeMs, total - prepared);
        totalMs = std::min(totalMs, total);
        region = plan.largestRegion();
        bytes = plan.bytesToWrite();
    }
    std::printf("publish %d entries into %d pages again (best of 2)\n", entries, pages);
    std::printf("  the menu's regions per page (at most)      %10.1f KB\n", region / 1024.0);
    std::printf("  bytes written in all                       %10.1f MB\n", bytes / 1048576.0);
    std::printf("  floor: temporary file, fsync, rename       %10.1f ms\n", rawMs);
    std::printf("  publish: prepare                           %10.1f ms\n", prepareMs);
    std::printf("  publish: backups and writes                %10.1f ms\n", writeMs);
    std::printf("  publish: whole                             %10.1f ms  (%.2fx the floor, goal 3x)\n",
                totalMs, totalMs / rawMs);
    return 0;
}
