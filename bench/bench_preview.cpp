// The browser preview's work between the click and the browser: generating
// the preview code, building the three pages and writing them into the
// private folder. Reports the best time for menus of 100, 10,000 and 100,000
// items, and the share of the time spent writing the files.
#include "BenchTiming.h"
#include "codegen/MenuCodeGenerator.h"
#include "codegen/PreviewPages.h"
#include "codegen/PreviewSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

namespace {

MenuProject project(int count)
{
    MenuProject p;
    p.options.menuName = "Big";
    p.options.linkTarget = MenuOptions::DifferentFrame;
    p.options.frameName = "content";
    p.items.reserve(count);
    for (int i = 0; i < count; ++i) {
        if (i % 50 == 49)
            p.items.append(MenuItem::separator());
        else
            p.items.append({QString("Page number %1").arg(i), "Yes",
                            QString("https://example.org/pages/%1.html").arg(i), "No"});
    }
    return p;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    PreviewSession session;
    std::printf("%10s %12s %12s %12s\n", "items", "total ms", "build ms", "write ms");
    for (int count : {100, 10000, 100000}) {
        const MenuProject p = project(count);
        bool ok = true;
        QString error;
        const double buildMs = bestMs(5, [&] {
            const PreviewPages pages =
                PreviewPages::build(GenerateMenuCode(codegen::kPreviewMode, p), p.options);
            ok = ok && !pages.menuPage.isEmpty();
        });
        const PreviewPages pages = PreviewPages::build(GenerateMenuCode(codegen::kPreviewMode, p), p.options);
        const double writeMs = bestMs(5, [&] { ok = ok && session.write(pages, &error); });
        const double totalMs = bestMs(5, [&] {
            const PreviewPages fresh =
                PreviewPages::build(GenerateMenuCode(codegen::kPreviewMode, p), p.options);
            ok = ok && session.write(fresh, &error);
        });
        if (!ok) {
            std::printf("preview failed: %s\n", qPrintable(error));
            return 1;
        }
        std::printf("%10d %12.2f %12.2f %12.2f\n", count, totalMs, buildMs, writeMs);
    }
    session.cleanup();
    return 0;
}
