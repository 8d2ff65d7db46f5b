// Generation of large menus. Reports the time of GenerateMenuCode for 10,000
// and 100,000 items, the ratio of the two (linear cost gives about 10), and
// the ratio to appending the same output, line by line, into a pre-sized
// string (goal: within 3x of that plain append). The 100,000-item output
// (13 MB) no longer fits the processor caches while the 10,000-item one does,
// so the plain append's own ratio is printed beside the generator's. The HTML5
// dialect of the same menus follows, with its own ratio.
#include "BenchTiming.h"
#include "codegen/MenuCodeGenerator.h"

#include <QElapsedTimer>
#include <QStringList>
#include <algorithm>
#include <cstdio>

namespace {

MenuProject bigProject(int count)
{
    MenuProject p;
    p.options.menuName = "Big";
    p.items.reserve(count);
    for (int i = 0; i < count; ++i) {
        if (i % 50 == 49)
            p.items.append(MenuItem::separator());
        else if (i % 7 == 0)
            p.items.append({QString("--- Section %1 entry  ").arg(i), "No", "", "No"});
        else
            p.items.append({QString("Page number %1").arg(i), "Yes",
                            QString("https://example.org/pages/%1.html").arg(i), i == 3 ? "Yes" : "No"});
    }
    return p;
}

} // namespace

int main()
{
    const MenuProject small = bigProject(10000);
    const MenuProject large = bigProject(100000);
    qsizetype sink = 0;

    const double smallMs = bestMs(7, [&] { sink += GenerateMenuCode("code", small).body.size(); });
    const double largeMs = bestMs(7, [&] { sink += GenerateMenuCode("code", large).body.size(); });

    // The same output bytes, appended line by line into a pre-sized string.
    const auto plainAppendMs = [&](const MenuProject &project) {
        const QString body = GenerateMenuCode("code", project).body;
        const QStringList lines = body.split("\r\n");
        return bestMs(7, [&] {
            QString out;
            out.reserve(body.size());
            for (const QString &line : lines) {
                out += line;
                out += QLatin1StringView("\r\n");
            }
            sink += out.size();
        });
    };
    const double smallAppendMs = plainAppendMs(small);
    const double appendMs = plainAppendMs(large);
    const MenuCode reference = GenerateMenuCode("code", large);

    std::printf("generate 10,000 items:   %8.2f ms\n", smallMs);
    std::printf("generate 100,000 items:  %8.2f ms (%lld bytes of body)\n", largeMs,
                static_cast<long long>(reference.body.toUtf8().size()));
    std::printf("plain append of output:  %8.2f ms\n", appendMs);
    std::printf("ratio 100,000 / 10,000:  %8.2f (linear: about 10)\n", largeMs / smallMs);
    std::printf("ratio to plain append:   %8.2f (goal: within 3)\n", largeMs / appendMs);
    // The plain append meets the same caches: its own 100,000 / 10,000 ratio
    // shows how much of the step above is memory rather than the generator.
    std::printf("plain append ratio 100,000 / 10,000: %5.2f\n", appendMs / smallAppendMs);

    MenuProject smallHtml5 = small, largeHtml5 = large;
    smallHtml5.dialect = largeHtml5.dialect = CodeDialect::Html5;
    const double h5SmallMs = bestMs(7, [&] { sink += GenerateMenuCode("code", smallHtml5).body.size(); });
    const double h5LargeMs = bestMs(7, [&] { sink += GenerateMenuCode("code", largeHtml5).body.size(); });
    std::printf("HTML5 10,000 items:      %8.2f ms\n", h5SmallMs);
    std::printf("HTML5 100,000 items:     %8.2f ms (%lld bytes of body)\n", h5LargeMs,
                static_cast<long long>(GenerateMenuCode("code", largeHtml5).body.toUtf8().size()));
    std::printf("HTML5 ratio 100,000 / 10,000: %5.2f (linear: about 10)\n", h5LargeMs / h5SmallMs);
    return sink > 0 ? 0 : 1;
}
