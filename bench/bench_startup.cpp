// Time from process start to the main window shown, against a bare
// QMainWindow started by the same executable, with this machine's fonts and
// with 1,000, 2,000 and 4,000 extra font families (tiny generated fonts in a private
// fontconfig folder). The main window's start-up builds both style dialogs
// and fills their font lists; the time of reading the fonts alone (the font
// configuration and Qt's font database) is measured in the bare window's
// process after its start. Prints the best of several runs and the ratio
// to the bare window, in wall time and in the processor time of the process
// (which other work on a busy machine disturbs far less).
#include "BenchApp.h"
#include "TinyFont.h"
#include "app/MenuDocument.h"
#include "app/StartupSelection.h"
#include "app/ui/Form1.h"
#include "app/ui/LivePreviewEngine.h"
#include "app/ui/StartupFontLists.h"
#include "platform/ui/FontConfigStart.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

double processCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

void waitShown(QWidget &window)
{
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

int child(int argc, char *argv[], bool app)
{
    // Quillnav starts as main does, and reports as soon as its window is
    // shown (closing it is not measured).
    if (app) {
        LoadFontConfiguration();
        livepreview::prepareApplication();
        QApplication a(argc, argv);
        QApplication::setFont(Form1::designFont());
        QElapsedTimer t;
        t.start();
        // The main window's start-up: the font database read, both style
        // dialogs, their font lists filled behind the splash, the records.
        Form1 window;
        const double windowMs = t.nsecsElapsed() / 1e6;
        const int families = int(window.styleFontLists().menuFonts->count());
        waitShown(window);
        std::printf("shown %d %.1f %.1f\n", families, windowMs, processCpuMs());
        std::fflush(stdout);
        std::_Exit(0);
    }
    QApplication a(argc, argv);
    QMainWindow window;
    window.resize(588, 440);
    waitShown(window);
    std::printf("shown 0 0 %.1f\n", processCpuMs());
    std::fflush(stdout);
    // Once the bare window's start is measured, it reads the fonts as
    // Quillnav does (configuration and database), which the report shows
    // apart.
    QElapsedTimer t;
    t.start();
    LoadFontConfiguration();
    StartupSelection::installedFontFamilies();
    std::printf("fonts %.1f\n", t.nsecsElapsed() / 1e6);
    std::fflush(stdout);
    std::_Exit(0);
}

struct Result {
    double ms = 1e300;
    QList<QByteArray> report; // families, main window ms, processor ms
    double cpuMs = 1e300;     // the least processor time of the runs
    double fontsMs = 1e300;   // the least time of the fonts' reading (bare runs)
};

// One start of a child, in ms of wall time, with its report.
double start(const QString &mode, const QProcessEnvironment &env, Result *best)
{
    QProcess p;
    p.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), mode});
    if (!p.waitForReadyRead(120000))
        qFatal("child %s did not start", qPrintable(mode));
    const double ms = t.nsecsElapsed() / 1e6;
    p.waitForFinished();
    const QList<QByteArray> lines = p.readAllStandardOutput().trimmed().split('\n');
    const QList<QByteArray> report = lines.value(0).split(' ').mid(1);
    if (best) {
        if (ms < best->ms) {
            best->ms = ms;
            best->report = report;
        }
        best->cpuMs = std::min(best->cpuMs, report.value(2).toDouble());
        if (lines.value(1).startsWith("fonts "))
            best->fontsMs = std::min(best->fontsMs, lines.value(1).mid(6).toDouble());
    }
    return ms;
}

// The best of `runs` starts of each window, the bare window and Quillnav's
// taking turns, so that a busy moment of the machine falls on both alike.
QPair<Result, Result> measure(const QProcessEnvironment &env, int runs)
{
    const QString bare = QStringLiteral("bare"), app = QStringLiteral("app");
    start(bare, env, nullptr); // the first starts fill the font caches
    start(app, env, nullptr);
    QPair<Result, Result> best;
    for (int r = 0; r < runs; ++r) {
        start(bare, env, &best.first);
        start(app, env, &best.second);
    }
    return best;
}

QString makeFonts(const QString &root, const QString &name, int first, int count)
{
    const QString dir = root + '/' + name;
    QDir().mkpath(dir);
    for (int i = first; i < first + count; ++i) {
        QFile f(QStringLiteral("%1/qnbench%2.ttf").arg(dir).arg(i));
        if (!f.open(QIODevice::WriteOnly)
            || f.write(tinyfont::make(QStringLiteral("Qn Bench %1").arg(i, 4, 10, QLatin1Char('0')))) < 0)
            qFatal("cannot write %s", qPrintable(f.fileName()));
    }
    return dir;
}

QProcessEnvironment withFonts(const QString &root, const QString &name, const QStringList &dirs)
{
    QString conf = QStringLiteral("<?xml version=\"1.0\"?>\n<fontconfig>\n<dir>/usr/share/fonts</dir>\n");
    for (const QString &d : dirs)
        conf += QStringLiteral("<dir>%1</dir>\n").arg(d);
    conf += QStringLiteral("<cachedir>%1/cache-%2</cachedir>\n</fontconfig>\n").arg(root, name);
    QFile f(root + '/' + name + ".conf");
    if (!f.open(QIODevice::WriteOnly) || f.write(conf.toUtf8()) < 0)
        qFatal("cannot write %s", qPrintable(f.fileName()));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FONTCONFIG_FILE"), f.fileName());
    return env;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return child(argc, argv, qstrcmp(argv[2], "app") == 0);

    bench::freshSettings(); // the children's too
    QCoreApplication a(argc, argv);
    const int runs = 15;
    QTemporaryDir root;
    const QString half1 = makeFonts(root.path(), "a", 0, 1000);
    const QString half2 = makeFonts(root.path(), "b", 1000, 1000);
    const QString more = makeFonts(root.path(), "c", 2000, 2000);
    const QList<QPair<QString, QProcessEnvironment>> setups{
        {QStringLiteral("this machine's fonts"), QProcessEnvironment::systemEnvironment()},
        {QStringLiteral("+1,000 families"), withFonts(root.path(), "f1000", {half1})},
        {QStringLiteral("+2,000 families"), withFonts(root.path(), "f2000", {half1, half2})},
        {QStringLiteral("+4,000 families"), withFonts(root.path(), "f4000", {half1, half2, more})},
    };
    std::printf("start to window shown, best of %d runs (wall time; processor time of the process)\n", runs);
    QList<double> starts; // Quillnav's time per setup
    for (const auto &[label, env] : setups) {
        const auto [bare, app] = measure(env, runs);
        std::printf("  %-20s families %5s  Quillnav %6.1f ms (main window %s ms; the fonts read"
                    " alone %.1f ms)  bare QMainWindow %6.1f ms  ratio %.2f;  processor %.1f / %.1f ms"
                    "  ratio %.2f\n",
                    qPrintable(label), app.report.value(0).constData(), app.ms,
                    app.report.value(1).constData(), bare.fontsMs, bare.ms, app.ms / bare.ms, app.cpuMs,
                    bare.cpuMs, app.cpuMs / bare.cpuMs);
        starts << app.ms;
    }
    // Linear growth adds about the same time for each further 1,000 families.
    std::printf("  growth per 1,000 families: %+.1f ms (0 to 1,000), %+.1f ms (1,000 to 2,000),"
                " %+.1f ms (2,000 to 4,000)\n",
                starts[1] - starts[0], starts[2] - starts[1], (starts[3] - starts[2]) / 2);
    return 0;
}
