// The bound on reading pages. First the cost of the bound: a normal import
// (read and convert) of a page holding one list of 100,000 options, in process
// and through the bounded worker, best of five each (goal: at most 10 % more),
// once as the first import of a fresh process (the command line) and once
// repeated in one process, whose memory is then already in place (the worker's
// fresh child has to fault in every page it touches). Then the worst pages that can be made up to the
// import's 64 MiB limit, each imported by the real program (`quillnav --import`): its exit status, wall-clock
// and processor time (the program and its worker) and the peak resident memory of the program and of its
// worker (the worker's counts the pages it shares with the program). Goal: each read within 10 s and 1 GiB,
// or refused as too complex (exit status 1).
#include "BenchTiming.h"
#include "site/PageImport.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr qsizetype kLimit = PageImport::kMaxFileBytes;

QByteArray optionPage(int count)
{
    QByteArray page = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Sitemap</title></head>"
                      "<body><form action=\"/go\"><select name=\"site\" onchange=\"location=this.value\">\n";
    for (int i = 0; i < count; ++i)
        page += "  <option value=\"/pages/" + QByteArray::number(i) + ".html\">Page number "
                + QByteArray::number(i) + "</option>\n";
    return page + "</select></form></body></html>\n";
}

// `unit` repeated to fill the limit after `head`, then `tail`.
QByteArray filled(const QByteArray &head, const QByteArray &unit, const QByteArray &tail = {})
{
    return head + unit.repeated((kLimit - head.size() - tail.size()) / unit.size()) + tail;
}

QByteArray attributesPage()
{
    QByteArray page = "<select";
    for (int i = 0; page.size() < kLimit - 64; ++i)
        page += " a" + QByteArray::number(i, 36);
    return page + "><option>a</select>";
}

QByteArray oldTablePage()
{
    QByteArray page = "<html><body><table width=600>";
    const QByteArray row =
        "<tr><td><font face=\"Verdana\" size=\"2\"><b>A row of the table<td><font size=1><i>note\n";
    page += row.repeated((kLimit - 200) / row.size());
    return page + "<tr><td><select name=go><option value=/a>A<option value=/b>B</select></table>";
}

double processCpuMs()
{
    rusage self{}, children{};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_CHILDREN, &children);
    const auto ms = [](const timeval &t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(self.ru_utime) + ms(self.ru_stime) + ms(children.ru_utime) + ms(children.ru_stime);
}

struct Cost {
    double wallMs = 1e300;
    double cpuMs = 1e300;
};

Cost importCost(const QByteArray &page, PageSelects::Bounds::Isolation isolation)
{
    Cost cost;
    PageSelects::Bounds bounds;
    bounds.isolation = isolation;
    cost.wallMs = bestMs(5, [&] {
        const double start = processCpuMs();
        PageImport import;
        MenuProject project;
        QStringList notes;
        if (!import.parse(page, QStringLiteral("bench.html"), bounds) || !import.project(0, &project, &notes)
            || project.items.size() != 100000)
            std::fprintf(stderr, "import failed: %s\n", qPrintable(import.error()));
        cost.cpuMs = std::min(cost.cpuMs, processCpuMs() - start);
    });
    return cost;
}

long peakKiB(pid_t pid)
{
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

void importByProgram(const char *name, const QByteArray &page, const QTemporaryDir &dir)
{
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("page.html")));
    const QByteArray out = QFile::encodeName(dir.filePath(QStringLiteral("out.qnv")));
    const QByteArray err = QFile::encodeName(dir.filePath(QStringLiteral("err.txt")));
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(page) != page.size())
        return;
    file.close();
    QFile::remove(QString::fromLocal8Bit(out));
    const char *argv[] = {QN_BINARY, "--import", path.constData(), "-o", out.constData(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, err.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, const_cast<char **>(argv), environ) != 0)
        return;
    posix_spawn_file_actions_destroy(&actions);
    long programKiB = 0, workerKiB = 0;
    int status = 0;
    rusage usage{};
    const QString children = QStringLiteral("/proc/%1/task/%1/children").arg(pid);
    while (wait4(pid, &status, WNOHANG, &usage) == 0) {
        programKiB = std::max(programKiB, peakKiB(pid));
        QFile list(children);
        if (list.open(QIODevice::ReadOnly)) {
            for (const QByteArray &child : list.readAll().split(' '))
                if (!child.isEmpty())
                    workerKiB = std::max(workerKiB, peakKiB(pid_t(child.toInt())));
        }
        ::usleep(2000);
    }
    const double cpu = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
                       + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    QFile message(QString::fromLocal8Bit(err));
    message.open(QIODevice::ReadOnly);
    const QByteArray said = message.readAll().split('\n').value(0).split('.').mid(1, 2).join('.').trimmed();
    std::printf(
        "  %-44s %5.1f MB  exit %d  %6.2f s (processor %6.2f s)  peak: program %5ld MiB, worker %5ld MiB  %s\n",
        name, page.size() / 1e6, WIFEXITED(status) ? WEXITSTATUS(status) : -1, clock.nsecsElapsed() / 1e9,
        cpu, programKiB / 1024, workerKiB / 1024, said.left(90).constData());
    std::fflush(stdout);
}

} // namespace

// One import in a fresh process (as the command line makes it): this
// program started again with "--one worker|inprocess", best of five.
Cost freshImportCost(const char *self, const char *mode)
{
    Cost best;
    for (int i = 0; i < 5; ++i) {
        const QByteArray command = QByteArray(self) + " --one " + mode;
        FILE *out = ::popen(command.constData(), "r");
        Cost c;
        if (!out || std::fscanf(out, "%lf %lf", &c.wallMs, &c.cpuMs) != 2)
            std::fprintf(stderr, "the fresh import failed\n");
        if (out)
            ::pclose(out);
        best.wallMs = std::min(best.wallMs, c.wallMs);
        best.cpuMs = std::min(best.cpuMs, c.cpuMs);
    }
    return best;
}

void printCost(const char *how, const QByteArray &page, const Cost &plain, const Cost &bounded)
{
    std::printf("100,000-option page (%.1f MB), %s: in process %.1f ms (processor %.1f ms), in the bounded "
                "worker %.1f ms (processor %.1f ms): %+.1f %% (processor %+.1f %%; goal <= +10 %%)\n",
                page.size() / 1e6, how, plain.wallMs, plain.cpuMs, bounded.wallMs, bounded.cpuMs,
                100 * (bounded.wallMs / plain.wallMs - 1), 100 * (bounded.cpuMs / plain.cpuMs - 1));
    std::fflush(stdout);
}

int main(int argc, char *argv[])
{
    const QByteArray page = optionPage(100000);
    if (argc == 3 && QByteArray(argv[1]) == "--one") {
        PageSelects::Bounds bounds;
        bounds.isolation =
            QByteArray(argv[2]) == "worker" ? PageSelects::Bounds::Worker : PageSelects::Bounds::InProcess;
        const double cpu = processCpuMs();
        QElapsedTimer clock;
        clock.start();
        PageImport import;
        MenuProject project;
        QStringList notes;
        const bool ok =
            import.parse(page, QStringLiteral("bench.html"), bounds) && import.project(0, &project, &notes);
        std::printf("%f %f\n", clock.nsecsElapsed() / 1e6, processCpuMs() - cpu);
        return ok ? 0 : 1;
    }
    printCost("first import of a fresh process", page, freshImportCost(argv[0], "inprocess"),
              freshImportCost(argv[0], "worker"));
    importCost(page, PageSelects::Bounds::Worker); // warm-up
    const Cost plain = importCost(page, PageSelects::Bounds::InProcess);
    printCost("imports again and again in one process", page, plain,
              importCost(page, PageSelects::Bounds::Worker));

    QTemporaryDir dir;
    std::printf(
        "Pages up to 64 MiB imported by the program (goal: within 10 s and 1 GiB, or exit 1 as too complex):\n");
    const struct {
        const char *name;
        QByteArray page;
    } pages[] = {
        {"unclosed <div> after <!-->", filled("<!-->", "<div>")},
        {"unclosed <b> after <!-->", filled("<!-->", "<b>")},
        {"unclosed <table><tr><td> after <!-->", filled("<!-->", "<table><tr><td>")},
        {"<p> after <p> (22 million elements)", filled({}, "<p>")},
        {"one element, millions of attributes", attributesPage()},
        {"one comment", filled("<!--", "comment ", "--><select><option>a</select>")},
        {"one classic script",
         filled("<script>function gothere(){}\n", "var a = 1;\n", "</script><select><option>a</select>")},
        {"options in lists of 100,000",
         filled({}, "<select>" + QByteArray("<option>x").repeated(100000) + "</select>")},
        {"old table layout, unclosed font and b", oldTablePage()},
    };
    for (const auto &p : pages)
        importByProgram(p.name, p.page, dir);
    return 0;
}
