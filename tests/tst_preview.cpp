// The browser preview: pages byte for byte in a private folder, repeated
// previews, clean-up, refusals, planted links, and the command-line writer.
#include "app/HeadlessExport.h"
#include "codegen/PreviewPages.h"
#include "codegen/PreviewSession.h"
#include "codegen/ui/BrowserPreview.h"
#include "platform/TempFolder.h"
#include "platform/ui/OpenWithShell.h"
#include "support/ModalWatch.h"
#include "support/TempDirOverride.h"
#include "support/TestFiles.h"

#include <QtTest>

using namespace testfiles;

namespace {

const QStringList kPages = {PreviewPages::menuPageName(), PreviewPages::framesetPageName(),
                            PreviewPages::noticePageName()};
const QStringList kSortedPages = {kPages[0], kPages[2], kPages[1]};

MenuProject sample(int linkTarget, bool graphicWithoutUrl = false, bool html5 = false)
{
    MenuProject p;
    p.dialect = html5 ? CodeDialect::Html5 : CodeDialect::Classic;
    p.options.menuName = "nav";
    p.options.linkTarget = linkTarget;
    p.options.frameName = linkTarget == MenuOptions::DifferentFrame ? "content" : "";
    if (graphicWithoutUrl) { // passes the code checks only when navigating on item change
        p.options.buttonKind = MenuOptions::GraphicButton;
        p.options.navigation = MenuOptions::OnItemChange;
    }
    p.items = {{"Home", "Yes", "index.html", "Yes"},
               {"--- Products", "Yes", "products.html", "No"},
               MenuItem::separator(),
               {"Caf\u00e9", "Yes", "cafe.html", "No"},
               {"About  ", "No", "", "No"}};
    return p;
}

void comparePages(const QString &folder, int linkTarget, const QStringList &pages = kPages,
                  bool html5 = false)
{
    static const char *const names[] = {"same-window", "new-window", "different-frame"};
    const QDir expected(
        testpaths::dataFile(QStringLiteral("preview/") + (html5 ? "html5-" : "") + names[linkTarget]));
    for (const QString &name : pages) {
        const QByteArray golden = readAll(expected.filePath(name));
        QVERIFY2(!golden.isEmpty(), qPrintable(name));
        QCOMPARE(readAll(QDir(folder).filePath(name)), golden);
    }
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden,
                                  QDir::Name);
}

} // namespace

class TestPreview : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        m_tmpOverride = std::make_unique<TempDirOverride>(m_tmp->path());
        m_opened.clear();
        SetShellOpenHook([this](QWidget *, const QUrl &url) { m_opened << url; });
    }
    void cleanup()
    {
        SetShellOpenHook({});
        m_tmpOverride.reset();
        m_tmp.reset();
    }
    void pagesFolderAndCleanup_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("html5");
        for (int t : {MenuOptions::SameWindow, MenuOptions::NewWindow, MenuOptions::DifferentFrame}) {
            QTest::addRow("target %d", t) << t << false;
            QTest::addRow("html5 target %d", t) << t << true;
        }
    }

    void pagesFolderAndCleanup()
    {
        QFETCH(int, target);
        QFETCH(bool, html5);
        // Someone else's links under the pages' names in the temporary directory.
        const QString victim = m_tmp->filePath("victim.txt");
        QVERIFY(writeAll(victim, "precious"));
        for (const QString &name : kPages)
            QVERIFY(QFile::link(victim, m_tmp->filePath(name)));
        const QStringList planted = entries(m_tmp->path());

        modalwatch::MessageBoxCatcher boxes;
        PreviewSession session;
        QVERIFY(RunBrowserPreview(nullptr, sample(target, false, html5), session));
        QCOMPARE(boxes.count, 0);
        const QString folder = session.previewFolder();
        QCOMPARE(entries(folder), kSortedPages);
        comparePages(folder, target, kPages, html5);
        QCOMPARE(readAll(session.framesetPath()).startsWith("\xEF\xBB\xBF"), !html5);
        QCOMPARE(m_opened, QList<QUrl>({QUrl::fromLocalFile(QDir(folder).filePath(kPages[1]))}));
        // A folder of our own in the temporary directory, closed to everyone else.
        QCOMPARE(GetTempFolder(), QDir(m_tmp->path()).canonicalPath());
        const QFileInfo info(folder);
        QVERIFY(info.isDir() && !info.isSymLink());
        QCOMPARE(info.dir().canonicalPath(), QDir(m_tmp->path()).canonicalPath());
        QCOMPARE(info.permissions().toInt() & 0x0777, 0x0700);

        // A second preview overwrites the same three pages; no second copy.
        const int next = (target + 1) % 3;
        QVERIFY(RunBrowserPreview(nullptr, sample(next, false, html5), session));
        QCOMPARE(session.previewFolder(), folder);
        QCOMPARE(entries(m_tmp->path()).size(), planted.size() + 1);
        QCOMPARE(entries(folder).size(), 3);
        comparePages(folder, next, kPages, html5);
        QCOMPARE(m_opened.size(), 2);
        QCOMPARE(m_opened.at(0), m_opened.at(1));
        QString other;
        { // Another run gets a folder of its own. Its destructor cleans up; a
          // stranger's file keeps the folder, the pages go.
            PreviewSession otherRun;
            QVERIFY(RunBrowserPreview(nullptr, sample(0), otherRun));
            QVERIFY((other = otherRun.previewFolder()) != folder);
            QVERIFY(writeAll(QDir(other).filePath("extra.txt"), "x"));
        }
        QCOMPARE(entries(other), QStringList({"extra.txt"}));

        // Clean-up removes our pages and folder, and nothing of anyone else's.
        session.cleanup();
        QVERIFY(!QFileInfo::exists(folder) && session.previewFolder().isEmpty());
        session.cleanup();                                           // a second clean-up is harmless
        QCOMPARE(entries(m_tmp->path()).size(), planted.size() + 1); // theirs, and the other run's
        QCOMPARE(readAll(victim), QByteArray("precious"));
        for (const QString &name : kPages)
            QCOMPARE(QFileInfo(m_tmp->filePath(name)).symLinkTarget(), victim);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"graphic, on click", "graphic, on change", "temp missing", "temp is a file"})
            QTest::newRow(kind) << kind;
    }

    void refusals()
    {
        QFETCH(QString, kind);
        const bool graphic = kind.startsWith("graphic");
        MenuProject p = sample(0, graphic);
        if (kind.endsWith("click"))
            p.options.navigation = MenuOptions::OnButtonClick;
        const QString tempPath = graphic ? m_tmp->path() : m_tmp->filePath("temp");
        if (kind == "temp is a file")
            QVERIFY(writeAll(tempPath, "a file"));
        TempDirOverride temp(tempPath);
        modalwatch::MessageBoxCatcher boxes;
        PreviewSession session;
        QVERIFY(!RunBrowserPreview(nullptr, p, session));
        QCOMPARE(boxes.count, 1);
        QCOMPARE(boxes.icon, QMessageBox::Warning);
        QCOMPARE(boxes.title == "Oops!", graphic);
        QVERIFY2(graphic ? boxes.text
                               == "You have chosen to use a graphic style button for your menu "
                                  "but have not entered a url for the graphic. You must enter a "
                                  "url or choose the default style button."
                         : boxes.text.contains(QDir::toNativeSeparators(tempPath))
                               && boxes.text.contains("not opened"),
                 qPrintable(boxes.text));
        QVERIFY(m_opened.isEmpty() && session.previewFolder().isEmpty());
        // Nothing landed anywhere, the working directory included.
        QCOMPARE(entries(m_tmp->path()), QStringList(graphic || kind == "temp missing" ? 0 : 1, "temp"));
        QVERIFY(QDir::current().entryList({"quillnav-preview-*"}, QDir::AllEntries).isEmpty());
        p.options.graphicUrl = "go.gif"; // with an address the same project previews
        QVERIFY(!graphic || RunBrowserPreview(nullptr, p, session));
    }

    void pageWriteFailureStopsInOrder()
    {
        PreviewSession session;
        QVERIFY(RunBrowserPreview(nullptr, sample(MenuOptions::SameWindow), session));
        const QDir folder(session.previewFolder());
        // The frameset page's name is taken by a folder: the pages are written as a
        // set, so neither the notice page nor the menu page is touched.
        QVERIFY(writeAll(folder.filePath(kPages[2]), "old notice"));
        QVERIFY(QFile::remove(session.framesetPath()) && folder.mkdir(kPages[1]));
        const QByteArray menuBefore = readAll(folder.filePath(kPages[0]));
        modalwatch::MessageBoxCatcher boxes;
        QVERIFY(!RunBrowserPreview(nullptr, sample(MenuOptions::DifferentFrame), session));
        QCOMPARE(boxes.count, 1);
        QVERIFY2(boxes.text.contains(QDir::toNativeSeparators(session.framesetPath())),
                 qPrintable(boxes.text));
        QCOMPARE(m_opened.size(), 1); // only the first preview opened anything
        QCOMPARE(readAll(folder.filePath(kPages[2])), QByteArray("old notice"));
        QCOMPARE(readAll(folder.filePath(kPages[0])), menuBefore);
    }

    // The browser named in BROWSER: one that shows the page gets its address;
    // one that cannot start or ends with an error at once gets a message
    // naming it and the page, when it ends.
    // Rows: the browser's script ("": no such program), the problem told.
    void browserFailures_data() { testfiles::addTableRows("browser-failures.json"); }
    void browserFailures()
    {
        QFETCH(QJsonArray, row);
        const QString script = row[1].toString(), problem = row[2].toString();
        const QString browser = m_tmp->filePath("fake browser");
        QVERIFY(
            script.isEmpty()
            || (writeAll(browser, "#!/bin/sh\n" + script.toUtf8() + "\n")
                && QFile::setPermissions(browser, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)));
        SetShellOpenHook({});
        qputenv("BROWSER", '"' + browser.toUtf8() + "\" %s --new-tab");
        modalwatch::MessageBoxCatcher boxes;
        PreviewSession session;
        const bool started = RunBrowserPreview(nullptr, sample(0), session);
        qunsetenv("BROWSER");
        QCOMPARE(started, !script.isEmpty());
        if (problem.isEmpty()) {
            QTRY_COMPARE(readAll(browser + ".url"),
                         QUrl::fromLocalFile(session.framesetPath()).toEncoded() + "\n");
            QCOMPARE(boxes.count, 0);
            return;
        }
        QTRY_COMPARE(boxes.count, 1);
        QVERIFY2(boxes.text.contains(problem.arg(browser))
                     && boxes.text.endsWith("\n\n" + QDir::toNativeSeparators(session.framesetPath())),
                 qPrintable(boxes.text));
    }

    void writePreviewCommand()
    {
        const QString out = m_tmp->filePath("out"), project = m_tmp->filePath("menu.qnv");
        QString error;
        QVERIFY(QDir().mkdir(out) && saveProject(project, sample(2, false, true)));
        QCOMPARE(HeadlessExport::writePreview(out, project, &error), 0);
        comparePages(out, 2, kPages, true); // in the project's dialect
        QCOMPARE(entries(out), kSortedPages);
        // Links in the way are not written through.
        const QString victim = m_tmp->filePath("victim.txt");
        QVERIFY(writeAll(victim, "precious") && QFile::link(victim, m_tmp->filePath(kPages[2])));
        QCOMPARE(HeadlessExport::writePreview(m_tmp->path(), project, &error), 1);
        QVERIFY2(error.contains(QDir::toNativeSeparators(m_tmp->filePath(kPages[2])) + "\": a link"),
                 qPrintable(error));
        QCOMPARE(readAll(victim), QByteArray("precious"));
    }

private:
    std::unique_ptr<QTemporaryDir> m_tmp;
    std::unique_ptr<TempDirOverride> m_tmpOverride;
    QList<QUrl> m_opened; // what would have been opened
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
