// CPU time of the shown main window while the user does nothing: 10 s of idle
// event loop (goal: under 0.2 % of one core). For comparison, the same window
// with a free-running 1 ms timer that runs the availability pass on every
// tick, as a polling design would. Prints the process CPU time, its share of
// one core and the number of passes run. Optional argument: seconds per
// measurement. BENCH_NO_CARET=1 stops the text cursor's blinking, to tell its
// repaints apart from the window's own work.
#include "BenchApp.h"
#include "app/MenuDocument.h"
#include "app/ui/Form1.h"
#include "menu/MenuItemModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

struct Sample {
    double wallS;
    double cpuS;
    int passes;
};

// Runs the event loop for ms milliseconds; passes counts the ticks of `ticking`.
Sample idleFor(QTimer *ticking, int ms)
{
    int passes = 0;
    auto counter = QObject::connect(ticking, &QTimer::timeout, [&passes] { ++passes; });
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    QElapsedTimer wall;
    wall.start();
    const double cpu0 = cpuSeconds();
    loop.exec();
    const Sample s{wall.nsecsElapsed() / 1e9, cpuSeconds() - cpu0, passes};
    QObject::disconnect(counter);
    return s;
}

void print(const char *what, const Sample &s)
{
    std::printf("%-44s wall %6.2f s  cpu %7.4f s  = %6.3f %% of a core  passes %d\n", what, s.wallS, s.cpuS,
                100.0 * s.cpuS / s.wallS, s.passes);
}

} // namespace

int main(int argc, char *argv[])
{
    BenchApp app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    if (qEnvironmentVariableIsSet("BENCH_NO_CARET"))
        QApplication::setCursorFlashTime(0);

    Form1 window;
    window.show();
    for (int i = 1; i <= 20; ++i)
        window.document()->model()->appendItem({QStringLiteral("Item %1").arg(i), "Yes", "p.html", "No"});
    auto *timer1 = window.findChild<QTimer *>(QStringLiteral("Timer1"));
    // Let start-up painting and the first passes finish.
    idleFor(timer1, 500);

    std::printf("platform %s, %d s each\n", qPrintable(QApplication::platformName()), seconds);
    print("idle, passes on change (Timer1 single shot)", idleFor(timer1, seconds * 1000));

    QTimer polling;
    polling.setInterval(1);
    QObject::connect(&polling, &QTimer::timeout, &window, &Form1::Timer1_Timer);
    polling.start();
    print("idle, pass every 1 ms (polling, comparison)", idleFor(&polling, seconds * 1000));
    polling.stop();
    return 0;
}
