// The live preview pane's update: from an edit (a keystroke in the menu's
// name, after a quiet spell) to the new page drawn in the pane, median of 20
// edits, for projects of 500 and 10,000 items in both dialects (goals: 50 ms
// and 150 ms). Then a held key (a keystroke every 30 ms): the pages drawn
// while it is held and the time from the last keystroke to its page, so that
// the pane is seen to keep up. Runs offscreen with software rendering
// (QT_QPA_PLATFORM=offscreen is set unless a platform is given).
#include "app/MenuDocument.h"
#include "app/ui/Form1.h"
#include "app/ui/LivePreviewEngine.h"
#include "app/ui/LivePreviewPane.h"
#include "menu/ProjectFile.h"
#include "platform/RegistryStore.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kEdits = 20;
constexpr int kQuietMs = 150; // between two edits
constexpr int kHeldKeys = 30;
constexpr int kRepeatMs = 30; // a held key's repeat

// Waits for the pane's next drawn page; false after the timeout.
bool waitForDrawn(LivePreviewPane *pane, int timeoutMs = 5000)
{
    QEventLoop loop;
    bool drawn = false;
    QObject::connect(pane, &LivePreviewPane::pageDrawn, &loop, [&] {
        drawn = true;
        loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return drawn;
}

void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

MenuProject project(int count, CodeDialect dialect)
{
    MenuProject p;
    p.dialect = dialect;
    p.options.menuName = QStringLiteral("jump");
    p.items.clear();
    for (int i = 0; i < count; ++i)
        p.items.append({QStringLiteral("Page number %1").arg(i), QStringLiteral("Yes"),
                        QStringLiteral("https://example.org/pages/%1.html").arg(i), QStringLiteral("No")});
    return p;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    livepreview::prepareApplication();
    QApplication app(argc, argv);
    QTemporaryDir settings;
    RegistryStore::setFilePath(settings.filePath(QStringLiteral("user-registry.txt")));

    Form1 window;
    window.show();
    auto *pane = window.findChild<LivePreviewPane *>(QStringLiteral("dockLivePreview"));
    auto *name = window.findChild<QLineEdit *>(QStringLiteral("txtmnm"));
    window.findChild<QAction *>(QStringLiteral("mnuViewLivePreview"))->trigger();
    if (!waitForDrawn(pane)) {
        std::printf("The pane never showed its page.\n");
        return 1;
    }
    const auto press = [name](int n) {
        const QString letter(QChar(u'a' + n % 26));
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A + n % 26, Qt::NoModifier, letter);
        QCoreApplication::sendEvent(name, &key);
    };
    int drawnCount = 0;
    QObject::connect(pane, &LivePreviewPane::pageDrawn, [&drawnCount] { ++drawnCount; });
    std::printf("%8s %8s %12s %10s %10s %14s %14s\n", "dialect", "items", "edit median", "edit best",
                "edit worst", "held: drawn", "after last ms");
    for (CodeDialect dialect : {CodeDialect::Classic, CodeDialect::Html5}) {
        for (int count : {500, 10000}) {
            // Loaded as a project file: one undoable step, as the user loads it.
            const QString path = settings.filePath(QStringLiteral("menu.qnv"));
            QString error;
            if (!ProjectFile::save(path, project(count, dialect), &error)
                || !window.document()->load(path, &error) || !waitForDrawn(pane)) {
                std::printf("Could not show the %d-item project: %s\n", count, qPrintable(error));
                return 1;
            }
            std::vector<double> ms;
            for (int edit = 0; edit < kEdits; ++edit) {
                pause(kQuietMs);
                QElapsedTimer sinceKey;
                press(edit);
                sinceKey.start();
                if (!waitForDrawn(pane)) {
                    std::printf("No update after edit %d.\n", edit);
                    return 1;
                }
                ms.push_back(sinceKey.nsecsElapsed() / 1e6);
            }
            std::sort(ms.begin(), ms.end());
            // A held key: the pages drawn meanwhile, then the last keystroke's page.
            pause(kQuietMs);
            drawnCount = 0;
            QElapsedTimer sinceLast;
            for (int k = 0; k < kHeldKeys; ++k) {
                if (k)
                    pause(kRepeatMs);
                press(k);
                sinceLast.start();
            }
            const int drawnWhileHeld = drawnCount;
            double afterLast = -1; // the last page drawn, once none follows for half a second
            for (int timeout = 5000; waitForDrawn(pane, timeout); timeout = 500)
                afterLast = sinceLast.nsecsElapsed() / 1e6;
            std::printf("%8s %8d %12.1f %10.1f %10.1f %14d %14.1f\n",
                        dialect == CodeDialect::Html5 ? "HTML5" : "Classic", count, ms[ms.size() / 2],
                        ms.front(), ms.back(), drawnWhileHeld, afterLast);
        }
    }
    std::printf("goals: edit median at most 50 ms (500 items), 150 ms (10,000 items)\n");
    return 0;
}
