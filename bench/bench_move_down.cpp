// Move Down of the first row to the end of the list, one step at a time
// through the real list toolbar button, each step followed by its
// availability pass and repaint. Lists of 1,000 and 10,000 rows; the goal is
// linear cost, a ratio of about 10 between the two totals.
#include "app/ui/Form1.h"
#include "menu/MenuItemModel.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QTreeView>
#include <cstdio>

namespace {

void settle(QTimer *timer1)
{
    while (timer1->isActive())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

double moveFirstRowToEnd(int rows)
{
    Form1 window;
    window.show();
    auto *timer1 = window.findChild<QTimer *>(QStringLiteral("Timer1"));
    QList<MenuItem> items;
    items.reserve(rows);
    for (int i = 1; i <= rows; ++i)
        items.append({QStringLiteral("Item %1").arg(i), "Yes",
                      QStringLiteral("https://example.org/%1.html").arg(i), "No"});
    window.listModel()->setItems(items);
    auto *lv = window.findChild<QTreeView *>(QStringLiteral("lv"));
    lv->setCurrentIndex(window.listModel()->index(0, 0));
    settle(timer1);
    QAction *moveDown = window.findChild<QAction *>(QStringLiteral("movdn"));

    QElapsedTimer timer;
    timer.start();
    int steps = 0;
    while (moveDown->isEnabled()) {
        moveDown->trigger();
        settle(timer1);
        ++steps;
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    const bool ok = steps == rows - 1 && window.currentPosition() == rows
                    && window.listModel()->at(rows).text == QLatin1String("Item 1");
    std::printf("%6d rows: %6d steps in %9.1f ms  (%7.2f us a step)%s\n", rows, steps, ms,
                1000.0 * ms / std::max(1, steps), ok ? "" : "  WRONG RESULT");
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(Form1::designFont());
    std::printf("platform %s\n", qPrintable(QApplication::platformName()));
    moveFirstRowToEnd(200); // warm-up
    const double small = moveFirstRowToEnd(1000);
    const double large = moveFirstRowToEnd(10000);
    std::printf("ratio 10,000 / 1,000 rows: %.1f (linear: about 10)\n", large / small);
    return 0;
}
