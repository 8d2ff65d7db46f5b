// The live preview pane's update, from an edit after a quiet spell to the new
// page drawn in the pane, median of 20 edits with the best and the worst, for
// projects of 50, 500 and 10,000 items in both dialects (goals: 50 ms at 500
// items, 150 ms at 10,000):
// - an entry's edit (Indent and Un-indent in turn), which the page shown takes
//   in place;
// - a keystroke in the menu's name, which changes the code's structure and
//   loads the page anew (the way every edit went before);
// - the floor: an update that changes nothing, a trip into the page and two
//   frames drawn.
// Then a held key (Indent and Un-indent every 30 ms): the pages drawn while
// it is held and the time from the last keystroke to its page, so that the
// pane is seen to keep up. Runs offscreen with software rendering
// (QT_QPA_PLATFORM=offscreen is set unless a platform is given). Arguments:
// the projects' sizes instead.
#include "app/MenuDocument.h"
#include "app/ui/Form1.h"
#include "app/ui/LivePreviewEngine.h"
#include "app/ui/LivePreviewPane.h"
#include "menu/ProjectFile.h"
#include "platform/RegistryStore.h"

#include <QAbstractItemView>
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
#include <optional>
#include <vector>

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

struct Figures {
    double median, best, worst;
};

// Times `edits` edits, each after a quiet spell, to their drawn pages.
template <typename Edit> std::optional<Figures> time(LivePreviewPane *pane, Edit edit)
{
    std::vector<double> ms;
    for (int n = 0; n < kEdits; ++n) {
        pause(kQuietMs);
        QElapsedTimer since;
        since.start();
        edit(n);
        if (!waitForDrawn(pane, 20000))
            return std::nullopt;
        ms.push_back(since.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return Figures{ms[ms.size() / 2], ms.front(), ms.back()};
}

QByteArray shown(const Figures &f)
{
    return QStringLiteral("%1 [%2-%3]")
        .arg(f.median, 0, 'f', 1)
        .arg(f.best, 0, 'f', 1)
        .arg(f.worst, 0, 'f', 1)
        .toUtf8();
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    livepreview::prepareApplication();
    QApplication app(argc, argv);
    // The projects' sizes, from the command line or 50, 500 and 10,000.
    std::vector<int> counts;
    for (const QString &argument : app.arguments().mid(1))
        counts.push_back(argument.toInt());
    if (counts.empty())
        counts = {50, 500, 10000};
    QTemporaryDir settings;
    RegistryStore::setFilePath(settings.filePath(QStringLiteral("user-registry.txt")));

    Form1 window;
    window.show();
    auto *pane = window.findChild<LivePreviewPane *>(QStringLiteral("dockLivePreview"));
    auto *name = window.findChild<QLineEdit *>(QStringLiteral("txtmnm"));
    auto *list = window.findChild<QAbstractItemView *>(QStringLiteral("lv"));
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
    const auto indent = [&window](int n) {
        n % 2 ? window.mnuListPopUnind_Click() : window.mnuListPopInd_Click();
    };
    int drawnCount = 0;
    QObject::connect(pane, &LivePreviewPane::pageDrawn, [&drawnCount] { ++drawnCount; });
    std::printf("ms: median [best-worst] of %d edits\n", kEdits);
    std::printf("%-8s %6s %-22s %-22s %-22s %12s %14s\n", "dialect", "items", "entry edit (in place)",
                "name key (load anew)", "floor (no change)", "held: drawn", "after last ms");
    for (CodeDialect dialect : {CodeDialect::Classic, CodeDialect::Html5}) {
        for (int count : counts) {
            // Loaded as a project file: one undoable step, as the user loads it.
            const QString path = settings.filePath(QStringLiteral("menu.qnv"));
            QString error;
            if (!ProjectFile::save(path, project(count, dialect), &error)
                || !window.document()->load(path, &error) || !waitForDrawn(pane)) {
                std::printf("Could not show the %d-item project: %s\n", count, qPrintable(error));
                return 1;
            }
            list->setCurrentIndex(list->model()->index(count / 2, 0));
            const auto inPlace = time(pane, indent);
            const auto anew = time(pane, press);
            const auto floor = time(pane, [pane](int) { pane->updateNow(); });
            if (!inPlace || !anew || !floor) {
                std::printf("An update was never drawn.\n");
                return 1;
            }
            // A held key: the pages drawn meanwhile, then the last keystroke's page.
            pause(kQuietMs);
            drawnCount = 0;
            QElapsedTimer sinceLast;
            for (int k = 0; k < kHeldKeys; ++k) {
                if (k)
                    pause(kRepeatMs);
                indent(k);
                sinceLast.start();
            }
            const int drawnWhileHeld = drawnCount;
            double afterLast = -1; // the last page drawn, once none follows for half a second
            for (int timeout = 5000; waitForDrawn(pane, timeout); timeout = 500)
                afterLast = sinceLast.nsecsElapsed() / 1e6;
            std::printf("%-8s %6d %-22s %-22s %-22s %12d %14.1f\n",
                        dialect == CodeDialect::Html5 ? "HTML5" : "Classic", count,
                        shown(*inPlace).constData(), shown(*anew).constData(), shown(*floor).constData(),
                        drawnWhileHeld, afterLast);
        }
    }
    std::printf("goals: an edit's median at most 50 ms (500 items), 150 ms (10,000 items)\n");
    return 0;
}
