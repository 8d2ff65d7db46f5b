// The style dialogs' costs that a user waits for: the main window with both
// dialogs and the installed fonts, filling the font lists with many families
// (start-up), and putting both records into the dialogs and back (loading a
// project, undo).
#include "BenchApp.h"
#include "BenchTiming.h"

#include "app/MenuDocument.h"
#include "app/ui/Form1.h"
#include "styles/ui/FontOptionsGroup.h"
#include "styles/ui/frmAdvMnuOp.h"

#include <QApplication>
#include <QFontDatabase>
#include <cstdio>

int main(int argc, char *argv[])
{
    BenchApp app(argc, argv);
    std::printf("platform %s, %d installed font families\n", qPrintable(QApplication::platformName()),
                int(QFontDatabase::families().size()));

    const double window = bestMs(5, [] { Form1 w; });
    std::printf("main window with both style dialogs: %8.2f ms\n", window);

    Form1 w;
    for (const int n : {500, 5000}) {
        QStringList families;
        for (int i = n; i > 0; --i)
            families << QStringLiteral("Family %1").arg(i);
        const double ms = bestMs(3, [&] { w.fillStyleFontLists(families); });
        const bool ok = w.menuStyleDialog()->fontOptions()->installedFamilies().size() == n;
        std::printf("font lists of %5d families:         %8.2f ms%s\n", n, ms, ok ? "" : "  WRONG RESULT");
    }

    MenuProject project = w.document()->project();
    project.menuStyle.mnuSysClr = project.buttonStyle.bttnSysClr = project.buttonStyle.bttnNoBorder = 0;
    project.menuStyle.mnuFont = QStringLiteral("A Font Not Installed");
    const double apply = bestMs(20, [&] { w.document()->applyProject(project); });
    const bool ok = w.document()->project() == project;
    std::printf("records into both dialogs and back:  %8.3f ms%s\n", apply, ok ? "" : "  WRONG RESULT");
    return 0;
}
