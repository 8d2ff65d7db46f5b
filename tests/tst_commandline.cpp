// The command line: Qt's own options beside the program's, in any order and
// in the forms QCommandLineParser reads, through the real program; and Qt's
// options handed to the window's QApplication.
#include "app/CommandLine.h"
#include "codegen/MenuCodeGenerator.h"
#include "codegen/SavedCodePage.h"
#include "menu/ProjectFile.h"
#include "support/TestFiles.h"

#include <QtTest>

#include <sys/resource.h>

namespace {

MenuProject sample()
{
    return testfiles::sampleProject();
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
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(testfiles::saveProject(m_dir.filePath("menu.qnv"), sample()));
        QVERIFY(testfiles::saveProject(m_dir.filePath("-menu.qnv"), sample()));
    }

    void splitsQtOptions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("qt");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("error");
        const auto list = [](const QJsonValue &v) { return v.toVariant().toStringList(); };
        for (const QJsonArray &r : testfiles::tableRows("qt-options.json"))
            QTest::newRow(qPrintable(r[0].toString()))
                << list(r[1]) << list(r[2]) << list(r[3]) << r[4].toString();
    }

    void splitsQtOptions()
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

    void realProgram_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");     // on stderr
        QTest::addColumn<QString>("output");      // the file written, or "" for standard output
        QTest::addColumn<QByteArray>("expected"); // in the table: the part of the code, or the bytes
        const MenuCode code = GenerateMenuCode(codegen::kCodeMode, sample());
        const QHash<QString, QByteArray> parts{
            {"head", code.head.toUtf8()}, {"body", code.body.toUtf8()}, {"page", SavedCodePage::bytes(code)}};
        for (const QJsonArray &r : testfiles::tableRows("command-lines.json"))
            QTest::newRow(qPrintable(r[0].toString()))
                << r[1].toVariant().toStringList() << r[2].toInt() << r[3].toString() << r[4].toString()
                << parts.value(r[5].toString(), r[5].toString().toUtf8());
    }

    void realProgram()
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
        QCOMPARE(output.isEmpty() ? process.readAllStandardOutput()
                                  : testfiles::readAll(m_dir.filePath(output)),
                 expected);
    }

    void windowGetsQtOptions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("env");
        QTest::addColumn<QString>("message"); // Qt's own, from QApplication

        // Qt stops a program whose platform it cannot load: the option got through.
        QTest::newRow("-platform") << QStringList{"-style",    "Fusion",   "-platform",
                                                  "none-such", "-reverse", "menu.qnv"}
                                   << QStringList{} << "platform plugin \"none-such\"";
        QTest::newRow("-style") << QStringList{"-reverse", "-style", "none-such", "--", "-menu.qnv"}
                                << QStringList{"QT_QPA_PLATFORM=offscreen"}
                                << "invalid style override 'none-such'";
    }

    void windowGetsQtOptions()
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

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
