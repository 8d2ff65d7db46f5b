// The browser preview: the three pages byte for byte, the private folder they
// go into, repeated previews, clean-up, the refusals, links planted in the
// temporary directory, and the command-line page writer.
#include "codegen/MenuCodeGenerator.h"
#include "codegen/OptionsValidation.h"
#include "codegen/PreviewPages.h"
#include "codegen/PreviewSession.h"
#include "codegen/ui/BrowserPreview.h"
#include "menu/ProjectFile.h"
#include "platform/TempFolder.h"
#include "platform/ui/OpenWithShell.h"
#include "support/TempDirOverride.h"
#include "support/ModalWatch.h"
#include "support/TestPaths.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QStringList kPageNames = {PreviewPages::menuPageName(), PreviewPages::framesetPageName(),
                                PreviewPages::noticePageName()};

MenuProject sample(int linkTarget)
{
    MenuProject p;
    p.options.menuName = "nav";
    p.options.linkTarget = linkTarget;
    if (linkTarget == MenuOptions::DifferentFrame)
        p.options.frameName = "content";
    p.items = {{"Home", "Yes", "index.html", "Yes"},
               {"--- Products", "Yes", "products.html", "No"},
               MenuItem::separator(),
               {"Caf\u00e9", "Yes", "cafe.html", "No"},
               {"About  ", "No", "", "No"}};
    return p;
}

QString goldenFolder(int linkTarget)
{
    static const char *const names[] = {"same-window", "new-window", "different-frame"};
    return testpaths::dataFile(QStringLiteral("preview/") + QLatin1String(names[linkTarget]));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<cannot read " + path.toUtf8() + '>';
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    file.write(bytes);
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System
                                  | QDir::Hidden, QDir::Name);
}

// Records what would have been opened instead of opening it.
class ShellRecorder {
public:
    ShellRecorder()
    {
        m_previous = SetShellOpenHook([this](QWidget *, const QUrl &url) { opened << url; });
    }
    ~ShellRecorder() { SetShellOpenHook(m_previous); }
    QList<QUrl> opened;

private:
    ShellOpenHook m_previous;
};

struct Run {
    int exitCode = -1;
    QString err;
};

Run runQuillnav(const QStringList &args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(env);
    process.start(testpaths::binary(), args);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace

class TestPreview : public QObject {
    Q_OBJECT
private slots:
    void init();
    void pagesByteForByte_data();
    void pagesByteForByte();
    void folderIsPrivateAndFresh();
    void twoPreviewsInARow();
    void cleanupRemovesPagesThenFolder();
    void cleanupWithoutPreviewDeletesNothing();
    void graphicButtonWithoutAddressRefused_data();
    void graphicButtonWithoutAddressRefused();
    void unusableTempFolderRefused_data();
    void unusableTempFolderRefused();
    void pageWriteFailureStopsInOrder();
    void plantedLinksNotFollowed();
    void shellUrls_data();
    void shellUrls();
    void writePreviewCommand_data();
    void writePreviewCommand();

private:
    QScopedPointer<QTemporaryDir> m_tmp;
};

void TestPreview::init()
{
    m_tmp.reset(new QTemporaryDir);
    QVERIFY(m_tmp->isValid());
}

void TestPreview::pagesByteForByte_data()
{
    QTest::addColumn<int>("target");
    QTest::newRow("same window") << int(MenuOptions::SameWindow);
    QTest::newRow("new window") << int(MenuOptions::NewWindow);
    QTest::newRow("different frame") << int(MenuOptions::DifferentFrame);
}

void TestPreview::pagesByteForByte()
{
    QFETCH(int, target);
    TempDirOverride temp(m_tmp->path());
    ShellRecorder shell;
    modalwatch::MessageBoxCatcher boxes;
    PreviewSession session;

    QVERIFY(RunBrowserPreview(nullptr, sample(target), session));
    QCOMPARE(boxes.count, 0);
    const QString folder = session.previewFolder();
    QStringList expected = kPageNames;
    expected.sort();
    QCOMPARE(entries(folder), expected);
    for (const QString &name : kPageNames)
        QCOMPARE(readAll(QDir(folder).filePath(name)), readAll(goldenFolder(target) + '/' + name));

    QCOMPARE(shell.opened.size(), 1);
    QCOMPARE(shell.opened.first(), QUrl::fromLocalFile(session.framesetPath()));
    QCOMPARE(QFileInfo(session.framesetPath()).fileName(), PreviewPages::framesetPageName());
}

void TestPreview::folderIsPrivateAndFresh()
{
    TempDirOverride temp(m_tmp->path());
    QCOMPARE(GetTempFolder(), QDir(m_tmp->path()).canonicalPath());
    ShellRecorder shell;
    PreviewSession first;
    PreviewSession second;
    QVERIFY(RunBrowserPreview(nullptr, sample(0), first));
    QVERIFY(RunBrowserPreview(nullptr, sample(0), second));

    const QFileInfo info(first.previewFolder());
    QVERIFY(info.isDir());
    QVERIFY(!info.isSymLink());
    QCOMPARE(info.dir().canonicalPath(), QDir(m_tmp->path()).canonicalPath());
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                            | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                            | QFileDevice::WriteOther | QFileDevice::ExeOther;
    QCOMPARE(info.permissions() & others, QFileDevice::Permissions());
    QVERIFY(info.permissions().testFlag(QFileDevice::WriteOwner));
    // Each run has a folder of its own.
    QVERIFY(first.previewFolder() != second.previewFolder());
}

void TestPreview::twoPreviewsInARow()
{
    TempDirOverride temp(m_tmp->path());
    ShellRecorder shell;
    PreviewSession session;
    QVERIFY(RunBrowserPreview(nullptr, sample(MenuOptions::SameWindow), session));
    const QString folder = session.previewFolder();
    QVERIFY(RunBrowserPreview(nullptr, sample(MenuOptions::DifferentFrame), session));

    QCOMPARE(session.previewFolder(), folder);
    QCOMPARE(entries(m_tmp->path()).size(), 1); // still one folder, no second copy
    QCOMPARE(entries(folder).size(), 3);
    for (const QString &name : kPageNames)
        QCOMPARE(readAll(QDir(folder).filePath(name)),
                 readAll(goldenFolder(MenuOptions::DifferentFrame) + '/' + name));
    QCOMPARE(shell.opened.size(), 2);
    QCOMPARE(shell.opened.at(0), shell.opened.at(1));
}

void TestPreview::cleanupRemovesPagesThenFolder()
{
    TempDirOverride temp(m_tmp->path());
    ShellRecorder shell;
    writeBytes(m_tmp->filePath("unrelated.txt"), "keep me");
    writeBytes(m_tmp->filePath(PreviewPages::menuPageName()), "not ours");

    QString folder;
    {
        PreviewSession session;
        QVERIFY(RunBrowserPreview(nullptr, sample(0), session));
        folder = session.previewFolder();
        session.cleanup();
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY(session.previewFolder().isEmpty());
        session.cleanup(); // a second clean-up is harmless
    }
    QCOMPARE(entries(m_tmp->path()),
             QStringList({PreviewPages::menuPageName(), "unrelated.txt"}));
    QCOMPARE(readAll(m_tmp->filePath(PreviewPages::menuPageName())), QByteArray("not ours"));

    // The destructor cleans up too; a stranger's file in our folder keeps the
    // folder, but the pages go.
    {
        PreviewSession session;
        QVERIFY(RunBrowserPreview(nullptr, sample(0), session));
        folder = session.previewFolder();
        writeBytes(QDir(folder).filePath("extra.txt"), "x");
    }
    QCOMPARE(entries(folder), QStringList({"extra.txt"}));
}

void TestPreview::cleanupWithoutPreviewDeletesNothing()
{
    TempDirOverride temp(m_tmp->path());
    for (const QString &name : kPageNames)
        writeBytes(m_tmp->filePath(name), name.toUtf8());
    {
        PreviewSession session;
        QVERIFY(session.previewFolder().isEmpty());
        QVERIFY(session.framesetPath().isEmpty());
        session.cleanup();
    }
    QCOMPARE(entries(m_tmp->path()).size(), 3);
    for (const QString &name : kPageNames)
        QCOMPARE(readAll(m_tmp->filePath(name)), name.toUtf8());
}

void TestPreview::graphicButtonWithoutAddressRefused_data()
{
    QTest::addColumn<int>("navigation");
    QTest::newRow("navigate on button click") << int(MenuOptions::OnButtonClick);
    QTest::newRow("navigate on item change") << int(MenuOptions::OnItemChange);
}

void TestPreview::graphicButtonWithoutAddressRefused()
{
    QFETCH(int, navigation);
    TempDirOverride temp(m_tmp->path());
    ShellRecorder shell;
    modalwatch::MessageBoxCatcher boxes;
    MenuProject p = sample(0);
    p.options.navigation = navigation;
    p.options.buttonKind = MenuOptions::GraphicButton;
    PreviewSession session;

    QVERIFY(!RunBrowserPreview(nullptr, p, session));
    QCOMPARE(boxes.count, 1);
    QCOMPARE(boxes.title, QStringLiteral("Oops!"));
    QCOMPARE(boxes.text,
             QStringLiteral("You have chosen to use a graphic style button for your menu but have "
                            "not entered a url for the graphic. You must enter a url or choose the "
                            "default style button."));
    QCOMPARE(boxes.icon, QMessageBox::Warning);
    QVERIFY(shell.opened.isEmpty());
    QVERIFY(session.previewFolder().isEmpty());
    QVERIFY(entries(m_tmp->path()).isEmpty());

    // With an address the same project previews.
    p.options.graphicUrl = "go.gif";
    QVERIFY(RunBrowserPreview(nullptr, p, session));
    QCOMPARE(shell.opened.size(), 1);
}

void TestPreview::unusableTempFolderRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("a file") << "file";
    QTest::newRow("read-only") << "read-only";
}

void TestPreview::unusableTempFolderRefused()
{
    QFETCH(QString, kind);
    QString tempPath = m_tmp->filePath("temp");
    if (kind == "file") {
        writeBytes(tempPath, "a file");
    } else if (kind == "read-only") {
        QVERIFY(QDir().mkdir(tempPath));
        QFile::setPermissions(tempPath, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QFile probe(tempPath + "/probe");
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(tempPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                | QFileDevice::ExeOwner);
            QSKIP("This user may write into read-only folders.");
        }
    }
    TempDirOverride temp(tempPath);
    ShellRecorder shell;
    modalwatch::MessageBoxCatcher boxes;
    PreviewSession session;

    QVERIFY(!RunBrowserPreview(nullptr, sample(0), session));
    QCOMPARE(boxes.count, 1);
    QVERIFY2(boxes.text.contains(QDir::toNativeSeparators(tempPath)), qPrintable(boxes.text));
    QVERIFY2(boxes.text.contains("not opened"), qPrintable(boxes.text));
    QCOMPARE(boxes.icon, QMessageBox::Warning);
    QVERIFY(shell.opened.isEmpty());
    QVERIFY(session.previewFolder().isEmpty());
    // Nothing landed anywhere else, such as the working directory.
    QCOMPARE(entries(m_tmp->path()), kind == "missing" ? QStringList() : QStringList({"temp"}));
    QVERIFY(QDir::current().entryList({"quillnav-preview-*"}, QDir::AllEntries).isEmpty());
    if (kind == "read-only")
        QFile::setPermissions(tempPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                            | QFileDevice::ExeOwner);
}

void TestPreview::pageWriteFailureStopsInOrder()
{
    TempDirOverride temp(m_tmp->path());
    ShellRecorder shell;
    PreviewSession session;
    QVERIFY(RunBrowserPreview(nullptr, sample(MenuOptions::SameWindow), session));
    const QDir folder(session.previewFolder());

    // The frameset page's name is taken by a folder: the notice page (written
    // first) is renewed, the menu page (written last) is left alone.
    writeBytes(folder.filePath(PreviewPages::noticePageName()), "old notice");
    QVERIFY(QFile::remove(folder.filePath(PreviewPages::framesetPageName())));
    QVERIFY(folder.mkdir(PreviewPages::framesetPageName()));
    const QByteArray menuBefore = readAll(folder.filePath(PreviewPages::menuPageName()));

    modalwatch::MessageBoxCatcher boxes;
    QVERIFY(!RunBrowserPreview(nullptr, sample(MenuOptions::DifferentFrame), session));
    QCOMPARE(boxes.count, 1);
    QVERIFY2(boxes.text.contains(QDir::toNativeSeparators(session.framesetPath())),
             qPrintable(boxes.text));
    QCOMPARE(shell.opened.size(), 1); // only the first preview opened anything
    QCOMPARE(readAll(folder.filePath(PreviewPages::noticePageName())),
             readAll(goldenFolder(2) + '/' + PreviewPages::noticePageName()));
    QCOMPARE(readAll(folder.filePath(PreviewPages::menuPageName())), menuBefore);
}

void TestPreview::plantedLinksNotFollowed()
{
    TempDirOverride temp(m_tmp->path());
    const QString victim = m_tmp->filePath("victim.txt");
    writeBytes(victim, "precious");
    for (const QString &name : kPageNames)
        QVERIFY(QFile::link(victim, m_tmp->filePath(name)));

    ShellRecorder shell;
    PreviewSession session;
    QVERIFY(RunBrowserPreview(nullptr, sample(2), session));
    QCOMPARE(readAll(victim), QByteArray("precious"));
    for (const QString &name : kPageNames) {
        const QFileInfo link(m_tmp->filePath(name));
        QVERIFY(link.isSymLink());
        QCOMPARE(link.symLinkTarget(), victim);
        QCOMPARE(readAll(QDir(session.previewFolder()).filePath(name)),
                 readAll(goldenFolder(2) + '/' + name));
    }

    // Writing pages into a given folder does not go through links either.
    modalwatch::MessageBoxCatcher boxes;
    QString error;
    const PreviewPages pages = PreviewPages::build(
        GenerateMenuCode(codegen::kPreviewMode, sample(0)), sample(0).options);
    QVERIFY(!pages.writeTo(m_tmp->path(), &error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(m_tmp->filePath(PreviewPages::noticePageName())))
                 && error.contains("link"),
             qPrintable(error));
    QCOMPARE(readAll(victim), QByteArray("precious"));
}

void TestPreview::shellUrls_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QUrl>("expected");
    QTest::newRow("absolute path") << "/tmp/a b/page.html"
                                   << QUrl::fromLocalFile("/tmp/a b/page.html");
    QTest::newRow("web address") << "https://example.com/free?x=1"
                                 << QUrl("https://example.com/free?x=1");
    QTest::newRow("mail address") << "mailto:help@example.com" << QUrl("mailto:help@example.com");
    QTest::newRow("relative path") << "page.html"
                                   << QUrl::fromLocalFile(QDir::current().filePath("page.html"));
}

void TestPreview::shellUrls()
{
    QFETCH(QString, input);
    QFETCH(QUrl, expected);
    ShellRecorder shell;
    QWidget owner;
    OpenWithShell(&owner, input);
    QCOMPARE(shell.opened, QList<QUrl>({expected}));
    QCOMPARE(ShellUrlFor(input), expected);
}

void TestPreview::writePreviewCommand_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("same window") << "ok0" << 0 << "";
    QTest::newRow("new window") << "ok1" << 0 << "";
    QTest::newRow("different frame") << "ok2" << 0 << "";
    QTest::newRow("graphic without address") << "graphic" << 1 << "graphic style button";
    QTest::newRow("missing project") << "missing" << 1 << "missing.qnv";
    QTest::newRow("folder is a file") << "notdir" << 1 << "is not a folder";
    QTest::newRow("link in the way") << "link" << 1 << "link";
    QTest::newRow("too few arguments") << "usage1" << 2 << "--write-preview";
    QTest::newRow("too many arguments") << "usage3" << 2 << "--write-preview";
}

void TestPreview::writePreviewCommand()
{
    QFETCH(QString, setup);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const QString out = m_tmp->filePath("out");
    QVERIFY(QDir().mkdir(out));
    const QString victim = m_tmp->filePath("victim.txt");
    writeBytes(victim, "precious");

    const int target = setup.startsWith("ok") ? setup.back().digitValue() : 0;
    MenuProject p = sample(target);
    if (setup == "graphic") {
        p.options.navigation = MenuOptions::OnItemChange;
        p.options.buttonKind = MenuOptions::GraphicButton;
    }
    QString projectPath = m_tmp->filePath("menu.qnv");
    QString error;
    QVERIFY2(ProjectFile::save(projectPath, p, &error), qPrintable(error));
    QString dir = out;
    if (setup == "missing")
        projectPath = m_tmp->filePath("missing.qnv");
    if (setup == "notdir")
        dir = projectPath;
    if (setup == "link")
        QVERIFY(QFile::link(victim, QDir(out).filePath(PreviewPages::menuPageName())));

    QStringList args = {"--write-preview", dir, projectPath};
    if (setup == "usage1")
        args.removeLast();
    if (setup == "usage3")
        args << "extra";
    const Run run = runQuillnav(args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(readAll(victim), QByteArray("precious"));
    if (exitCode == 0) {
        QVERIFY(run.err.isEmpty());
        QCOMPARE(entries(out).size(), 3);
        for (const QString &name : kPageNames)
            QCOMPARE(readAll(QDir(out).filePath(name)), readAll(goldenFolder(target) + '/' + name));
    } else if (setup != "link") {
        QVERIFY(entries(out).isEmpty());
    }
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
