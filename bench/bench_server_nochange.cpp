// An upload with nothing changed: 1,000 pages of 20 KB in 50 folders, all
// on a local sshd already and recorded. Logging in, planning (one listing
// per folder, reading and hashing the local pages) and running (nothing to
// move), five times; the median and the spread (goal: at most 1 s), and the
// server calls one run made, counted. The first plan once the upload's
// record has settled reads each server copy once to verify it; its cost is
// printed beside.
#include "ServerBench.h"
#include "server/TransferRunner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

using namespace serverbench;

namespace {

constexpr int kPages = 1000;
constexpr int kFolders = 50;

// Counts the calls it passes on.
class Counting : public ServerTransport {
public:
    explicit Counting(ServerTransport &t) : m_t(t) {}
    int lists = 0, stats = 0, reads = 0, others = 0;

    bool open() override { return m_t.open(); }
    void close() override { m_t.close(); }
    bool connected() const override { return m_t.connected(); }
    bool list(const QString &f, QList<ServerEntry> *e, bool *m) override
    {
        return ++lists, m_t.list(f, e, m);
    }
    bool stat(const QString &p, ServerEntry *e, bool *m) override { return ++stats, m_t.stat(p, e, m); }
    bool read(const QString &p, qint64 n, QByteArray *b) override { return ++reads, m_t.read(p, n, b); }
    bool write(const QString &p, const QByteArray &b, quint32 m) override
    {
        return ++others, m_t.write(p, b, m);
    }
    bool rename(const QString &a, const QString &b) override { return ++others, m_t.rename(a, b); }
    bool remove(const QString &p) override { return ++others, m_t.remove(p); }
    bool makeFolder(const QString &p) override { return ++others, m_t.makeFolder(p); }

private:
    ServerTransport &m_t;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    qunsetenv("SSH_AUTH_SOCK");
    SshServer server;
    QString problem;
    if (!server.start(&problem)) {
        std::printf("bench_server_nochange: no local sshd (%s)\n", qPrintable(problem));
        return 0;
    }
    QTemporaryDir site;
    const QStringList paths = writeSite(site.path(), kPages, kFolders, 0);
    {
        SftpTransport t(addressOf(server), keysOf(server));
        TransferRecord record;
        if (!t.open())
            std::printf("  could not log in: %s\n", qPrintable(t.error()));
        const TransferPlan plan = planUpload(t, server, site.path(), paths, &record);
        TransferRunner::run(t, plan, &record);
    }
    QThread::msleep(TransferRecord::kSettleMs + 100);
    double verifying = 0;
    int verifyingReads = 0;
    {
        SftpTransport sftp(addressOf(server), keysOf(server));
        Counting t(sftp);
        TransferRecord record;
        if (!t.open())
            std::printf("  could not log in: %s\n", qPrintable(sftp.error()));
        QElapsedTimer timer;
        timer.start();
        const TransferPlan plan = planUpload(t, server, site.path(), paths, &record);
        verifying = timer.nsecsElapsed() / 1e6;
        verifyingReads = t.reads;
        if (!plan.recordChanged || !record.save(site.path(), nullptr))
            std::printf("  the verified record was not saved\n");
    }
    std::vector<double> total, planning;
    int lists = 0, stats = 0, reads = 0, others = 0;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer timer;
        timer.start();
        SftpTransport sftp(addressOf(server), keysOf(server));
        Counting t(sftp);
        if (!t.open())
            std::printf("  could not log in: %s\n", qPrintable(sftp.error()));
        const double opened = timer.nsecsElapsed() / 1e6;
        TransferRecord record;
        const TransferPlan plan = planUpload(t, server, site.path(), paths, &record);
        planning.push_back(timer.nsecsElapsed() / 1e6 - opened);
        const TransferReport report = TransferRunner::run(t, plan, &record);
        total.push_back(timer.nsecsElapsed() / 1e6);
        if (plan.count(TransferItem::UpToDate) != kPages || report.filesMoved != 0)
            std::printf("  %lld pages were not up to date\n",
                        qlonglong(kPages - plan.count(TransferItem::UpToDate)));
        lists = t.lists, stats = t.stats, reads = t.reads, others = t.others;
    }
    const Spread a = spreadOf(total), p = spreadOf(planning);
    std::printf("bench_server_nochange: %d pages of %d KB in %d folders, nothing changed, a local sshd\n",
                kPages, kPageBytes / 1024, kFolders);
    std::printf("  log in + plan + run:  median %7.1f ms  (spread %.1f ms; goal: at most 1000 ms)\n",
                a.median, a.spread);
    std::printf("  of which planning:    median %7.1f ms  (spread %.1f ms)\n", p.median, p.spread);
    std::printf("  server calls of one run: %d listings, %d stats, %d reads, %d others\n", lists, stats,
                reads, others);
    std::printf("  the first plan after the upload (verifying it): %.1f ms, %d reads\n", verifying,
                verifyingReads);
    return 0;
}
