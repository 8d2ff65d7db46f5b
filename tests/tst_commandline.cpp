// The command line: Qt's own options beside the program's, in any order and
// in the forms QCommandLineParser reads, through the real program; and Qt's
// options handed to the window's QApplication.
#include "app/CommandLine.h"
#include "codegen/MenuCodeGenerator.h"
#include "codegen/SavedCodePage.h"
#include "menu/ProjectFile.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

namespace {

MenuProject sample()
{
    MenuProject p;
    p.options.menuName = "M";
    p.items = {{"Home", "Yes", "index.html", "Yes"}, {"About", "Yes", "about.html", "No"}};
    return p;
}

// Starts the program in folder, without a display unless env names a platform,
// and without core files (a window that cannot start ends in abort()).
void start(QProcess &process, const QString &folder, const QStringList &args, const QStringList &env = {})
{
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_LOGGING_RULES"})
        e.remove(name);
    for (const QString &pair : env)
        e.insert(pair.section('=', 0, 0), pair.section('=', 1));
    process.setProcessEnvironment(e);
    process.setWorkingDirectory(folder);
    process.setChildProcessModifier([] {
        const rlimit none{0, 0};
        setrlimit(RLIMIT_CORE, &none);
    });
    process.start(testpaths::binary(), args);
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void splitsQtOptions_data();
    void splitsQtOptions();
    void realProgram_data();
    void realProgram();
    void windowGetsQtOptions_data();
    void windowGetsQtOptions();

private:
    QTemporaryDir m_dir;
};

void TestCommandLine::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QString error;
    QVERIFY(ProjectFile::save(m_dir.filePath("menu.qnv"), sample(), &error));
    QVERIFY(ProjectFile::save(m_dir.filePath("-menu.qnv"), sample(), &error));
}

void TestCommandLine::splitsQtOptions_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("qt");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("error");

    QTest::newRow("switch and value") << QStringList{"-style", "Fusion", "menu.qnv", "-reverse"}
                                      << QStringList{"-style", "Fusion", "-reverse"} << QStringList{"menu.qnv"} << "";
    QTest::newRow("two dashes") << QStringList{"--platform", "offscreen", "--reverse"}
                                << QStringList{"--platform", "offscreen", "--reverse"} << QStringList{} << "";
    QTest::newRow("equals that Qt reads") << QStringList{"-style=Fusion", "--stylesheet=a.qss"}
                                          << QStringList{"-style=Fusion", "--stylesheet=a.qss"} << QStringList{} << "";
    QTest::newRow("equals that Qt does not read")
        << QStringList{"-platform=offscreen", "--qwindowtitle=A=B"}
        << QStringList{"-platform", "offscreen", "--qwindowtitle", "A=B"} << QStringList{} << "";
    QTest::newRow("a value like an option, as Qt reads it")
        << QStringList{"-qwindowtitle", "--generate", "-style", "-reverse"}
        << QStringList{"-qwindowtitle", "--generate", "-style", "-reverse"} << QStringList{} << "";
    QTest::newRow("the program's value") << QStringList{"--import", "p.html", "-o", "-reverse", "--select", "-style"}
                                         << QStringList{} << QStringList{"p.html"} << "";
    QTest::newRow("after --") << QStringList{"-reverse", "--", "-style"} << QStringList{"-reverse"}
                              << QStringList{"-style"} << "";
    // Every option that Qt reads is Qt's; here the arguments are all Qt's.
    const QStringList gui{"-platformpluginpath", "/p", "-platformtheme", "gtk3", "-plugin", "evdevtouch",
                          "-qwindowgeometry", "640x480", "-qwindowicon", "q.png", "-session", "s_k",
                          "-widgetcount", "-testability", "-qmljsdebugger=port:1", "-qdevel", "-qdebug"};
    QTest::newRow("gui and widgets") << gui << gui << QStringList{} << "";
    const QStringList xcb{"-display", ":1", "-name", "q", "-visual", "0x21", "-nograb", "-dograb",
                          "-geometry", "10x10", "-title", "T", "-icon", "i.png"};
    QTest::newRow("xcb") << xcb + QStringList{"menu.qnv"} << xcb << QStringList{"menu.qnv"} << "";
    QTest::newRow("missing value") << QStringList{"menu.qnv", "-style"} << QStringList{} << QStringList{}
                                   << "Missing value after '-style'.";
    QTest::newRow("switch with a value") << QStringList{"--reverse=1"} << QStringList{} << QStringList{}
                                         << "Unexpected value after '--reverse'.";
}

void TestCommandLine::splitsQtOptions()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, qt);
    QFETCH(QStringList, files);
    QFETCH(QString, error);
    const CommandLine c = CommandLine::parse(args);
    QCOMPARE(c.mode == CommandLine::Error, !error.isEmpty());
    QVERIFY2(error.isEmpty() || c.text.startsWith(error), qPrintable(c.text));
    QCOMPARE(c.qtOptions, qt);
    QCOMPARE(c.files, files);
}

void TestCommandLine::realProgram_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // on stderr
    QTest::addColumn<QString>("output");  // the file written, or "" for standard output
    QTest::addColumn<QByteArray>("expected");

    const MenuCode code = GenerateMenuCode(codegen::kCodeMode, sample());
    const QByteArray page = SavedCodePage::bytes(code);
    const QByteArray head = code.head.toUtf8();
    QTest::newRow("--part=head") << QStringList{"--generate", "menu.qnv", "--part=head"} << 0 << "" << "" << head;
    QTest::newRow("--output=FILE") << QStringList{"--generate", "menu.qnv", "--output=out.html"} << 0 << ""
                                   << "out.html" << page;
    QTest::newRow("options first") << QStringList{"-o", "body.html", "--part", "body", "--generate", "menu.qnv"}
                                   << 0 << "" << "body.html" << code.body.toUtf8();
    QTest::newRow("-- before a file with a dash") << QStringList{"--generate", "--part", "head", "--", "-menu.qnv"}
                                                  << 0 << "" << "" << head;
    QTest::newRow("an output named like Qt's option") << QStringList{"--generate", "menu.qnv", "-o", "-reverse"}
                                                      << 0 << "" << "-reverse" << page;
    QTest::newRow("Qt's options without a window")
        << QStringList{"-style", "Fusion", "--generate", "-reverse", "menu.qnv", "-platform=none-such",
                       "--stylesheet=none.qss", "--part", "head"}
        << 0 << "" << "" << head;
    QTest::newRow("Qt's options with --version") << QStringList{"-style", "Fusion", "-reverse", "--version"} << 0
                                                  << "" << "" << QByteArray("Quillnav 1.2\n");
    QTest::newRow("wrong option named") << QStringList{"--generate", "menu.qnv", "--frobnicate"} << 2
                                        << "Unknown option 'frobnicate'." << "" << QByteArray();
    QTest::newRow("Qt's option without its value") << QStringList{"--generate", "menu.qnv", "-style"} << 2
                                                   << "Missing value after '-style'." << "" << QByteArray();
    QTest::newRow("another mode's option") << QStringList{"--import", "p.html", "-o", "p.qnv", "--part", "head"}
                                           << 2 << "--part is an option of --generate." << "" << QByteArray();
    QTest::newRow("two modes") << QStringList{"--generate", "menu.qnv", "--import", "p.html"} << 2
                               << "Give only one of --generate and --import." << "" << QByteArray();
    QTest::newRow("a window without a display") << QStringList{"-style", "Fusion", "menu.qnv"} << 1
                                                << "No display found" << "" << QByteArray();
}

void TestCommandLine::realProgram()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QFETCH(QString, output);
    QFETCH(QByteArray, expected);
    QProcess process;
    start(process, m_dir.path(), args);
    QVERIFY(process.waitForFinished(30000));
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitCode(), exitCode);
    QVERIFY2(message.isEmpty() ? err.isEmpty() : err.contains(message), qPrintable(err));
    if (exitCode == 2)
        QVERIFY2(err.contains("Usage: quillnav"), qPrintable(err));
    QCOMPARE(output.isEmpty() ? process.readAllStandardOutput() : testfiles::readAll(m_dir.filePath(output)),
             expected);
}

void TestCommandLine::windowGetsQtOptions_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("env");
    QTest::addColumn<QString>("message"); // Qt's own, from QApplication

    // Qt stops a program whose platform it cannot load: the option got through.
    QTest::newRow("-platform") << QStringList{"-style", "Fusion", "-platform", "none-such", "-reverse", "menu.qnv"}
                               << QStringList{} << "platform plugin \"none-such\"";
    QTest::newRow("-style") << QStringList{"-reverse", "-style", "none-such", "--", "-menu.qnv"}
                            << QStringList{"QT_QPA_PLATFORM=offscreen"}
                            << "invalid style override 'none-such'";
}

void TestCommandLine::windowGetsQtOptions()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, env);
    QFETCH(QString, message);
    QProcess process;
    start(process, m_dir.path(), args, env);
    QString err;
    QDeadlineTimer deadline(60000);
    while (!err.contains(message) && process.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        process.waitForReadyRead(1000);
        err += QString::fromLocal8Bit(process.readAllStandardError());
    }
    process.kill(); // the window stays open
    process.waitForFinished();
    err += QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(err.contains(message), qPrintable(err));
    QVERIFY2(!err.contains("Unknown option"), qPrintable(err));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
