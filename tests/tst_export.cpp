// The command-line export through the real executable: output bytes, exit
// codes and the messages on stderr.
#include "codegen/MenuCodeGenerator.h"
#include "codegen/SavedCodePage.h"
#include "menu/ProjectFile.h"
#include "support/TestFiles.h"

#include <QtTest>

namespace {

MenuProject sample()
{
    return testfiles::sampleProject();
}

// Many chunks of the streamed export: texts longer than a chunk, surrogate
// pairs at every offset, an unpaired surrogate, markup to escape, plain
// texts of changing length (read into one reused item).
MenuProject large(CodeDialect dialect)
{
    MenuProject p = sample();
    p.dialect = dialect;
    for (int i = 0; i < 3000; ++i)
        p.items.append({QString(i % 7, 'x') + (i % 3 ? QString("\U0001F600").repeated(20) + " <&\"'>" : ""),
                        "Yes", QString("u?%1&b").arg(i), "No"});
    p.items.append({QString(ProjectFile::kMaxTextLength - 2, 'y') + QChar(0xD800) + 'z', "No", "", "No"});
    return p;
}

} // namespace

using testfiles::Run;
using testfiles::runQuillnav;

class TestExport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QFileInfo(testpaths::binary()).isExecutable());
    }

    void generatesExactBytes_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QByteArray>("expected");

        const MenuCode bare = GenerateMenuCode(codegen::kCodeMode, sample());
        const MenuCode preview = GenerateMenuCode(codegen::kPreviewMode, sample());
        QTest::newRow("page by default") << QStringList{} << SavedCodePage::bytes(bare);
        QTest::newRow("head") << QStringList{"--part", "head"} << bare.head.toUtf8();
        QTest::newRow("body") << QStringList{"--part", "body"} << bare.body.toUtf8();
        QTest::newRow("preview body")
            << QStringList{"--part", "body", "--preview-mode"} << preview.body.toUtf8();
        QTest::newRow("preview page") << QStringList{"--preview-mode"} << SavedCodePage::bytes(preview);
        QTest::newRow("to a file") << QStringList{"-o", m_dir.filePath("menu.html")}
                                   << SavedCodePage::bytes(bare);
    }

    void generatesExactBytes()
    {
        QFETCH(QStringList, extra);
        QFETCH(QByteArray, expected);
        const Run run = runQuillnav(QStringList{"--generate", project("ok.qnv", sample())} + extra);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        const QByteArray out = extra.contains("-o") ? testfiles::readAll(extra.last()) : run.out;
        QCOMPARE(out, expected);
        QVERIFY(!out.startsWith("\xEF\xBB\xBF"));
        if (expected.contains("<OPTION")) // UTF-8, nothing lost
            QVERIFY(out.contains("\xE6\x97\xA5\xE6\x9C\xAC\xC2\xA0<Caf\xC3\xA9>"));
    }

    void streamsLargeMenus_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QByteArray>("expected");
        const QString classic = project("large.qnv", large(CodeDialect::Classic));
        const MenuCode code = GenerateMenuCode(codegen::kCodeMode, large(CodeDialect::Classic));
        const MenuCode html5 = GenerateMenuCode(codegen::kPreviewMode, large(CodeDialect::Html5));
        const QString out = m_dir.filePath("large.html");
        QTest::newRow("classic page") << QStringList{classic, "-o", out} << SavedCodePage::bytes(code);
        QTest::newRow("HTML5 preview body")
            << QStringList{classic, "--dialect", "html5", "--part", "body", "--preview-mode"}
            << html5.body.toUtf8();
        QTest::newRow("HTML5 page") << QStringList{project("large5.qnv", large(CodeDialect::Html5))}
                                    << SavedCodePage::bytes(
                                           GenerateMenuCode(codegen::kCodeMode, large(CodeDialect::Html5)));
    }

    void streamsLargeMenus()
    {
        QFETCH(QStringList, extra);
        QFETCH(QByteArray, expected);
        const Run run = runQuillnav(QStringList{"--generate"} + extra);
        QCOMPARE(run.exitCode, 0);
        const QByteArray out = extra.contains("-o") ? testfiles::readAll(extra.last()) : run.out;
        QCOMPARE(out.size(), expected.size());
        QVERIFY(out == expected);
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");

        MenuProject empty = sample();
        empty.items.clear();
        MenuProject noFrame = sample();
        noFrame.options.linkTarget = MenuOptions::DifferentFrame;
        noFrame.options.menuName.clear(); // the frame check comes first
        const QString ok = project("ok.qnv", sample());
        const QString bad = m_dir.filePath("bad.qnv");
        QVERIFY(testfiles::writeAll(
            bad, "{ \"format\": \"quillnav-menu-project\", \"version\": 1, \"items\": [ }"));

        QTest::newRow("missing file")
            << QStringList{"--generate", m_dir.filePath("none.qnv")} << 1 << m_dir.filePath("none.qnv");
        QTest::newRow("invalid file") << QStringList{"--generate", bad} << 1 << "JSON syntax error at line 1";
        QTest::newRow("empty list") << QStringList{"--generate", project("empty.qnv", empty)} << 1
                                    << "The menu has no items.";
        QTest::newRow("no frame name") << QStringList{"--generate", project("noframe.qnv", noFrame)} << 1
                                       << "You have chosen to use a different frame";
        QTest::newRow("unwritable output")
            << QStringList{"--generate", ok, "-o", ok + "/x.html"} << 1 << "Could not write";
        QTest::newRow("bad part") << QStringList{"--generate", ok, "--part", "all"} << 2
                                  << "--part takes head, body or page";
        QTest::newRow("preview one arg") << QStringList{"--write-preview", ok} << 2 << "needs a folder";
        // A graphic button without address passes the generator's checks when the
        // menu navigates on item change, but the preview refuses it.
        MenuProject noGraphic = sample();
        noGraphic.options.navigation = MenuOptions::OnItemChange;
        noGraphic.options.buttonKind = MenuOptions::GraphicButton;
        QTest::newRow("preview of a graphic without address")
            << QStringList{"--write-preview", m_dir.path(), project("nographic.qnv", noGraphic)} << 1
            << "You have chosen to use a graphic style button";
        QTest::newRow("preview into a file")
            << QStringList{"--write-preview", ok, ok} << 1 << "is not a folder";
        // Separators as long as the longest text: the file is small, its code is not.
        MenuProject hugeCode = sample();
        hugeCode.items = {{QString(ProjectFile::kMaxTextLength, 'x'), "No", "", "No"}};
        hugeCode.items.append(QList<MenuItem>(ProjectFile::kMaxCodeLength / ProjectFile::kMaxTextLength + 1,
                                              {menutext::kSeparatorText, "No", "", "No"}));
        const QString huge = project("huge.qnv", hugeCode);
        QTest::newRow("code over 256 MiB") << QStringList{"--generate", huge} << 1
                                           << "\"" + huge
                                                  + "\" is not a valid menu project: the menu's generated "
                                                    "code would pass the limit of 256 MiB";
    }

    void failures()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Run run = runQuillnav(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }

    void writePreview()
    {
        // All pages, and nothing else (no staging folder is left behind).
        QTemporaryDir out;
        const Run ok = runQuillnav({"--write-preview", out.path(), project("ok.qnv", sample())});
        QCOMPARE(ok.exitCode, 0);
        QCOMPARE(
            QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList({"98127630.html", "quillnav_preview_frame2.html", "quillnav_preview_frameset.html"}));
    }

    void withoutWindowModule_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("export") << QStringList{"--generate", project("ok.qnv", sample())} << 0 << QString();
        QVERIFY(QDir().mkpath(m_dir.filePath("alone")));
        QVERIFY(QFile::copy(testpaths::binary(), m_dir.filePath("alone/quillnav")));
        const QString module = m_dir.filePath("alone/libquillnav_windows.so");
        QTest::newRow("window") << QStringList{} << 1 << module + ": cannot open shared object file";
        const QString server = m_dir.filePath("alone/libquillnav_server.so");
        QTest::newRow("upload") << QStringList{"--upload", project("ok.qnv", sample()), "--server",
                                               "sftp://h/"}
                                << 1
                                << "could not load its server transfers:\n  " + server
                                       + ": cannot open shared object file";
    }

    void withoutWindowModule()
    {
        // The export never loads the modules; a window or a transfer without
        // its module names the file.
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Run run = runQuillnav(args, RLIM_INFINITY, m_dir.filePath("alone/quillnav"));
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(message.isEmpty() ? run.err.isEmpty() : run.err.contains(message), qPrintable(run.err));
    }

private:
    QString project(const QString &name, const MenuProject &p)
    {
        const QString path = m_dir.filePath(name);
        if (!testfiles::saveProject(path, p))
            qFatal("cannot save %s", qPrintable(path));
        return path;
    }
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
