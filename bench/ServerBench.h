#pragma once

// What the two server benchmarks share: a local sshd of their own (the
// tests' SshServer), a site of pages in folders, and medians with spreads.
#include "server/SftpTransport.h"
#include "server/TransferPlanner.h"
#include "server/TransferRecord.h"
#include "support/SshServer.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace serverbench {

constexpr int kPageBytes = 20 * 1024;

// The median of the runs and their spread (the slowest less the quickest).
struct Spread {
    double median;
    double spread;
};
inline Spread spreadOf(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back() - ms.front()};
}

// `pages` pages of 20 KB in `folders` folders under `site`, their bytes
// marked with `round`; their paths relative to the site.
inline QStringList writeSite(const QString &site, int pages, int folders, int round)
{
    QStringList paths;
    for (int n = 0; n < pages; ++n) {
        paths << QStringLiteral("section%1/page%2.html").arg(n % folders).arg(n);
        // A size of each round's own: planning finds the pages changed without reading them.
        QByteArray text = "<!DOCTYPE html>\n<title>Page " + QByteArray::number(n) + " of round "
                          + QByteArray::number(round) + "</title>\n" + QByteArray(round, '\n');
        while (text.size() < kPageBytes - 80)
            text += "<p>Some text of the page, <a href=\"other.html\">a link</a> and more words.</p>\n";
        QDir().mkpath(site + QStringLiteral("/section%1").arg(n % folders));
        QFile file(site + u'/' + paths.last());
        if (!file.open(QIODevice::WriteOnly) || file.write(text) < 0)
            std::printf("  could not write the pages\n");
    }
    return paths;
}

inline ServerAddress addressOf(const SshServer &server)
{
    ServerAddress a;
    ServerAddress::parse(server.address(), &a, nullptr);
    return a;
}

inline TransportOptions keysOf(const SshServer &server)
{
    TransportOptions o;
    o.sshDir = server.sshDir();
    return o;
}

// Plans an upload of `paths` (recording what planning finds equal).
inline TransferPlan planUpload(ServerTransport &t, const SshServer &server, const QString &site,
                               const QStringList &paths, TransferRecord *record)
{
    *record = TransferRecord::load(site, addressOf(server).text(), nullptr);
    return TransferPlanner::plan(t, TransferPlan::Upload, site, addressOf(server).folder, paths, record);
}

} // namespace serverbench
