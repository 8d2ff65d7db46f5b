// Import of a menu from a web page. Reports the time to read a page holding
// one list of 50,000 and of 100,000 options and turn it into a project (goal:
// under 1 s for 100,000), and the ratio of the two (linear cost gives about
// 2): a page of another tool (&nbsp; indentation, dash separators, disabled
// entries) and Quillnav's own HTML5 code of the same size (three times the
// bytes: every entry also stands as a fallback link). The processor time of
// the process is printed beside the wall-clock time, for a shared machine.
#include "BenchTiming.h"
#include "codegen/MenuCodeGenerator.h"
#include "codegen/SavedCodePage.h"
#include "platform/WarmWorker.h"
#include "site/PageImport.h"

#include <QFile>

#include <gumbo.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

QByteArray otherPage(int count)
{
    QByteArray page = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Sitemap</title></head>"
                      "<body><form action=\"/go\"><select name=\"site\" onchange=\"location=this.value\">\n";
    for (int i = 0; i < count; ++i) {
        if (i % 50 == 49)
            page += "  <option disabled>----------</option>\n";
        else if (i % 7 == 0)
            page += "  <option value=\"/pages/" + QByteArray::number(i) + ".html\">&nbsp;&nbsp;Section "
                    + QByteArray::number(i) + " &amp; more</option>\n";
        else
            page += "  <option value=\"/pages/" + QByteArray::number(i) + ".html\">Page number "
                    + QByteArray::number(i) + "</option>\n";
    }
    return page + "</select></form></body></html>\n";
}

QByteArray ownPage(int count)
{
    MenuProject p;
    p.dialect = CodeDialect::Html5;
    p.options.menuName = QStringLiteral("Big");
    for (int i = 0; i < count; ++i) {
        if (i % 50 == 49)
            p.items.append(MenuItem::separator());
        else
            p.items.append({QStringLiteral("%1Page <%2>").arg(i % 7 ? "" : "--- ").arg(i), "Yes",
                            QStringLiteral("https://example.org/pages/%1.html?a=1&b=2").arg(i), "No"});
    }
    return SavedCodePage::bytes(GenerateMenuCode(codegen::kCodeMode, p));
}

// Processor time of this process in milliseconds: the machine may be shared,
// so the wall-clock time alone can overstate the cost.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Cost {
    double wallMs;
    double cpuMs;
};

Cost importCost(const QByteArray &page, qsizetype expectedItems)
{
    double bestCpu = 1e300;
    const double wall = bestMs(3, [&] {
        const double start = cpuMs();
        PageImport import;
        MenuProject project;
        QStringList notes;
        if (!import.parse(page, QStringLiteral("bench.html")) || !import.project(0, &project, &notes)
            || project.items.size() != expectedItems)
            std::fprintf(stderr, "import failed: %s\n", qPrintable(import.error()));
        bestCpu = std::min(bestCpu, cpuMs() - start);
    });
    return {wall, bestCpu};
}

} // namespace

// The processor time of the warm worker, in milliseconds (0 when there is none).
double workerCpuMs()
{
    clockid_t clock{};
    timespec t{};
    if (WarmWorker::pid() == 0 || clock_getcpuclockid(WarmWorker::pid(), &clock) != 0
        || clock_gettime(clock, &t) != 0)
        return 0;
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// One import of the page: wall-clock and processor time (this process and the warm worker).
Cost importOnce(const QByteArray &page, qsizetype expectedItems, const PageSelects::Bounds &bounds = {})
{
    const double cpu = cpuMs() + workerCpuMs();
    const double wall = bestMs(1, [&] {
        PageImport import;
        MenuProject project;
        QStringList notes;
        if (!import.parse(page, QStringLiteral("bench.html"), bounds) || !import.project(0, &project, &notes)
            || project.items.size() != expectedItems)
            std::fprintf(stderr, "import failed: %s\n", qPrintable(import.error()));
    });
    return {wall, cpuMs() + workerCpuMs() - cpu};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int main(int argc, char **argv)
{
    const QByteArray own = ownPage(100000);
    if (argc == 3 && QByteArrayView(argv[1]) == "--write-page") { // for timing the command line
        QFile file(QString::fromLocal8Bit(argv[2]));
        return file.open(QIODevice::WriteOnly) && file.write(own) == own.size() ? 0 : 1;
    }
    {
        std::vector<Cost> costs;
        for (int i = 0; i < 10; ++i)
            costs.push_back(importOnce(own, 100000));
        std::vector<double> wall, cpu;
        for (std::size_t i = 1; i < costs.size(); ++i)
            wall.push_back(costs[i].wallMs), cpu.push_back(costs[i].cpuMs);
        std::printf("ten imports in one process (Quillnav HTML5 code, 100,000 options): first %.1f ms "
                    "(processor %.1f), tenth %.1f ms (processor %.1f): %.2fx the first (processor %.2fx; "
                    "goal 1.10x); second to tenth: median %.1f ms, %.1f to %.1f (processor median %.1f)\n",
                    costs.front().wallMs, costs.front().cpuMs, costs.back().wallMs, costs.back().cpuMs,
                    costs.back().wallMs / costs.front().wallMs, costs.back().cpuMs / costs.front().cpuMs,
                    median(wall), *std::min_element(wall.begin(), wall.end()),
                    *std::max_element(wall.begin(), wall.end()), median(cpu));
    }
    {
        // Where an import's time goes, median of five each: gumbo's parse of the text alone (the
        // floor), the whole import in this process, and through the warm worker.
        std::vector<double> parse, inProcess, warm, parseCpu, inProcessCpu, warmCpu;
        PageSelects::Bounds here;
        here.isolation = PageSelects::Bounds::InProcess;
        for (int i = 0; i < 5; ++i) {
            const double cpu = cpuMs();
            parse.push_back(bestMs(1, [&] {
                GumboOutput *out =
                    gumbo_parse_with_options(&kGumboDefaultOptions, own.constData(), size_t(own.size()));
                gumbo_destroy_output(&kGumboDefaultOptions, out);
            }));
            parseCpu.push_back(cpuMs() - cpu);
            const Cost a = importOnce(own, 100000, here);
            inProcess.push_back(a.wallMs), inProcessCpu.push_back(a.cpuMs);
            const Cost b = importOnce(own, 100000);
            warm.push_back(b.wallMs), warmCpu.push_back(b.cpuMs);
        }
        std::printf("100,000 options of Quillnav HTML5 code (%.1f MB), median of five: gumbo's parse alone "
                    "%.1f ms (processor %.1f, %.1f to %.1f ms), import in process %.1f ms (processor %.1f, "
                    "%.1f to %.1f ms), through the warm worker %.1f ms (processor %.1f, %.1f to %.1f ms)\n",
                    own.size() / 1e6, median(parse), median(parseCpu),
                    *std::min_element(parse.begin(), parse.end()),
                    *std::max_element(parse.begin(), parse.end()), median(inProcess), median(inProcessCpu),
                    *std::min_element(inProcess.begin(), inProcess.end()),
                    *std::max_element(inProcess.begin(), inProcess.end()), median(warm), median(warmCpu),
                    *std::min_element(warm.begin(), warm.end()), *std::max_element(warm.begin(), warm.end()));
    }
    for (const auto &[name, make] :
         {std::pair{"other tool's page", &otherPage}, std::pair{"Quillnav HTML5 code", &ownPage}}) {
        const QByteArray small = make(50000);
        const QByteArray large = make(100000);
        const Cost smallCost = importCost(small, 50000);
        const Cost largeCost = importCost(large, 100000);
        std::printf("%s: 50,000 options (%.1f MB) %.1f ms (processor %.1f ms), 100,000 options "
                    "(%.1f MB) %.1f ms (processor %.1f ms; goal < 1000 ms), ratio %.2f (processor "
                    "%.2f; linear: 2)\n",
                    name, small.size() / 1e6, smallCost.wallMs, smallCost.cpuMs, large.size() / 1e6,
                    largeCost.wallMs, largeCost.cpuMs, largeCost.wallMs / smallCost.wallMs,
                    largeCost.cpuMs / smallCost.cpuMs);
    }
    return 0;
}
