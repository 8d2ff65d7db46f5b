// Uploading 1,000 changed pages of 20 KB in 50 folders to a local sshd
// through TransferRunner, beside OpenSSH's own `sftp -b` doing the same
// steps per page: put it to a temporary name, rename the old file aside,
// rename the new one in, remove the old one (the runner's steps where the
// library has no posix-rename). Both connect and log in with the same key
// file. Five of each in turn; the medians, their spreads and the ratio
// (goal: at most 1.5x). Planning the upload is printed beside.
#include "ServerBench.h"
#include "server/ServerPath.h"
#include "server/TransferRunner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

using namespace serverbench;

namespace {

constexpr int kPages = 1000;
constexpr int kFolders = 50;

// The batch of sftp commands for every page.
QByteArray batch(const QString &site, const QString &www, const QStringList &paths)
{
    QByteArray text;
    for (const QString &path : paths) {
        const QString target = www + u'/' + path;
        const QString folder = ServerPath::folderOf(target);
        const QString name = path.section(u'/', -1);
        const QString fresh = folder + u'/' + ServerPath::newName(name);
        const QString aside = folder + u'/' + ServerPath::oldName(name);
        text += QStringLiteral("put %1/%2 %3\nrename %4 %5\nrename %3 %4\nrm %5\n")
                    .arg(site, path, fresh, target, aside)
                    .toUtf8();
    }
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qunsetenv("SSH_AUTH_SOCK"); // both log in with the key file
    SshServer server;
    QString problem;
    if (!server.start(&problem)) {
        std::printf("bench_server_upload: no local sshd (%s)\n", qPrintable(problem));
        return 0;
    }
    QTemporaryDir site;
    QStringList paths = writeSite(site.path(), kPages, kFolders, 0);
    {
        SftpTransport t(addressOf(server), keysOf(server));
        TransferRecord record;
        if (!t.open())
            std::printf("  could not log in: %s\n", qPrintable(t.error()));
        const TransferPlan plan = planUpload(t, server, site.path(), paths, &record);
        TransferRunner::run(t, plan, &record);
    }
    QTemporaryDir work;
    QFile batchFile(work.filePath(QStringLiteral("batch")));
    if (!batchFile.open(QIODevice::WriteOnly) || batchFile.write(batch(site.path(), server.www(), paths)) < 0)
        std::printf("  could not write the batch\n");
    batchFile.close();
    const QStringList sftpArguments{"-q",
                                    "-b",
                                    batchFile.fileName(),
                                    "-F",
                                    "/dev/null",
                                    "-P",
                                    QString::number(server.port()),
                                    "-i",
                                    server.sshDir() + "/id_ed25519",
                                    "-o",
                                    "UserKnownHostsFile=" + server.sshDir() + "/known_hosts",
                                    "-o",
                                    "StrictHostKeyChecking=yes",
                                    "-o",
                                    "IdentitiesOnly=yes",
                                    "-o",
                                    "IdentityAgent=none",
                                    "-o",
                                    "BatchMode=yes",
                                    server.user() + "@127.0.0.1"};

    std::vector<double> ours, theirs, planning;
    for (int round = 1; round <= 5; ++round) {
        writeSite(site.path(), kPages, kFolders, round);
        QElapsedTimer timer;
        timer.start();
        SftpTransport t(addressOf(server), keysOf(server));
        if (!t.open())
            std::printf("  could not log in: %s\n", qPrintable(t.error()));
        const double opened = timer.nsecsElapsed() / 1e6;
        TransferRecord record;
        TransferPlan plan = planUpload(t, server, site.path(), paths, &record);
        const double planned = timer.nsecsElapsed() / 1e6;
        for (TransferItem &item : plan.items)
            item.overwrite = true; // sftp's round changed the server copies
        const TransferReport report = TransferRunner::run(t, plan, &record);
        ours.push_back(timer.nsecsElapsed() / 1e6 - (planned - opened));
        planning.push_back(planned - opened);
        if (report.failed() || report.filesMoved != kPages)
            std::printf("  our upload moved %lld files: %s\n", qlonglong(report.filesMoved),
                        qPrintable(report.error));

        QProcess sftp;
        timer.restart();
        sftp.start(QStringLiteral("sftp"), sftpArguments);
        sftp.waitForFinished(600000);
        theirs.push_back(timer.nsecsElapsed() / 1e6);
        if (sftp.exitCode() != 0)
            std::printf("  sftp -b failed: %s\n", sftp.readAllStandardError().left(300).constData());
    }
    const Spread a = spreadOf(ours), b = spreadOf(theirs), p = spreadOf(planning);
    std::printf("bench_server_upload: %d changed pages of %d KB in %d folders, to a local sshd\n", kPages,
                kPageBytes / 1024, kFolders);
    std::printf("  TransferRunner (log in + upload):  median %8.1f ms  (spread %.1f ms)\n", a.median,
                a.spread);
    std::printf("  sftp -b, the same steps:           median %8.1f ms  (spread %.1f ms)\n", b.median,
                b.spread);
    std::printf("  ratio: %.2fx (goal: at most 1.5x)\n", a.median / b.median);
    std::printf("  planning the upload beside (one listing per folder): median %.1f ms (spread %.1f ms)\n",
                p.median, p.spread);
    return 0;
}
