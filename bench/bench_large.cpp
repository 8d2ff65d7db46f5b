// Large projects, measured in one run:
// - the export of a 1,000,000-item project by the real program (--generate
//   -o, both dialects), each a child process timed by the wall clock and
//   measured for its peak resident memory (wait4), against the raw floor:
//   reading the project file and writing as many bytes as the export wrote
//   (written through and fsynced, as the export's atomic write does; the
//   figure without the fsync is printed too), five runs in turn with the
//   floor. Goals: time within 2x the floor, peak memory within 4x the project file plus the output. The
//   child's processor time is printed beside its wall-clock time, which
//   other work on the machine stretches;
// - loading and saving at 100,000 and 1,000,000 items (linear: about 10);
// - projects at the limits (file size, text length, code length): loaded or
//   refused within a second;
// - the main window opening a project of 10,000 and 100,000 items until its
//   list has been painted (goal: 100,000 items within 1 s of the read).
// Pass a smaller item count as the first argument for a quick run, and
// "export" as the second for the load, save and export alone.
#include "BenchApp.h"
#include "BenchTiming.h"
#include "app/MenuDocument.h"
#include "app/ui/Form1.h"
#include "codegen/CodeLimit.h"
#include "menu/MenuItemModel.h"
#include "menu/ProjectFile.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWindow>

#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

// Linked pages with markup, quotes and accented letters among them, unlinked
// section headings, separators and one default selection.
MenuProject bigProject(int count)
{
    MenuProject p;
    p.options.menuName = "Big";
    p.items.reserve(count);
    for (int i = 0; i < count; ++i) {
        if (i % 50 == 49)
            p.items.append(MenuItem::separator());
        else if (i % 7 == 0)
            p.items.append({QString("--- Section %1 & more").arg(i), "No", "", "No"});
        else if (i % 13 == 0)
            p.items.append(
                {QString("Caf\u00e9 \"%1\" <b>").arg(i), "Yes", QString("/c?a=%1&b=2").arg(i), "No"});
        else
            p.items.append(
                {QString("Page %1").arg(i), "Yes", QString("/pages/%1.html").arg(i), i == 3 ? "Yes" : "No"});
    }
    return p;
}

struct ChildRun {
    double ms = 0;
    double cpuMs = 0; // user and system time
    long peakKiB = 0;
    int status = -1;
};

ChildRun runChild(const QStringList &args)
{
    std::vector<QByteArray> bytes;
    for (const QString &a : args)
        bytes.push_back(QFile::encodeName(a));
    std::vector<char *> argv;
    for (QByteArray &b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    ChildRun run;
    QElapsedTimer t;
    t.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return run;
    // The peak is read from the child's own memory map while it runs: the
    // ru_maxrss of wait4 would start from this process's peak, which the
    // spawned child inherits until its exec.
    int status = 0;
    struct rusage usage {};
    long peakKiB = 0;
    const QString statusFile = QStringLiteral("/proc/%1/status").arg(pid);
    for (;;) {
        const pid_t done = wait4(pid, &status, WNOHANG, &usage);
        if (done == pid)
            break;
        if (done < 0)
            return run;
        QFile f(statusFile);
        if (f.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : f.readAll().split('\n')) {
                if (line.startsWith("VmHWM:"))
                    peakKiB = std::max(peakKiB, line.mid(6).trimmed().split(' ').value(0).toLong());
            }
        }
        ::usleep(2000);
    }
    run.ms = t.nsecsElapsed() / 1e6;
    run.peakKiB = peakKiB;
    run.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// Reads a file with plain read() calls into a reused buffer.
qint64 readRaw(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    std::vector<char> buffer(1 << 20);
    qint64 total = 0;
    for (ssize_t n; (n = ::read(fd, buffer.data(), buffer.size())) > 0;)
        total += n;
    ::close(fd);
    return total;
}

// Writes size bytes with plain write() calls, then fsyncs when asked.
void writeRaw(const QString &path, qint64 size, bool sync)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char> buffer(1 << 20, 'x');
    for (qint64 left = size; left > 0;) {
        const ssize_t n = ::write(fd, buffer.data(), size_t(std::min<qint64>(left, qint64(buffer.size()))));
        if (n <= 0)
            break;
        left -= n;
    }
    if (sync)
        ::fsync(fd);
    ::close(fd);
}

void measureExport(const QString &project, const QTemporaryDir &dir)
{
    const double fileMiB = QFileInfo(project).size() / 1048576.0;
    std::printf("\nexport of %s (%.1f MiB), median of 5 runs in turn with the floor (spread: largest less"
                " least):\n",
                qPrintable(QFileInfo(project).fileName()), fileMiB);
    for (const char *dialect : {"classic", "html5"}) {
        const QString out = dir.filePath(QStringLiteral("out-%1.html").arg(dialect));
        const QString rawOut = dir.filePath(QStringLiteral("raw.bin"));
        QList<double> ms, cpuMs, floors, readMs, writeMs, ratios;
        long peak = 0;
        qint64 outBytes = 0;
        for (int r = 0; r < 6; ++r) {
            const ChildRun run =
                runChild({QStringLiteral(QN_BINARY), "--generate", project, "--dialect", dialect, "-o", out});
            if (run.status != 0) {
                std::printf("  %s: the export failed (status %d)\n", dialect, run.status);
                return;
            }
            outBytes = QFileInfo(out).size();
            QFile::remove(out);
            // The floor of this turn: reading the project, writing as many
            // bytes with fsync (and without, printed apart).
            const double read = bestMs(1, [&] { readRaw(project); });
            const double write = bestMs(1, [&] { writeRaw(rawOut, outBytes, false); });
            const double writeSync = bestMs(1, [&] { writeRaw(rawOut, outBytes, true); });
            QFile::remove(rawOut);
            if (r == 0)
                continue; // the first turn fills the caches
            peak = std::max(peak, run.peakKiB);
            ms << run.ms;
            cpuMs << run.cpuMs;
            readMs << read;
            writeMs << write;
            floors << read + writeSync;
            ratios << run.ms / (read + writeSync);
            std::printf(
                "    %s run %d: %.1f ms (%.1f ms of processor time), floor %.1f ms, time / floor %.2f\n",
                dialect, r, run.ms, run.cpuMs, read + writeSync, run.ms / (read + writeSync));
        }
        const MedianSpread time = medianSpread(ms), cpu = medianSpread(cpuMs), floor = medianSpread(floors);
        const MedianSpread ratio = medianSpread(ratios);
        const auto within = std::count_if(ratios.begin(), ratios.end(), [](double x) { return x <= 2; });
        const double peakMiB = peak / 1024.0;
        const double outMiB = outBytes / 1048576.0;
        std::printf("  %-7s %9.1f ms (spread %.1f; %.1f ms of processor time, spread %.1f)  output %.1f MiB"
                    "  peak memory %.1f MiB\n",
                    dialect, time.median, time.spread, cpu.median, cpu.spread, outMiB, peakMiB);
        std::printf(
            "          floor %.1f ms (spread %.1f): read %.1f ms + write with fsync; write alone %.1f ms\n",
            floor.median, floor.spread, medianSpread(readMs).median, medianSpread(writeMs).median);
        std::printf("          time / floor %.2f (spread %.2f; %d of %d runs within 2; processor time / floor"
                    " %.2f)\n",
                    ratio.median, ratio.spread, int(within), int(ratios.size()), cpu.median / floor.median);
        std::printf("          memory / (file + output) %.2f (goal: within 4)\n",
                    peakMiB / (fileMiB + outMiB));
    }
}

// Loads and saves in this process; returns the project file's path.
QString measureLoadSave(int count, const QTemporaryDir &dir, double *loadMs, double *saveMs)
{
    const QString path = dir.filePath(QStringLiteral("items-%1.qnv").arg(count));
    const MenuProject project = bigProject(count);
    QString error;
    bool ok = true;
    *saveMs = bestMs(3, [&] { ok = ProjectFile::save(path, project, &error) && ok; });
    MenuProject loaded;
    *loadMs = bestMs(3, [&] { ok = codelimit::load(path, &loaded, &error) && ok; });
    std::printf("%8d items: save %8.1f ms, load %8.1f ms, file %.1f MiB%s\n", count, *saveMs, *loadMs,
                QFileInfo(path).size() / 1048576.0, ok && loaded == project ? "" : "  FAILED");
    if (!ok)
        std::printf("  %s\n", qPrintable(error));
    return path;
}

double threadCpuMs()
{
    struct rusage usage {};
    getrusage(RUSAGE_THREAD, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Projects at the limits, written directly as file text: the time to load or
// refuse each (goal: within a second).
void measureLimits(const QTemporaryDir &dir)
{
    std::printf("\nprojects at the limits (goal: loaded or refused within 1 s):\n");
    const auto file = [&](const QString &name, const QByteArray &item, qint64 bytes, const QByteArray &last) {
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(R"({"format": "quillnav-menu-project", "version": 1, "items": [)"
                "\n");
        const qint64 room = bytes - f.size() - last.size() - 8;
        for (qint64 n = 0; n + item.size() + 2 <= room; n += item.size() + 2)
            f.write(item + ",\n");
        f.write(last);
        f.write(QByteArray(bytes - f.size() - 4, ' ') + "\n]}\n"); // exactly the size asked for
        return path;
    };
    const QByteArray tiny = R"({"linked": "No", "selected": "No", "text": "", "url": ""})";
    const QByteArray longText = "\"" + QByteArray(ProjectFile::kMaxTextLength, 'x') + "\"";
    const QByteArray longItem =
        R"({"linked": "Yes", "selected": "No", "text": )" + longText + R"(, "url": )" + longText + "}";
    const QByteArray separator =
        R"({"linked": "No", "selected": "No", "text": "--------------------", "url": ""})";
    const QByteArray longUnlinked =
        R"({"linked": "No", "selected": "No", "text": )" + longText + R"(, "url": ""})";
    const qint64 limit = ProjectFile::kMaxFileBytes;
    const struct {
        const char *what;
        QString path;
    } cases[] = {
        {"file at the limit, empty items", file("tiny.qnv", tiny, limit, tiny)},
        {"file at the limit, longest texts", file("long.qnv", longItem, limit, tiny)},
        {"file one byte over the limit", file("over.qnv", tiny, limit + 1, tiny)},
        {"code over 256 MiB (separators as long as the longest text)",
         file("code.qnv", separator, 16 * 1024 * 1024, longUnlinked)},
    };
    for (const auto &c : cases) {
        MenuProject p;
        QString error;
        QElapsedTimer t;
        t.start();
        const double cpuBefore = threadCpuMs();
        const bool ok = codelimit::load(c.path, &p, &error); // as the window loads
        const double ms = t.nsecsElapsed() / 1e6;
        const double cpuMs = threadCpuMs() - cpuBefore;
        std::printf("  %-60s %7.1f ms (%6.1f ms of processor time): %s\n", c.what, ms, cpuMs,
                    ok ? qPrintable(QStringLiteral("loaded, %1 items").arg(p.items.size()))
                       : qPrintable(error.section(QStringLiteral(": "), 1)));
        QFile::remove(c.path);
    }
}

// A viewport that records its first paint.
class PaintSpy : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

double measureWindow(const QString &path, int count)
{
    Form1 window;
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    auto *lv = window.findChild<QAbstractItemView *>(QStringLiteral("lv"));
    PaintSpy spy;
    lv->viewport()->installEventFilter(&spy);
    QElapsedTimer t;
    t.start();
    QString error;
    const bool ok = window.document()->load(path, &error);
    const double openMs = t.nsecsElapsed() / 1e6;
    spy.painted = false;
    while (!spy.painted)
        QCoreApplication::processEvents();
    const double ms = t.nsecsElapsed() / 1e6;
    const bool right = ok && window.document()->model()->count() == count && window.currentPosition() >= 1;
    std::printf("%8d items: open %8.1f ms, list painted at %8.1f ms%s\n", count, openMs, ms,
                right ? "" : "  FAILED");
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    BenchApp app(argc, argv);
    const int large = argc > 1 ? std::max(100, QString::fromLocal8Bit(argv[1]).toInt()) : 1000000;
    const int small = large / 10;
    QTemporaryDir dir(QDir::temp().filePath(QStringLiteral("bench_large-XXXXXX")));

    std::printf("load and save:\n");
    double smallLoad = 0, smallSave = 0, largeLoad = 0, largeSave = 0;
    const QString smallPath = measureLoadSave(small, dir, &smallLoad, &smallSave);
    const QString largePath = measureLoadSave(large, dir, &largeLoad, &largeSave);
    std::printf("ratio %d / %d items: load %.1f, save %.1f (linear: about 10)\n", large, small,
                largeLoad / smallLoad, largeSave / smallSave);

    measureExport(largePath, dir);
    if (argc > 2 && qstrcmp(argv[2], "export") == 0)
        return 0; // the export alone
    measureLimits(dir);

    std::printf("\nmain window, open and first paint of the list:\n");
    const QString tinyPath = measureLoadSave(small / 10, dir, &smallLoad, &smallSave);
    measureWindow(tinyPath, small / 10); // warm-up
    const double tinyMs = measureWindow(tinyPath, small / 10);
    const double smallMs = measureWindow(smallPath, small);
    std::printf("ratio %d / %d items: %.1f (linear: about 10); %d items within 1 s: %s\n", small, small / 10,
                smallMs / tinyMs, small, smallMs <= 1000 ? "yes" : "NO");
    return 0;
}
