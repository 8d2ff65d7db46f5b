// Publishing a menu into the pages of a site and taking it out again: the
// sample site against its expected pages, a second run that writes nothing,
// the import of the published pages, the pages that are refused, and the
// command line.
#include "menu/ProjectFile.h"
#include "site/LineDiff.h"
#include "site/PageImport.h"
#include "site/PageMenuCode.h"
#include "site/SiteLink.h"
#include "site/SitePublisher.h"
#include "site/SiteRestore.h"
#include "site/SiteWriter.h"
#include "site/ui/PublishDialog.h"
#include "site/ui/RestoreDialog.h"
#include "support/DeclaredPages.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The sample site's pages that hold the menu (and change when it is published).
constexpr qsizetype kMenuPages = 8;

QString siteData(const QString &name)
{
    return testpaths::dataFile("site/" + name);
}

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
        if (!path.startsWith(".quillnav-backup/") && path != PublishRecord::kFileName)
            files.insert(path, testfiles::readAll(it.filePath()));
    }
    return files;
}

// Copies the sample site; a symbolic link is copied as the same relative link.
void copySite(const QString &to)
{
    const auto files = filesUnder(siteData("in"));
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QFileInfo from(siteData("in/" + it.key()));
        QDir().mkpath(QFileInfo(to + '/' + it.key()).absolutePath());
        if (from.isSymLink())
            QFile::link(from.dir().relativeFilePath(from.symLinkTarget()), to + '/' + it.key());
        else
            testfiles::writeAll(to + '/' + it.key(), it.value());
    }
}

// A page whose name is not UTF-8 ("r\xe9sum\xe9.htm" in Latin-1), made with
// the system's own call: Qt's file classes cannot name it.
const QByteArray kLatin1Name = "r\xe9sum\xe9.htm";
bool putLatin1Page(const QString &folder, const QByteArray &bytes)
{
    const QByteArray path = QFile::encodeName(folder) + '/' + kLatin1Name;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const bool ok = fd >= 0 && ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    return ::close(fd) == 0 && ok;
}
QByteArray readLatin1Page(const QString &folder)
{
    QFile file;
    const int fd = ::open((QFile::encodeName(folder) + '/' + kLatin1Name).constData(), O_RDONLY);
    const QByteArray bytes = fd >= 0 && file.open(fd, QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (fd >= 0)
        ::close(fd);
    return bytes;
}

SiteWriteReport publish(const QString &menu, const QString &site,
                        SitePublisher::Action action = SitePublisher::Publish)
{
    const SitePlan plan = SitePublisher::prepare(project(menu), site, {}, action);
    if (plan.failed())
        qWarning("%s",
                 qPrintable(plan.error + (plan.pages.isEmpty() ? QString() : plan.pages.first().reason)));
    return SiteWriter::write(plan);
}

const PagePlan *planOf(const SitePlan &plan, const QString &path)
{
    for (const PagePlan &page : plan.pages) {
        if (page.path == path)
            return &page;
    }
    return nullptr;
}

QStringList outcomes(const SiteWriteReport &report)
{
    QStringList out;
    for (const PageResult &r : report.results)
        out << r.path
                   + (r.outcome == PageResult::Written     ? " written"
                      : r.outcome == PageResult::Unchanged ? " unchanged"
                                                           : " " + r.message);
    return out;
}

} // namespace

class TestPublish : public QObject {
    Q_OBJECT

private slots:
    // Two menus into the sample site (UTF-8 with LF, windows-1252 with CRLF,
    // another menu's doubled placeholder that takes no part,
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

        // The alias is still a link, to the page published for its own folder.
        QVERIFY(QFileInfo(site + "/latest.html").isSymLink());
        QCOMPARE(published.value("latest.html"), published.value("blog/2026/post.html"));

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

        // Taking both out gives the pages back byte for byte, the spaced placeholder too.
        QVERIFY(!publish("nav", site, SitePublisher::Unpublish).failed());
        QVERIFY(!publish("side", site, SitePublisher::Unpublish).failed());
        auto original = filesUnder(siteData("in"));
        auto restored = filesUnder(site); // the shared script went with the last HTML5 menu
        QCOMPARE(restored, original);
        // The backups hold every earlier text.
        const QStringList backups =
            QDir(site + "/.quillnav-backup").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(backups.size(), 4);
        QCOMPARE(testfiles::readAll(site + "/.quillnav-backup/" + backups.first() + "/blog/index.html"),
                 original.value("blog/index.html"));
    }

    // A page's encoding declared past the prescan or by an XML declaration:
    // the menu is written in it (a character it cannot hold as a numeric
    // reference), so the page shows the menu's texts and its own; taking the
    // menu out gives the page back. UTF-16 pages are refused.
    void declaredEncodingIsWritten_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("reference");
        QTest::addColumn<bool>("utf16");
        for (const declaredpages::Row &row : declaredpages::rows())
            QTest::newRow(qPrintable(row.name)) << row.page << row.text << row.reference << row.utf16;
    }
    void declaredEncodingIsWritten()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, text);
        QFETCH(QByteArray, reference);
        QFETCH(bool, utf16);
        QTemporaryDir dir;
        QVERIFY(testfiles::writeAll(dir.filePath("p.html"), page));
        const QStringList results = outcomes(publish("nav", dir.path()));
        if (utf16) {
            QCOMPARE(results.size(), 1);
            QVERIFY2(results.first().contains("in which a menu cannot be written"),
                     qPrintable(results.first()));
            return;
        }
        QVERIFY2(results.contains("p.html written"), qPrintable(results.join('\n')));
        const QByteArray published = testfiles::readAll(dir.filePath("p.html"));
        QVERIFY2(reference.isEmpty() ? !published.contains("&#26085;") : published.contains(reference),
                 published.constData());
        PageImport import;
        QVERIFY2(import.parse(published, "p.html"), qPrintable(import.error()));
        MenuProject back;
        QStringList notes;
        QVERIFY(import.project(0, &back, &notes));
        QCOMPARE(back.items.value(0).text, text);
        QVERIFY(import.project(import.find("siteNav"), &back, &notes));
        const QList<MenuItem> items = PageMenuCode::forPage(project("nav"), "p.html").items;
        QCOMPARE(back.items.size(), items.size());
        for (qsizetype i = 0; i < items.size(); ++i)
            QCOMPARE(back.items.at(i).text + ' ' + back.items.at(i).url,
                     items.at(i).text + ' ' + items.at(i).url);
        QVERIFY(!publish("nav", dir.path(), SitePublisher::Unpublish).failed());
        QCOMPARE(testfiles::readAll(dir.filePath("p.html")), page);
    }

    // Pages that are refused, before or while writing; nothing else is written then.
    void refusedPages_data() { testfiles::addTableRows("publish-refusals.json"); }
    void refusedPages()
    {
        QFETCH(QJsonArray, row);
        const QString menu = row[1].toString(), trouble = row[3].toString(), reason = row[4].toString();
        const QByteArray page = row[2].toString().toLatin1();
        QTemporaryDir dir;
        const QByteArray good =
            "<html><head></head><body><!-- quillnav siteNav --><!-- quillnav popup --></body></html>";
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
        QVERIFY2(
            results.filter(QRegularExpression("^p\\.html .*" + QRegularExpression::escape(reason))).size()
                == 1,
            qPrintable(results.join('\n')));
        if (trouble != "remove" && trouble != "change") // the fault of one page writes none
            QCOMPARE(testfiles::readAll(dir.filePath("good.html")), good);
        if (trouble != "remove")
            QCOMPARE(testfiles::readAll(dir.filePath("p.html")), trouble == "change" ? page + "\n" : page);
    }

    // A link written into a page, with its <base href> or none ("-"), so that
    // it reaches its file from there, the script's src beside it (not checked
    // where empty), and whether it selects the page's entry; "tags/x" is a
    // folder. The rows are tests/data/links-on-pages.json.
    void linkOnPage_data() { testfiles::addTableRows("links-on-pages.json"); }
    void linkOnPage()
    {
        QFETCH(QJsonArray, row);
        const QString link = row[1].toString(), page = row[2].toString(), base = row[3].toString(),
                      written = row[4].toString(), script = row[5].toString();
        const bool own = row[6].toBool();
        MenuProject p;
        p.dialect = CodeDialect::Html5;
        p.items = {{"x", "Yes", link, "No"}, {"y", "Yes", "zzz.html", "Yes"}};
        const SiteLink::Base from = base == "-" ? SiteLink::base(page) : SiteLink::base(page, base);
        QCOMPARE(from.problem, SiteLink::Base::None);
        const MenuProject onPage =
            PageMenuCode::forPage(p, from, [](const QString &path) { return path == "tags/x"; });
        QCOMPARE(onPage.items.at(0).url, written);
        QCOMPARE(onPage.items.at(0).selected == "Yes", own);
        QCOMPARE(p.items.at(0).url, link); // the project's link stays as typed
        if (!script.isEmpty())
            QCOMPARE(PageMenuCode::head(p, from), "<script src=\"" + script + "\"></script>\r\n");
        if (base == "-") // a page without a base is the page's own folder
            QCOMPARE(PageMenuCode::forPage(p, page).items.at(0).url, written);
    }

    // The changed lines shown before publishing: a shortest edit, taken out
    // before put in, with two lines of context.
    void lineDiff_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("shown");
        for (const QJsonArray &r : testfiles::tableRows("line-diffs.json"))
            QTest::newRow(qPrintable(r[0].toString()))
                << r[1].toString() << r[2].toString() << r[3].toString();
        // A long page changed near both ends: the middle is not shown.
        QStringList page;
        for (int i = 1; i <= 30000; ++i)
            page << QString("line %1").arg(i % 7000); // lines repeat, as markup does
        QStringList edited = page;
        edited[9] = "changed";
        edited.insert(29990, "new");
        QTest::newRow("long page")
            << page.join('\n') << edited.join('\n')
            << "      8 | line 8\n      9 | line 9\n-    10 | line 10\n+    10 | changed\n"
               "     11 | line 11\n     12 | line 12\n...\n  29989 | line 1989\n"
               "  29990 | line 1990\n+ 29991 | new\n  29991 | line 1991\n  29992 | line 1992\n";
    }
    void lineDiff()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, shown);
        QCOMPARE(LineDiff::text(LineDiff::changes(before, after)), shown);
    }

    // Against the length of the longest common subsequence on many small texts.
    void lineDiffIsShortest()
    {
        QRandomGenerator random(31);
        for (int round = 0; round < 400; ++round) {
            QStringList a, b;
            for (int i = random.bounded(12); i > 0; --i)
                a << QString(QChar(u'a' + random.bounded(3)));
            for (int i = random.bounded(12); i > 0; --i)
                b << QString(QChar(u'a' + random.bounded(3)));
            std::vector<std::vector<int>> lcs(a.size() + 1, std::vector<int>(b.size() + 1, 0));
            for (qsizetype i = a.size() - 1; i >= 0; --i)
                for (qsizetype j = b.size() - 1; j >= 0; --j)
                    lcs[i][j] = a[i] == b[j] ? lcs[i + 1][j + 1] + 1 : std::max(lcs[i + 1][j], lcs[i][j + 1]);
            const QList<LineDiff::Line> lines = LineDiff::changes(a.join('\n'), b.join('\n'), 1000);
            QStringList rebuilt, kept;
            for (const LineDiff::Line &line : lines) {
                if (line.mark != u'-')
                    rebuilt << line.text;
                if (line.mark == u' ')
                    kept << line.text;
            }
            if (!lines.isEmpty())
                QCOMPARE(rebuilt, b);
            QCOMPARE(lines.isEmpty() ? a.size() : kept.size(), qsizetype(lcs[0][0]));
        }
    }

    // The window's dialog: the table, a page's changed lines, the option, the writing.
    void dialog()
    {
        QTemporaryDir dir;
        copySite(dir.path());
        MenuProject p = project("nav");
        p.items.append({"Old", "Yes", "old.html", "No"});
        PublishDialog dialog(p, dir.path(), SitePublisher::Publish);
        auto *pages = dialog.findChild<QTreeWidget *>("lstPublishPages");
        // Eight pages, the shared script, about.html#team (no such id) and old.html as dead links.
        QCOMPARE(pages->topLevelItemCount(), 11);
        QCOMPARE(pages->topLevelItem(9)->text(0), "dead link");
        const QTreeWidgetItem *dead = pages->topLevelItem(10);
        QCOMPARE(dead->text(0) + ' ' + dead->text(1) + ' ' + dead->text(2),
                 "dead link entry 9 (\"Old\") \"old.html\": old.html does not exist");
        QVERIFY(dialog.findChild<QPushButton *>("cmdPublish")->isEnabled());
        pages->setCurrentItem(pages->topLevelItem(2));
        QCOMPARE(pages->currentItem()->text(1), "blog/2026/post.html");
        dialog.findChild<QPushButton *>("cmdShowChanges")->click();
        const QString changes = dialog.findChild<QPlainTextEdit *>("txtPageChanges")->toPlainText();
        QVERIFY2(changes.contains("+    20 |       <option value=\"post.html?from=menu\" selected>"),
                 qPrintable(changes));
        // A page that declares windows-1251 late shows its changes in windows-1251.
        pages->setCurrentItem(pages->findItems("ru/late.html", Qt::MatchExactly, 1).value(0));
        dialog.findChild<QPushButton *>("cmdShowChanges")->click();
        const QString late = dialog.findChild<QPlainTextEdit *>("txtPageChanges")->toPlainText();
        QVERIFY2(late.contains("Blog \u20ac") && late.contains("A post &#26085;&#26412;"), qPrintable(late));
        dialog.findChild<QCheckBox *>("chkSelectCurrentPage")->click();
        QVERIFY(!dialog.plan().pages.at(2).newBytes.contains("selected>--- A post"));
        dialog.findChild<QPushButton *>("cmdPublish")->click();
        QCOMPARE(pages->topLevelItem(2)->text(0), "written");
        QCOMPARE(testfiles::readAll(dir.filePath("blog/2026/post.html")), dialog.plan().pages.at(2).newBytes);
    }

    // A link to a page that is gone warns on the command line too (the window's
    // table is dialog()'s); the menu is published all the same.
    void deadLinks()
    {
        QTemporaryDir dir;
        copySite(dir.filePath("in"));
        MenuProject p = project("nav");
        p.items.append({"Old", "Yes", "old.html", "No"});
        const QString entry = QString("entry %1 (\"Old\")").arg(p.items.size());
        QVERIFY(testfiles::saveProject(dir.filePath("nav.qnv"), p));
        const testfiles::Run run = testfiles::runQuillnav({"--publish", dir.filePath("nav.qnv")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("dead link       " + entry.toUtf8()
                                  + ", \"old.html\": old.html does not exist\n"),
                 run.out.constData());
        QVERIFY(run.out.contains("written         index.html"));
    }

    // A region edited by hand is found against the record of what was
    // written and left as it is, unless the user chooses to replace it.
    void handEdits_data() { testfiles::addTableRows("publish-hand-edits.json"); }
    void handEdits()
    {
        QFETCH(QJsonArray, row);
        const QByteArray from = row[1].toString().toLatin1(), to = row[2].toString().toLatin1();
        const bool unpublish = row[3].toBool(), replace = row[4].toBool(), recorded = row[5].toBool();
        const bool timesKept = row.size() > 6 && row[6].toBool(); // as `touch -d` puts them back
        const PagePlan::State state = recorded ? PagePlan::EditedByHand : PagePlan::WillChange;
        QTemporaryDir dir;
        copySite(dir.path());
        QVERIFY(!publish("nav", dir.path()).failed());
        const QString page = dir.filePath("index.html");
        QByteArray bytes = testfiles::readAll(page);
        QVERIFY(bytes.contains(from));
        bytes.replace(from, to);
        struct stat written {};
        QCOMPARE(::stat(QFile::encodeName(page).constData(), &written), 0);
        QVERIFY(testfiles::writeAll(page, bytes));
        const timespec times[2] = {written.st_atim, written.st_mtim};
        if (timesKept)
            QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(page).constData(), times, 0), 0);
        if (!recorded)
            QVERIFY(QFile::remove(dir.filePath(PublishRecord::kFileName)));
        SitePlan plan = SitePublisher::prepare(project("nav"), dir.path(), {},
                                               unpublish ? SitePublisher::Unpublish : SitePublisher::Publish);
        QCOMPARE(planOf(plan, "index.html")->state, state);
        QCOMPARE(planOf(plan, "blog/index.html")->state,
                 unpublish ? PagePlan::WillChange : PagePlan::UpToDate);
        for (PagePlan &p : plan.pages)
            p.replaceEdits = replace;
        const SiteWriteReport report = SiteWriter::write(plan);
        const bool kept = state == PagePlan::EditedByHand && !replace;
        QCOMPARE(testfiles::readAll(page) == bytes, kept);
        QCOMPARE(report.failed(), kept);
        if (unpublish && !kept) // the placeholder comes back as the page had it
            QVERIFY(
                testfiles::readAll(page).contains("<header>\n    <!-- quillnav siteNav -->\n  </header>"));
        // What was written is recorded: publishing again finds nothing edited.
        const SitePlan again = SitePublisher::prepare(project("nav"), dir.path(), {}, SitePublisher::Publish);
        QCOMPARE(again.count(PagePlan::EditedByHand), qsizetype(kept ? 1 : 0));
        if (replace && !unpublish) { // put back, the edits are found again (the entry, of other bytes,
                                     // vouches for no file)
            QVERIFY(!SiteWriter::write(SiteRestore::prepare(dir.path(), report.backupFolder.section('/', 1)))
                         .failed());
            QVERIFY(testfiles::rewriteLaterThan(PublishRecord::path(dir.path()),
                                                FileIdentity::of(page).changedNs));
            const SitePlan restored =
                SitePublisher::prepare(project("nav"), dir.path(), {}, SitePublisher::Publish);
            QCOMPARE(planOf(restored, "index.html")->state, PagePlan::EditedByHand);
        }
    }

    // A page changed between its reading and its writing is left as it is,
    // however it was changed.
    void changedWhileWriting_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("same size, time put back") << "same size";
        QTest::newRow("within the change time's tick") << "same tick";
    }
    void changedWhileWriting()
    {
        QFETCH(QString, how);
        QTemporaryDir dir;
        copySite(dir.path());
        const QString page = dir.filePath("blog/index.html");
        const QByteArray before = testfiles::readAll(page);
        SitePlan plan = SitePublisher::prepare(project("nav"), dir.path(), {}, SitePublisher::Publish);
        QByteArray edited = before;
        if (how == "same size") {
            const QDateTime modified = QFileInfo(page).lastModified();
            edited.replace("Blog", "Blag");
            QFile file(page);
            QVERIFY(file.open(QIODevice::ReadWrite)); // in place, not a new file
            QCOMPARE(file.write(edited), edited.size());
            QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
            file.close();
            QCOMPARE(QFileInfo(page).size(), qint64(before.size()));
        } else {
            // As if the bytes read were other than those on disk now, with the same times.
            for (PagePlan &p : plan.pages) {
                if (p.path == "blog/index.html")
                    p.oldBytes.replace("Blog", "Blag");
            }
        }
        QVERIFY(edited != before || how == "same tick");
        const SiteWriteReport report = SiteWriter::write(plan);
        QVERIFY2(outcomes(report).contains(
                     "blog/index.html It changed on disk after it was read, so it was left as it is."),
                 qPrintable(outcomes(report).join('\n')));
        QCOMPARE(testfiles::readAll(page), edited);
        QVERIFY(outcomes(report).contains("index.html written"));
        // A backup is a file of its own, not a second name of the page's earlier file.
        const QString backup = dir.filePath(report.backupFolder + "/index.html");
        QCOMPARE(testfiles::readAll(backup), planOf(plan, "index.html")->oldBytes);
        QVERIFY(!FileIdentity::of(backup).sameFileAs(planOf(plan, "index.html")->identity));
    }

    // A backup run put back: pages the same as their backup stay, the others
    // are written with publishing's rules, the record follows.
    void restore_data()
    {
        QTest::addColumn<bool>("halfWay");
        QTest::newRow("a whole run") << false;
        QTest::newRow("a run that stopped half-way, by second names") << true;
    }
    void restore()
    {
        QFETCH(bool, halfWay);
        QTemporaryDir dir;
        copySite(dir.path());
        const auto original = filesUnder(dir.path());
        QString stamp;
        if (halfWay) {
            // An earlier build kept a page it never wrote as a second name of the page itself.
            QVERIFY(!publish("nav", dir.path()).failed());
            stamp = "20260101-000000";
            const QString run = dir.filePath(".quillnav-backup/" + stamp);
            QVERIFY(QDir().mkpath(run + "/blog"));
            QVERIFY(testfiles::writeAll(run + "/index.html", original.value("index.html")));
            QCOMPARE(::link(QFile::encodeName(dir.filePath("blog/index.html")).constData(),
                            QFile::encodeName(run + "/blog/index.html").constData()),
                     0);
        } else {
            const SiteWriteReport first = publish("nav", dir.path());
            QVERIFY(!first.failed());
            stamp = first.backupFolder.section('/', 1);
        }
        const QList<SiteRestore::Run> runs = SiteRestore::runs(dir.path());
        QCOMPARE(runs.size(), halfWay ? 2 : 1); // the newest first
        QCOMPARE(runs.last().stamp, stamp);
        QCOMPARE(runs.last().time, QDateTime::fromString(stamp, "yyyyMMdd-HHmmss"));
        QCOMPARE(runs.last().pages, halfWay ? qsizetype(2) : kMenuPages);
        const QByteArray blogBefore = testfiles::readAll(dir.filePath("blog/index.html"));
        const SitePlan plan = SiteRestore::prepare(dir.path(), stamp);
        QVERIFY2(!plan.failed(), qPrintable(plan.error));
        QCOMPARE(planOf(plan, "index.html")->state, PagePlan::WillChange);
        QCOMPARE(planOf(plan, "blog/index.html")->state, halfWay ? PagePlan::UpToDate : PagePlan::WillChange);
        const SiteWriteReport report = SiteWriter::write(plan);
        QVERIFY(!report.failed());
        QCOMPARE(testfiles::readAll(dir.filePath("index.html")), original.value("index.html"));
        QCOMPARE(testfiles::readAll(dir.filePath("blog/index.html")),
                 halfWay ? blogBefore : original.value("blog/index.html"));
        // The restore kept the texts it replaced, and the record no longer holds the restored pages.
        QVERIFY(!report.backupFolder.isEmpty());
        QCOMPARE(SiteRestore::runs(dir.path()).size(), runs.size() + 1);
        QString note;
        const PublishRecord record = PublishRecord::load(dir.path(), &note);
        QVERIFY(note.isEmpty());
        QVERIFY(!record.pages.contains("index.html"));
        QCOMPARE(record.pages.contains("blog/index.html"), halfWay);
        // A restore is refused for a stamp that names no run.
        QVERIFY(!SiteRestore::prepare(dir.path(), "../..").error.isEmpty());
    }

    // The window's command: the runs with their page count, then the writing.
    void restoreDialog()
    {
        QTemporaryDir dir;
        copySite(dir.path());
        const auto original = filesUnder(dir.path());
        QVERIFY(!publish("nav", dir.path()).failed());
        RestoreDialog dialog(dir.path());
        auto *runs = dialog.findChild<QTreeWidget *>("lstBackupRuns");
        QCOMPARE(runs->topLevelItemCount(), 1);
        QCOMPARE(runs->topLevelItem(0)->text(1), QString::number(kMenuPages));
        auto *pages = dialog.findChild<QTreeWidget *>("lstRestorePages");
        QCOMPARE(pages->topLevelItemCount(), kMenuPages);
        dialog.findChild<QPushButton *>("cmdRestore")->click();
        QCOMPARE(pages->topLevelItem(0)->text(0), "written");
        auto restored = filesUnder(dir.path());
        QVERIFY(restored.remove(PageMenuCode::kScriptFile));
        QCOMPARE(restored, original);
    }

    // Backups do not pile up: after a run, the last ten runs stay (never
    // anything else); in the site or in the project's own folder, where a
    // restore finds them. A folder among the pages, or one holding the site, is refused.
    // The backup folder is relative to the temporary folder ("" the site's own).
    void backupsKept_data() { testfiles::addTableRows("publish-backup-folders.json"); }
    void backupsKept()
    {
        QFETCH(QJsonArray, row);
        const QString backups = row[1].toString();
        const bool refused = row[2].toBool();
        QTemporaryDir dir;
        const QString site = dir.filePath("site");
        copySite(site);
        const QString folder = backups.isEmpty() ? QString() : QDir::cleanPath(dir.filePath(backups));
        const QString root = folder.isEmpty() ? site + "/.quillnav-backup" : folder;
        for (int n = 1; n <= 11; ++n)
            QVERIFY(QDir().mkpath(root + QString("/20200101-0000%1/x").arg(n, 2, 10, QChar('0'))));
        QVERIFY(QDir().mkpath(root + "/not a run"));
        SitePublisher::Options options;
        options.backupFolder = folder;
        const SitePlan plan =
            SitePublisher::prepare(project("nav"), site, {}, SitePublisher::Publish, options);
        QCOMPARE(!plan.error.isEmpty(), refused);
        if (refused)
            return;
        const SiteWriteReport report = SiteWriter::write(plan);
        QVERIFY(!report.failed());
        const QString stamp = QFileInfo(report.backupFolder).fileName();
        QStringList left = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(left.size(), 11);
        QVERIFY(left.contains(stamp) && left.contains("not a run") && !left.contains("20200101-000002"));
        QVERIFY(left.contains("20200101-000003"));
        QCOMPARE(SiteRestore::runs(site, folder).first().stamp, stamp);
        const SitePlan restore = SiteRestore::prepare(site, stamp, folder);
        QVERIFY2(!restore.failed() && SiteRestore::runs(site).isEmpty() != folder.isEmpty(),
                 qPrintable(restore.error));
        QVERIFY(!SiteWriter::write(restore).failed());
        auto restored = filesUnder(site);
        QVERIFY(restored.remove(PageMenuCode::kScriptFile));
        restored.removeIf([](const auto &file) { return file.key().startsWith(".kept/"); });
        QCOMPARE(restored, filesUnder(siteData("in")));
    }

    // A damaged record is reported and set aside; the pages are published as without one.
    void damagedRecord_data() { testfiles::addTableRows("publish-damaged-records.json"); }
    void damagedRecord()
    {
        QFETCH(QJsonArray, row);
        const QByteArray record = row[1].toString().toLatin1();
        QTemporaryDir dir;
        copySite(dir.path());
        QVERIFY(!publish("nav", dir.path()).failed());
        const QString path = dir.filePath(PublishRecord::kFileName);
        if (record.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(PublishRecord::kMaxBytes + 1));
        } else {
            QVERIFY(testfiles::writeAll(path, record));
        }
        const SitePlan plan =
            SitePublisher::prepare(project("nav"), dir.path(), {}, SitePublisher::Unpublish);
        QVERIFY2(plan.recordNote.contains(".quillnav-publish.json\" was set aside"),
                 qPrintable(plan.recordNote));
        QCOMPARE(plan.count(PagePlan::WillChange), kMenuPages + 1); // and the script no page uses then
        QVERIFY(!SiteWriter::write(plan).failed());
        QString note;
        PublishRecord::load(dir.path(), &note);
        QVERIFY2(note.isEmpty(), qPrintable(note)); // written anew
    }

    // The window's choice per page: a page edited by hand is written only when its box is checked.
    void dialogReplacesEdits()
    {
        QTemporaryDir dir;
        copySite(dir.path());
        QVERIFY(!publish("nav", dir.path()).failed());
        const QString page = dir.filePath("blog/index.html");
        QByteArray bytes = testfiles::readAll(page);
        QVERIFY(bytes.contains(">About</option>"));
        QVERIFY(testfiles::writeAll(page, bytes.replace(">About</option>", ">About us</option>")));
        PublishDialog dialog(project("nav"), dir.path(), SitePublisher::Publish);
        auto *pages = dialog.findChild<QTreeWidget *>("lstPublishPages");
        auto *go = dialog.findChild<QPushButton *>("cmdPublish");
        QTreeWidgetItem *row = pages->findItems("blog/index.html", Qt::MatchExactly, 1).value(0);
        QVERIFY(row);
        QCOMPARE(row->text(0), "edited by hand");
        QCOMPARE(row->checkState(3), Qt::Unchecked);
        QVERIFY(!go->isEnabled()); // nothing else changes
        row->setCheckState(3, Qt::Checked);
        QVERIFY(go->isEnabled());
        dialog.findChild<QCheckBox *>("chkSelectCurrentPage")->click(); // prepared again: the choice stays
        row = pages->findItems("blog/index.html", Qt::MatchExactly, 1).value(0);
        QCOMPARE(row->checkState(3), Qt::Checked);
        go->click();
        QCOMPARE(row->text(0), "written");
        QVERIFY(!testfiles::readAll(page).contains(">About us</option>"));
    }

    // The command through the program: its table, its exit status, its messages, and
    // whether blog/index.html stays as it was; on the sample site, or ("edited") on the
    // site published and that page then edited by hand, where STAMP is that backup run.
    void commandLine_data() { testfiles::addTableRows("publish-command-lines.json"); }
    void commandLine()
    {
        QFETCH(QJsonArray, row);
        QStringList args = row[2].toVariant().toStringList();
        const QString output = row[4].toString(), message = row[6].toString();
        QTemporaryDir dir;
        const QString site = dir.filePath("in"), blog = site + "/blog/index.html";
        copySite(site);
        MenuProject p = project("nav");
        QVERIFY(testfiles::saveProject(dir.filePath("nav.qnv"), p));
        p.site.clear();
        QVERIFY(testfiles::saveProject(dir.filePath("nosite.qnv"), p));
        QString stamp;
        if (row[1].toBool()) {
            const SiteWriteReport first = publish("nav", site);
            QVERIFY(!first.failed());
            stamp = first.backupFolder.section('/', 1);
            QVERIFY(testfiles::writeAll(
                blog, testfiles::readAll(blog).replace(">About</option>", ">About us</option>")));
        }
        const QByteArray before = testfiles::readAll(blog);
        for (QString &arg : args)
            arg.replace(QRegularExpression("^P$"), dir.filePath("nav.qnv"))
                .replace(QRegularExpression("^N$"), dir.filePath("nosite.qnv"))
                .replace(QRegularExpression("^S(?=/|$)"), site)
                .replace("STAMP", stamp);
        const QByteArray page = testfiles::readAll(siteData("in/tags/x/index.html"));
        if (QString(QTest::currentDataTag()).contains("UTF-8"))
            QVERIFY(putLatin1Page(site, page));
        testfiles::Run run;
        if (args.last().endsWith("/NAME")) { // the name's bytes, through the shell
            args.last().chop(4);
            run = testfiles::runQuillnav(QStringList{"-c", "name=$(printf \"$0\"); exec \"$@\" \"$name\"",
                                                     args.takeLast() + "r\\351sum\\351.htm",
                                                     testpaths::binary()}
                                             + args,
                                         RLIM_INFINITY, "/bin/sh");
            QVERIFY2(readLatin1Page(site) != page, qPrintable(run.err));
            QVERIFY(readLatin1Page(site).contains("<option value=\"tags/x\">"));
        } else {
            run = testfiles::runQuillnav(args);
        }
        QCOMPARE(run.exitCode, row[3].toInt());
        QVERIFY2(QString::fromUtf8(run.out).contains(output), run.out.constData());
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(testfiles::readAll(blog) == before, row[5].toBool());
        QProcess::execute("rm", {"-rf", dir.path()}); // Qt cannot name the Latin-1 page to remove it
    }
};

QTEST_MAIN(TestPublish)
#include "tst_publish.moc"
