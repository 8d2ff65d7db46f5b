// List edits through the real commands at 10,000 and 100,000 rows: each step
// is the command, its undo step, the availability pass and a repaint; then
// Undo and Redo of the same steps. The goal is a cost per step that does not
// grow with the list: a ratio of about 1 between the two sizes. Times are the
// main thread's CPU time, so that a busy machine does not blur the ratio.
#include "BenchApp.h"
#include "app/MenuDocument.h"
#include "app/ui/Form1.h"
#include "menu/MenuItemModel.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QUndoStack>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

constexpr int kSteps = 200;

double cpuMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

void settle(Form1 &window)
{
    auto *timer1 = window.findChild<QTimer *>(QStringLiteral("Timer1"));
    while (timer1->isActive())
        QCoreApplication::processEvents();
    window.repaint();
    QCoreApplication::processEvents();
}

// Microseconds a step of `step`, run kSteps times from the middle of a list of `rows`.
std::vector<double> measure(int rows)
{
    Form1 window;
    window.show();
    QList<MenuItem> items;
    items.reserve(rows);
    for (int i = 1; i <= rows; ++i)
        items.append({QStringLiteral("Item %1").arg(i), QStringLiteral("Yes"),
                      QStringLiteral("https://example.org/%1.html").arg(i), QStringLiteral("No")});
    window.document()->model()->setItems(items);
    auto *lv = window.findChild<QTableView *>(QStringLiteral("lv"));
    auto *text = window.findChild<QLineEdit *>(QStringLiteral("itemtexttext"));
    auto *link = window.findChild<QLineEdit *>(QStringLiteral("linktext"));
    auto action = [&](const char *name) { return window.findChild<QAction *>(QLatin1String(name)); };
    auto trigger = [&](const char *name) { return [&, name] { action(name)->trigger(); }; };
    auto middle = [&] { lv->setCurrentIndex(window.document()->model()->index(rows / 2, 0)); };
    auto add = [&] {
        text->setText(QStringLiteral("New"));
        link->setText(QStringLiteral("new.html"));
        window.findChild<QPushButton *>(QStringLiteral("additemcmd"))->click();
    };
    const std::pair<const char *, std::function<void()>> commands[] = {
        {"Move Down", trigger("movdn")},
        {"Move Up", trigger("movup")},
        {"Indent",
         [&] {
             middle();
             action("indent")->trigger();
         }},
        {"Un-indent",
         [&] {
             middle();
             action("unindent")->trigger();
         }},
        {"Remove",
         [&] {
             middle();
             action("delete")->trigger();
         }},
        {"Add", add},
    };
    std::vector<double> perStep;
    middle();
    settle(window);
    for (const auto &[name, command] : commands) {
        const double start = cpuMicroseconds();
        for (int i = 0; i < kSteps; ++i) {
            command();
            settle(window);
        }
        perStep.push_back((cpuMicroseconds() - start) / kSteps);
    }
    for (auto *undoOrRedo : {action("mnuEditUndo"), action("mnuEditRedo")}) {
        const double start = cpuMicroseconds();
        for (int i = 0; i < 100; ++i) {
            undoOrRedo->trigger();
            settle(window);
        }
        perStep.push_back((cpuMicroseconds() - start) / 100);
    }
    return perStep;
}

} // namespace

int main(int argc, char *argv[])
{
    BenchApp app(argc, argv);
    std::printf("platform %s, %d steps a command, 100 of Undo and Redo\n",
                qPrintable(QApplication::platformName()), kSteps);
    measure(1000); // warm-up
    const auto small = measure(10000);
    const auto large = measure(100000);
    const char *names[] = {"Move Down", "Move Up", "Indent", "Un-indent", "Remove", "Add", "Undo", "Redo"};
    std::printf("%-10s %14s %14s %8s\n", "step", "10,000 rows", "100,000 rows", "ratio");
    double worst = 0;
    for (size_t i = 0; i < small.size(); ++i) {
        const double ratio = large[i] / small[i];
        worst = std::max(worst, ratio);
        std::printf("%-10s %11.1f us %11.1f us %8.2f\n", names[i], small[i], large[i], ratio);
    }
    std::printf("largest ratio 100,000 / 10,000 rows: %.2f (constant cost: about 1)\n", worst);
    return 0;
}
