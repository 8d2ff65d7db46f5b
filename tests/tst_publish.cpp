// Publishing a menu into the pages of a site and taking it out again: the
// sample site against its expected pages, a second run that writes nothing,
// the import of the published pages, the pages that are refused, and the
// command line.
#include "menu/ProjectFile.h"
#include "site/PageImport.h"
#include "site/PageMenuCode.h"
#include "site/SitePublisher.h"
#include "site/SiteWriter.h"
#include "site/ui/PublishDialog.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString siteData(const QString &name) { return testpaths::dataFile("site/" + name); }

MenuProject project(const QString &name)
{
    MenuProject p;
    QString error;
    if (!ProjectFile::load(siteData(name + ".qnv"), &p, &error))
        qFatal("%s", qPrintable(error));
    return p;
}

// The files under a folder, by relative path, the backup folder aside.
QMap<QString, QByteArray> filesUnder(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = QDir(folder).relativeFilePath(it.next());
        if (!path.startsWith(".quillnav-backup/"))
            files.insert(path, testfiles::readAll(it.filePath()));
    }
    return files;
}

void copySite(const QString &to)
{
    const auto files = filesUnder(siteData("in"));
    for (auto it = files.begin(); it != files.end(); ++it) {
        QDir().mkpath(QFileInfo(to + '/' + it.key()).absolutePath());
        testfiles::writeAll(to + '/' + it.key(), it.value());
    }
}

SiteWriteReport publish(const QString &menu, const QString &site, SitePublisher::Action action = SitePublisher::Publish)
{
    const SitePlan plan = SitePublisher::prepare(project(menu), site, {}, action);
    if (plan.failed())
        qWarning("%s", qPrintable(plan.error + (plan.pages.isEmpty() ? QString() : plan.pages.first().reason)));
    return SiteWriter::write(plan);
}

QStringList outcomes(const SiteWriteReport &report)
{
    QStringList out;
    for (const PageResult &r : report.results)
        out << r.path + (r.outcome == PageResult::Written ? " written" : r.outcome == PageResult::Unchanged ? " unchanged" : " " + r.message);
    return out;
}

} // namespace

class TestPublish : public QObject {
    Q_OBJECT

private slots:
    // Two menus into the sample site (UTF-8 with LF, windows-1252 with CRLF,
    // a BOM, three depths, a hidden folder, look-alike comments), compared
    // with the expected pages; QN_UPDATE_GOLDEN=1 writes them.
    void sampleSite()
    {
        QTemporaryDir dir;
        const QString site = dir.filePath("site");
        copySite(site);
        QVERIFY(!publish("nav", site).failed());
        QVERIFY(!publish("side", site).failed());
        const auto published = filesUnder(site);
        const QString golden = siteData("out");
        if (qEnvironmentVariableIsSet("QN_UPDATE_GOLDEN")) {
            QDir(golden).removeRecursively();
            for (auto it = published.begin(); it != published.end(); ++it) {
                QDir().mkpath(QFileInfo(golden + '/' + it.key()).absolutePath());
                QVERIFY(testfiles::writeAll(golden + '/' + it.key(), it.value()));
            }
        }
        QCOMPARE(published.keys(), filesUnder(golden).keys());
        for (auto it = published.begin(); it != published.end(); ++it)
            QVERIFY2(it.value() == testfiles::readAll(golden + '/' + it.key()), qPrintable(it.key()));

        // Again: nothing is written, no modification time moves.
        QMap<QString, QDateTime> times;
        for (const QString &path : published.keys())
            times[path] = QFileInfo(site + '/' + path).lastModified();
        QTest::qSleep(20);
        for (const QString menu : {"nav", "side"}) {
            const SiteWriteReport again = publish(menu, site);
            QVERIFY(again.backupFolder.isEmpty());
            for (const PageResult &r : again.results)
                QCOMPARE(r.outcome, PageResult::Unchanged);
        }
        for (const QString &path : published.keys())
            QCOMPARE(QFileInfo(site + '/' + path).lastModified(), times[path]);

        // Importing each page gives the menu back with the page's own links and selection.
        for (const QString page : {"index.html", "blog/index.html", "blog/2026/post.html"}) {
            PageImport import;
            QVERIFY2(import.load(site + '/' + page), qPrintable(import.error()));
            MenuProject back;
            QStringList notes;
            QVERIFY(import.project(import.find("siteNav"), &back, &notes));
            const MenuProject expected = PageMenuCode::forPage(project("nav"), page);
            QCOMPARE(back.items, expected.items);
        }

        // Taking both out gives the pages back, each placeholder written plainly.
        QVERIFY(!publish("nav", site, SitePublisher::Unpublish).failed());
        QVERIFY(!publish("side", site, SitePublisher::Unpublish).failed());
        auto original = filesUnder(siteData("in"));
        original["index.html"].replace("<!--   quillnav   side   -->", "<!-- quillnav side -->");
        auto restored = filesUnder(site);
        QVERIFY(restored.remove(PageMenuCode::kScriptFile));
        QCOMPARE(restored, original);
        // The backups hold every earlier text.
        const QStringList backups = QDir(site + "/.quillnav-backup").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(backups.size(), 4);
        QCOMPARE(testfiles::readAll(site + "/.quillnav-backup/" + backups.first() + "/blog/index.html"),
                 original.value("blog/index.html"));
    }

    // Pages that are refused, before or while writing; nothing else is written then.
    void refusedPages_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("reason");
        const QByteArray ok = "<html><head></head><body><!-- quillnav siteNav --></body></html>";
        QTest::newRow("begin without end") << "nav" << QByteArray("<html><head></head><body><!-- quillnav begin siteNav body --><p>x</p></body></html>") << "" << "has no end";
        QTest::newRow("end without begin") << "nav" << QByteArray("<head></head><!-- quillnav end siteNav body -->") << "" << "does not begin";
        QTest::newRow("placeholder twice") << "nav" << QByteArray("<head></head><!-- quillnav siteNav --><!--quillnav siteNav-->") << "" << "twice";
        QTest::newRow("undecodable") << "nav" << QByteArray("<meta charset=\"iso-2022-kr\"></head><!-- quillnav siteNav -->") << "" << "browsers never show";
        QTest::newRow("UTF-16") << "nav" << QByteArray("\xff\xfe<\0!\0-\0-\0 \0q\0u\0i\0l\0l\0n\0a\0v\0 \0x\0 \0-\0-\0>\0", 40) << "" << "in which a menu cannot be written";
        QTest::newRow("no </head>") << "nav" << QByteArray("<p><!-- quillnav siteNav -->") << "" << "no </head>";
        QTest::newRow("read-only") << "nav" << ok << "read-only" << "read-only";
        QTest::newRow("too large") << "nav" << ok << "small limit" << "larger than";
        QTest::newRow("classic targets") << "popup" << QByteArray("<head><!-- quillnav begin side head --><script>function gothere(m){}</script><!-- quillnav end side head --></head><!-- quillnav popup -->") << "" << "both in the classic code";
        QTest::newRow("vanishes") << "nav" << ok << "remove" << "removed or renamed";
        QTest::newRow("changes") << "nav" << ok << "change" << "changed on disk";
    }
    void refusedPages()
    {
        QFETCH(QString, menu);
        QFETCH(QByteArray, page);
        QFETCH(QString, trouble);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QByteArray good = "<html><head></head><body><!-- quillnav siteNav --><!-- quillnav popup --></body></html>";
        QVERIFY(testfiles::writeAll(dir.filePath("good.html"), good));
        QVERIFY(testfiles::writeAll(dir.filePath("p.html"), page));
        if (trouble == "read-only")
            QVERIFY(QFile::setPermissions(dir.filePath("p.html"), QFile::ReadOwner));
        MenuProject p = project(menu == "popup" ? "side" : menu);
        if (menu == "popup") {
            p.options.menuName = "popup";
            p.options.linkTarget = MenuOptions::NewWindow;
        }
        SitePublisher::Options options;
        if (trouble == "small limit")
            options.maxPageBytes = 40;
        SitePlan plan = SitePublisher::prepare(p, dir.path(), {}, SitePublisher::Publish, options);
        if (trouble == "remove")
            QVERIFY(QFile::remove(dir.filePath("p.html")));
        if (trouble == "change")
            QVERIFY(testfiles::writeAll(dir.filePath("p.html"), page + "\n"));
        const SiteWriteReport report = SiteWriter::write(plan);
        const QStringList results = outcomes(report);
        QVERIFY2(results.filter(QRegularExpression("^p\\.html .*" + QRegularExpression::escape(reason))).size() == 1,
                 qPrintable(results.join('\n')));
        if (trouble != "remove" && trouble != "change") // the fault of one page writes none
            QCOMPARE(testfiles::readAll(dir.filePath("good.html")), good);
        if (trouble != "remove")
            QCOMPARE(testfiles::readAll(dir.filePath("p.html")), trouble == "change" ? page + "\n" : page);
    }

    // The window's dialog: the table, a page's changed lines, the option, the writing.
    void dialog()
    {
        QTemporaryDir dir;
        copySite(dir.path());
        PublishDialog dialog(project("nav"), dir.path(), SitePublisher::Publish);
        auto *pages = dialog.findChild<QTreeWidget *>("lstPublishPages");
        QCOMPARE(pages->topLevelItemCount(), 4); // three pages and the shared script
        pages->setCurrentItem(pages->topLevelItem(2));
        QCOMPARE(pages->currentItem()->text(1), "blog/2026/post.html");
        dialog.findChild<QPushButton *>("cmdShowChanges")->click();
        const QString changes = dialog.findChild<QPlainTextEdit *>("txtPageChanges")->toPlainText();
        QVERIFY2(changes.contains("+    20 |       <option value=\"post.html?from=menu\" selected>"), qPrintable(changes));
        dialog.findChild<QCheckBox *>("chkSelectCurrentPage")->click();
        QVERIFY(!dialog.plan().pages.at(2).newBytes.contains("selected>--- A post"));
        dialog.findChild<QPushButton *>("cmdPublish")->click();
        QCOMPARE(pages->topLevelItem(2)->text(0), "written");
        QCOMPARE(testfiles::readAll(dir.filePath("blog/2026/post.html")), dialog.plan().pages.at(2).newBytes);
    }

    // The command through the program: its table, its exit status, its messages.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("message");
        QTest::newRow("dry run") << QStringList{"--publish", "P", "--dry-run"} << 0 << "will change     index.html" << false << "";
        QTest::newRow("publish") << QStringList{"--publish", "P"} << 0 << "written         blog/index.html" << true << "";
        QTest::newRow("one page") << QStringList{"--publish", "P", "S/blog/index.html"} << 0 << "written         blog/index.html" << true << "";
        QTest::newRow("page outside") << QStringList{"--publish", "P", "P"} << 1 << "error" << false << "is not in the site folder";
        QTest::newRow("no placeholder") << QStringList{"--publish", "P", "S/about.html"} << 0 << "no placeholder  about.html" << false << "";
        QTest::newRow("unpublish, not there") << QStringList{"--unpublish", "P"} << 0 << "up to date      index.html" << false << "";
        QTest::newRow("site is a file") << QStringList{"--publish", "P", "--site", "P"} << 1 << "" << false << "is not a folder";
        QTest::newRow("site missing") << QStringList{"--publish", "P", "--site", "S/nothing"} << 1 << "" << false << "does not exist";
        QTest::newRow("no site folder") << QStringList{"--publish", "N"} << 2 << "" << false << "names no site folder";
    }
    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(bool, written);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString site = dir.filePath("in");
        copySite(site);
        MenuProject p = project("nav");
        QVERIFY(testfiles::saveProject(dir.filePath("nav.qnv"), p));
        p.site.clear();
        QVERIFY(testfiles::saveProject(dir.filePath("nosite.qnv"), p));
        for (QString &arg : args)
            arg.replace(QRegularExpression("^P$"), dir.filePath("nav.qnv")).replace(QRegularExpression("^N$"), dir.filePath("nosite.qnv")).replace(QRegularExpression("^S/"), site + '/');
        const testfiles::Run run = testfiles::runQuillnav(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(QString::fromUtf8(run.out).contains(output), run.out.constData());
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        const bool changed = testfiles::readAll(site + "/blog/index.html") != testfiles::readAll(siteData("in/blog/index.html"));
        QCOMPARE(changed, written);
    }
};

QTEST_MAIN(TestPublish)
#include "tst_publish.moc"
