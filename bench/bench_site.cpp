// A menu made from a site of 10,000 pages of about 8 KB in 100 folders (goal:
// at most 2 s), beside the raw floor of reading the same files; and a check
// of 10,000 links into that site, one in ten with a fragment (goal: at most
// 1 s), beside the floor of finding each file by its name. The processor
// time of the process and its workers is printed beside the wall-clock time,
// for a shared machine.
#include "BenchTiming.h"
#include "site/LinkCheck.h"
#include "site/SiteMenuBuilder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int kPages = 10000;
constexpr int kFolders = 100;

// Processor time of this process and of its ended workers, in milliseconds.
double cpuMs()
{
    double ms = 0;
    for (const int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage u{};
        getrusage(who, &u);
        ms += (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
    }
    return ms;
}

QString pagePath(int i)
{
    return QStringLiteral("section%1/page%2.html").arg(i % kFolders).arg(i);
}

QByteArray pageText(int i)
{
    QByteArray page = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>Page "
                      + QByteArray::number(i)
                      + " &amp; friends</title>\n<link rel=\"stylesheet\" href=\"../site.css\">\n"
                        "</head>\n<body>\n<h1 id=\"top\">Page "
                      + QByteArray::number(i) + "</h1>\n";
    for (int p = 0; page.size() < 8000; ++p)
        page += "<p id=\"p" + QByteArray::number(p) + "\">Some text of the page, with <a href=\"page"
                + QByteArray::number(p) + ".html\">a link</a> and <em>emphasis</em> in it.</p>\n";
    return page + "</body>\n</html>\n";
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString site = dir.filePath(QStringLiteral("site"));
    for (int f = 0; f < kFolders; ++f)
        QDir().mkpath(QStringLiteral("%1/section%2").arg(site).arg(f));
    for (int i = 0; i < kPages; ++i) {
        QFile file(site + u'/' + pagePath(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(pageText(i)) < 0)
            return 1;
    }
    qint64 bytes = 0;
    const double floorMs = bestMs(3, [&] {
        bytes = 0;
        for (int i = 0; i < kPages; ++i) {
            QFile file(site + u'/' + pagePath(i));
            if (file.open(QIODevice::ReadOnly))
                bytes += file.readAll().size();
        }
    });
    MenuProject project;
    double buildCpu = 1e300;
    const double buildMs = bestMs(3, [&] {
        const double start = cpuMs();
        QStringList notes;
        QString error;
        if (!SiteMenuBuilder::build(site, &project, &notes, &error))
            std::fprintf(stderr, "build failed: %s\n", qPrintable(error));
        buildCpu = std::min(buildCpu, cpuMs() - start);
    });
    std::printf("from site: %d pages (%.1f MB) in %d folders: %.0f ms (processor %.0f ms; goal <= 2000 ms); "
                "reading the files raw %.0f ms; ratio %.1f; %lld entries\n",
                kPages, bytes / 1e6, kFolders, buildMs, buildCpu, floorMs, buildMs / floorMs,
                static_cast<long long>(project.items.size()));

    QList<MenuItem> items;
    for (int i = 0; i < kPages; ++i) {
        const QString link = i % 10 == 0 ? pagePath(i) + QStringLiteral("#p3") : pagePath(i);
        items.append({QStringLiteral("Page %1").arg(i), QStringLiteral("Yes"), link, QStringLiteral("No")});
    }
    const double statMs = bestMs(3, [&] {
        int found = 0;
        for (int i = 0; i < kPages; ++i)
            found += QFileInfo::exists(site + u'/' + pagePath(i));
        if (found != kPages)
            std::fprintf(stderr, "stat found %d\n", found);
    });
    qsizetype failed = 0;
    double checkCpu = 1e300;
    const double checkMs = bestMs(3, [&] {
        const double start = cpuMs();
        LinkCheck check(site);
        failed = 0;
        for (const LinkVerdict &v : check.check(items))
            failed += v.status != LinkVerdict::Good;
        checkCpu = std::min(checkCpu, cpuMs() - start);
    });
    std::printf("check links: %d links (%d with a fragment): %.0f ms (processor %.0f ms; goal <= 1000 ms); "
                "finding each file by its name %.0f ms; ratio %.1f; %lld not good\n",
                kPages, kPages / 10, checkMs, checkCpu, statMs, checkMs / statMs,
                static_cast<long long>(failed));
    return 0;
}
