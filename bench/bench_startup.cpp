// Time from process start to the main window shown, against a bare
// QMainWindow started by the same executable, with this machine's fonts and
// with 2,000 and 4,000 extra font families (tiny generated fonts in a private
// fontconfig folder). The main window's start-up builds both style dialogs
// and fills their font lists; the time of reading the fonts alone (the font
// configuration and Qt's font database) is measured in the bare window's
// process after its start. Prints the median of several runs (5, or as
// many as the first argument says) and their spread, and the ratio to the
// bare window, in wall time and in the processor time of the process
// (which other work on a busy machine disturbs far less).
//
// A third window shows what any window with Quillnav's kind of content pays
// before its own controls: a QMainWindow with a menu bar, a tool bar and a
// line of text in the design font, fonts configured as Quillnav does and the
// installed families read once. Its ratio to the bare window is the part of
// Quillnav's ratio that Qt's font database, text and the bars' icons take.
#include "BenchApp.h"
#include "BenchTiming.h"
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
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolBar>
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

enum class Child { Bare, Floor, App };

int child(int argc, char *argv[], Child kind)
{
    const bool app = kind == Child::App;
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
    if (kind == Child::Floor) {
        LoadFontConfiguration();
        livepreview::prepareApplication();
    }
    QApplication a(argc, argv);
    // The font is set before any widget exists, as Quillnav sets it: a widget
    // made earlier matches the platform's default font against every family
    // (with 2,000 extra families, seven times the work of Quillnav's start-up).
    if (kind == Child::Floor)
        QApplication::setFont(Form1::designFont());
    QMainWindow window;
    window.resize(588, 440);
    if (kind == Child::Floor) {
        window.menuBar()->addMenu(QStringLiteral("&File"));
        window.addToolBar(QStringLiteral("Tools"))->addAction(QStringLiteral("New"));
        window.setCentralWidget(new QLabel(QStringLiteral("Item Properties: Menu Options: List:"), &window));
        const int families = int(StartupSelection::installedFontFamilies().size());
        waitShown(window);
        std::printf("shown %d 0 %.1f\n", families, processCpuMs());
        std::fflush(stdout);
        std::_Exit(0);
    }
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

// The reports of one window's starts, one entry per run.
struct Runs {
    QList<double> ms;       // wall time, start to window shown
    QList<double> cpuMs;    // processor time of the process until then
    QList<double> windowMs; // Quillnav's main window made (its start-up included)
    QList<double> fontsMs;  // the fonts' reading alone (bare runs)
    int families = 0;
};

// One start of a child, in ms of wall time, with its report.
void start(const QString &mode, const QProcessEnvironment &env, Runs *runs)
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
    const QList<QByteArray> report = lines.value(0).split(' ').mid(1); // families, window ms, processor ms
    if (!runs)
        return;
    runs->ms << ms;
    runs->families = report.value(0).toInt();
    runs->windowMs << report.value(1).toDouble();
    runs->cpuMs << report.value(2).toDouble();
    if (lines.value(1).startsWith("fonts "))
        runs->fontsMs << lines.value(1).mid(6).toDouble();
}

// The starts of the three windows in one set-up.
struct Measured {
    Runs bare, floor, app;
};

// `runs` starts of each window, the bare window, the floor and Quillnav's
// taking turns, so that a busy moment of the machine falls on all alike; each
// turn gives one ratio.
Measured measure(const QProcessEnvironment &env, int runs)
{
    const QString bare = QStringLiteral("bare"), floor = QStringLiteral("floor"), app = QStringLiteral("app");
    start(bare, env, nullptr); // the first starts fill the font caches
    start(floor, env, nullptr);
    start(app, env, nullptr);
    Measured all;
    for (int r = 0; r < runs; ++r) {
        start(bare, env, &all.bare);
        start(floor, env, &all.floor);
        start(app, env, &all.app);
    }
    return all;
}

QList<double> ratios(const QList<double> &a, const QList<double> &b)
{
    QList<double> out;
    for (qsizetype i = 0; i < a.size() && i < b.size(); ++i)
        out << a[i] / b[i];
    return out;
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
        return child(argc, argv,
                     qstrcmp(argv[2], "app") == 0     ? Child::App
                     : qstrcmp(argv[2], "floor") == 0 ? Child::Floor
                                                      : Child::Bare);
    if (argc == 4 && qstrcmp(argv[1], "--write-fonts") == 0) {
        // For profiling a child by hand: FOLDER gets COUNT extra families
        // and a configuration to name in FONTCONFIG_FILE.
        QCoreApplication a(argc, argv);
        const QString dir = QFile::decodeName(argv[2]);
        const QString fonts = makeFonts(dir, "fonts", 0, atoi(argv[3]));
        std::printf("FONTCONFIG_FILE=%s\n",
                    qPrintable(withFonts(dir, "extra", {fonts}).value(QStringLiteral("FONTCONFIG_FILE"))));
        return 0;
    }

    bench::freshSettings(); // the children's too
    QCoreApplication a(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir root;
    const QString half1 = makeFonts(root.path(), "a", 0, 1000);
    const QString half2 = makeFonts(root.path(), "b", 1000, 1000);
    const QString more = makeFonts(root.path(), "c", 2000, 2000);
    const QList<QPair<QString, QProcessEnvironment>> setups{
        {QStringLiteral("this machine's fonts"), QProcessEnvironment::systemEnvironment()},
        {QStringLiteral("+2,000 families"), withFonts(root.path(), "f2000", {half1, half2})},
        {QStringLiteral("+4,000 families"), withFonts(root.path(), "f4000", {half1, half2, more})},
    };
    std::printf("start to window shown, median of %d runs in turn (spread: largest less least);"
                " goals: ratio at most 1.2 with this machine's fonts, 1.4 with 2,000 more\n",
                runs);
    QList<double> starts; // Quillnav's median time per setup
    for (const auto &[label, env] : setups) {
        const auto [bare, floor, app] = measure(env, runs);
        const MedianSpread appMs = medianSpread(app.ms), bareMs = medianSpread(bare.ms);
        const MedianSpread ratio = medianSpread(ratios(app.ms, bare.ms));
        const MedianSpread appCpu = medianSpread(app.cpuMs), bareCpu = medianSpread(bare.cpuMs);
        const MedianSpread cpuRatio = medianSpread(ratios(app.cpuMs, bare.cpuMs));
        std::printf("  %-20s families %5d\n", qPrintable(label), app.families);
        std::printf(
            "    wall       Quillnav %6.1f ms (spread %5.1f)  bare QMainWindow %6.1f ms (spread %5.1f)"
            "  ratio %.2f (spread %.2f)\n",
            appMs.median, appMs.spread, bareMs.median, bareMs.spread, ratio.median, ratio.spread);
        std::printf(
            "    processor  Quillnav %6.1f ms (spread %5.1f)  bare QMainWindow %6.1f ms (spread %5.1f)"
            "  ratio %.2f (spread %.2f)\n",
            appCpu.median, appCpu.spread, bareCpu.median, bareCpu.spread, cpuRatio.median, cpuRatio.spread);
        std::printf("    floor      menu bar, tool bar, a label, the families read: wall %6.1f ms, processor"
                    " %6.1f ms; ratio to bare %.2f (processor %.2f)\n",
                    medianSpread(floor.ms).median, medianSpread(floor.cpuMs).median,
                    medianSpread(ratios(floor.ms, bare.ms)).median,
                    medianSpread(ratios(floor.cpuMs, bare.cpuMs)).median);
        std::printf("    main window made in %.1f ms; the fonts read alone %.1f ms\n",
                    medianSpread(app.windowMs).median, medianSpread(bare.fontsMs).median);
        starts << appMs.median;
    }
    // Linear growth adds about the same time for each further 1,000 families.
    std::printf("  growth per 1,000 families: %+.1f ms (0 to 2,000), %+.1f ms (2,000 to 4,000)\n",
                (starts[1] - starts[0]) / 2, (starts[2] - starts[1]) / 2);
    return 0;
}
