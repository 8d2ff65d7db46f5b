// The live preview pane's update: from the last keystroke (typing the menu's
// name, merged into one undo step) to the new page drawn in the pane, for
// projects of 50 and 500 items, in both dialects. Prints the median and the
// worst of the rounds and the 500/50 ratio. Runs offscreen with software
// rendering (QT_QPA_PLATFORM=offscreen is set unless a platform is given).
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

constexpr int kRounds = 15;
constexpr int kKeysPerRound = 4;
constexpr int kKeyGapMs = 25; // a fast typist, quicker than the pane's delay

// Waits for the pane's next drawn page; false after five seconds.
bool waitForDrawn(LivePreviewPane *pane)
{
    QEventLoop loop;
    bool drawn = false;
    QObject::connect(pane, &LivePreviewPane::pageDrawn, &loop, [&] {
        drawn = true;
        loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
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
    std::printf("%8s %8s %14s %14s\n", "dialect", "items", "median ms", "worst ms");
    for (CodeDialect dialect : {CodeDialect::Classic, CodeDialect::Html5}) {
        double median50 = 0;
        for (int count : {50, 500}) {
            // Loaded as a project file: one undoable step, as the user loads it.
            const QString path = settings.filePath(QStringLiteral("menu.qnv"));
            QString error;
            if (!ProjectFile::save(path, project(count, dialect), &error)
                || !window.document()->load(path, &error) || !waitForDrawn(pane)) {
                std::printf("Could not show the %d-item project: %s\n", count, qPrintable(error));
                return 1;
            }
            std::vector<double> ms;
            for (int round = 0; round < kRounds; ++round) {
                QElapsedTimer sinceLastKey;
                for (int k = 0; k < kKeysPerRound; ++k) {
                    if (k)
                        pause(kKeyGapMs);
                    const QString letter(QChar(u'a' + (round + k) % 26));
                    QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (round + k) % 26, Qt::NoModifier, letter);
                    QCoreApplication::sendEvent(name, &press);
                    sinceLastKey.start();
                }
                if (!waitForDrawn(pane)) {
                    std::printf("No update after round %d.\n", round);
                    return 1;
                }
                ms.push_back(sinceLastKey.nsecsElapsed() / 1e6);
                pause(100);
            }
            std::sort(ms.begin(), ms.end());
            const double median = ms[ms.size() / 2];
            std::printf("%8s %8d %14.1f %14.1f\n", dialect == CodeDialect::Html5 ? "HTML5" : "Classic", count,
                        median, ms.back());
            if (count == 50)
                median50 = median;
            else
                std::printf("%8s %8s 500/50 median ratio %.2f (the pane waits %d ms of it)\n", "", "",
                            median / median50, LivePreviewPane::kUpdateDelayMs);
        }
    }
    return 0;
}
