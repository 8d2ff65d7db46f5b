// Menus made from a site's pages and sitemaps, and the check of a menu's
// links, on a small site made in a temporary folder; the commands through
// the real executable.
#include "app/ui/ItemListDecorations.h"
#include "app/ui/MenuListView.h"
#include "menu/ProjectFile.h"
#include "site/LinkCheck.h"
#include "site/NaturalOrder.h"
#include "site/SiteMenuBuilder.h"
#include "site/SitemapImport.h"
#include "support/DeclaredPages.h"
#include "support/Form1Driver.h"
#include "support/TestFiles.h"

#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

using testfiles::runQuillnav;
using namespace form1test;

namespace {

QByteArray page(const QByteArray &head, const QByteArray &body = {})
{
    return "<!DOCTYPE html><html><head>" + head + "</head><body>" + body + "</body></html>\n";
}

} // namespace

class TestSite : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_site;

    void put(const QString &path, const QByteArray &bytes)
    {
        QVERIFY(QDir().mkpath(QFileInfo(m_site + '/' + path).absolutePath()));
        QVERIFY(testfiles::writeAll(m_site + '/' + path, bytes));
    }

private slots:
    void initTestCase()
    {
        m_site = m_dir.filePath("site");
        put("index.html", page("<title>Home</title>"));
        put("page10.html", page("<title> Ten\n  pages </title>", "<h2 id=sec>S</h2><a name=old></a>"));
        put("page2.html", page("<!-- <title>no</title> -->", "<h1>Two <b>and</b> more</h1>"));
        put("About.html", page("<meta charset=windows-1252><title>Caf\xe9</title>"));
        put("no title.htm", page(""));
        put("notes.txt", "not a page");
        put("blog/index.html", page("<title>Blog</title>"));
        put("blog/2026/post.html", page("<title>Post</title>"));
        put("blog/a.html", page("<title>A</title>"));
        put("docs/guide.html", page("<title>Guide</title>"));
        put(".hidden/x.html", page("<title>X</title>"));
        put(".quillnav-backup/20260101-000000/index.html", page("<title>Old</title>"));
        put(".quillnav-backup/20260101-000000/.quillnav-publish.json", "{\"format\": 1, \"pages\": {}}");
        put(".quillnav-publish.json", "{\"format\": 1, \"pages\": {}}");
        put("../outside/o.html", page("<title>Out</title>"));
        QVERIFY(QFile::link(m_dir.filePath("outside"), m_site + "/ext"));
        QVERIFY(QFile::link(m_site + "/blog", m_site + "/blog/2026/loop"));
        // Aliases: a page listed once, under its own path; one into a hidden folder.
        QVERIFY(QFile::link("blog/a.html", m_site + "/latest.html"));
        QVERIFY(QFile::link(".hidden/x.html", m_site + "/draft.html"));
        // A name that is not UTF-8 (Latin-1), made with the system's own call.
        const QByteArray latin1 = QFile::encodeName(m_site) + "/r\xe9sum\xe9.htm";
        const QByteArray bytes = page("");
        const int fd = ::open(latin1.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        QVERIFY(fd >= 0 && ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size());
        ::close(fd);
    }

    void cleanupTestCase()
    {
        // Qt cannot name the Latin-1 page to remove it with the folder.
        ::unlink((QFile::encodeName(m_site) + "/r\xe9sum\xe9.htm").constData());
    }

    void naturalOrder()
    {
        for (const auto &[a, b] : {std::pair{"page2", "page10"},
                                   {"page", "page1"},
                                   {"a07", "a8"},
                                   {"Apple", "banana"},
                                   {"x2y", "x2z"},
                                   {"Page", "page"}})
            QVERIFY2(NaturalOrder::compare(a, b) < 0 && NaturalOrder::compare(b, a) > 0, a);
    }

    // Titles, headings and the order; hidden folders, the backup folder, the
    // publishing record, a link out of the site and a link loop skipped.
    void fromSite()
    {
        MenuProject p;
        QStringList notes;
        QString error;
        QVERIFY2(SiteMenuBuilder::build(m_site, &p, &notes, &error), qPrintable(error));
        QCOMPARE(p.items,
                 rows("Home@index.html,Caf\u00e9@About.html,no title.htm@no%20title.htm,"
                      "Two and more@page2.html,Ten pages@page10.html,r\\xE9sum\\xE9.htm@r%E9sum%E9.htm,"
                      "Blog@blog/index.html,--- A@blog/a.html,--- Post@blog/2026/post.html,docs,"
                      "--- Guide@docs/guide.html"));
        QCOMPARE(p.options.menuName, QString("siteMenu"));
        QCOMPARE(p.site, QDir::cleanPath(m_site));
        QVERIFY2(notes.join('\n').contains("\"ext\" leads out of the site folder"),
                 qPrintable(notes.join('\n')));
        QVERIFY2(notes.join('\n').contains("\"draft.html\" leads to \".hidden/x.html\""),
                 qPrintable(notes.join('\n')));
        QCOMPARE(notes.size(), 2);
        QVERIFY(!SiteMenuBuilder::build(m_site + "/index.html", &p, &notes, &error));
        QVERIFY(error.contains("is not a folder"));
    }

    void fromSitemap()
    {
        SitemapImport map;
        QVERIFY(map.parse(
            "<?xml version=\"1.0\"?>\n<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">"
            "<url><loc> https://example.org/ </loc></url><url><loc>https://example.org/blog/</loc></url>"
            "<url><loc>https://example.org/old/my%20page.html</loc></url></urlset>",
            "sitemap.xml"));
        MenuProject p;
        QStringList notes;
        QVERIFY(map.project(m_site, &p, &notes));
        QCOMPARE(
            p.items,
            rows("Home@index.html,Blog@blog/index.html,my page.html@https://example.org/old/my%20page.html"));
        QVERIFY(!map.parse("<urlset>\n<url>\n<loc>a</url></urlset>", "bad.xml"));
        QVERIFY2(map.error().contains("bad.xml\" is not well-formed XML: line 3"), qPrintable(map.error()));
        QVERIFY(!map.parse("<sitemapindex><sitemap><loc>x</loc></sitemap></sitemapindex>", "i.xml"));
        QVERIFY(map.error().contains("is a sitemap index"));
    }

    // An address and its name past a project text's length are cut, and a
    // character is never cut in half (a lone surrogate in the project).
    void sitemapCutsWholeCharacters_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qsizetype>("kept");
        const QString emoji = QStringLiteral("\U0001F600").repeated(16400);
        QTest::newRow("the cut inside a pair") << emoji << ProjectFile::kMaxTextLength - 1;
        QTest::newRow("the cut between pairs") << "a" + emoji << ProjectFile::kMaxTextLength;
    }
    void sitemapCutsWholeCharacters()
    {
        QFETCH(QString, name);
        QFETCH(qsizetype, kept);
        SitemapImport map;
        const QString address = "https://example.org/" + name; // 20 characters before the name
        QVERIFY(map.parse("<urlset><url><loc>" + address.toUtf8() + "</loc></url></urlset>", "long.xml"));
        MenuProject p;
        QStringList notes;
        QVERIFY(map.project(m_site, &p, &notes));
        QCOMPARE(p.items.size(), 1);
        const MenuItem &item = p.items.at(0);
        QCOMPARE(item.text.size(), kept);
        QCOMPARE(item.url.size(), kept);
        QVERIFY(item.text.isValidUtf16() && item.url.isValidUtf16());
        QVERIFY(name.startsWith(item.text) && address.startsWith(item.url));
    }

    // The file of the site folder that a sitemap's address stands for.
    void sitemapFile_data() { testfiles::addTableRows("sitemap-files.json"); }
    void sitemapFile()
    {
        QFETCH(QJsonArray, row);
        const QString address = row[1].toString(), file = row[2].toString();
        QCOMPARE(SitemapImport::fileFor(address, m_site), file);
    }

    // A link, its verdict ("good", "failed" or "not checked") and the reason.
    void checkLinks_data() { testfiles::addTableRows("link-checks.json"); }
    void checkLinks()
    {
        QFETCH(QJsonArray, row);
        const QString verdict = row[2].toString();
        const auto status = verdict == "good"     ? LinkVerdict::Good
                            : verdict == "failed" ? LinkVerdict::Failed
                                                  : LinkVerdict::NotChecked;
        LinkCheck check(m_site);
        const QList<LinkVerdict> v =
            check.check({{"x", "Yes", row[1].toString(), "No"}, MenuItem::separator()});
        QCOMPARE(v, (QList<LinkVerdict>{{status, row[3].toString()}, {}}));
    }

    // A page's encoding declared past the prescan or by an XML declaration,
    // or UTF-16 opening with "<?x": its title makes the entry, its ids are
    // what the link check finds, as Chromium reads them.
    void declaredEncodingIsRead_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("text");
        for (const declaredpages::Row &row : declaredpages::rows())
            QTest::newRow(qPrintable(row.name)) << row.page << row.text;
    }
    void declaredEncodingIsRead()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, text);
        QTemporaryDir dir;
        QVERIFY(testfiles::writeAll(dir.filePath("p.html"), page));
        MenuProject p;
        QStringList notes;
        QString error;
        QVERIFY2(SiteMenuBuilder::build(dir.path(), &p, &notes, &error), qPrintable(error));
        QCOMPARE(p.items, (QList<MenuItem>{{text, "Yes", "p.html", "No"}}));
        LinkCheck check(dir.path());
        const QList<LinkVerdict> good = {{LinkVerdict::Good, {}}};
        QCOMPARE(check.check({{"x", "Yes", "p.html#" + text, "No"}}), good);
    }

    void commands()
    {
        const QString qnv = m_dir.filePath("made.qnv");
        auto run = runQuillnav({"--from-site", m_site, "-o", qnv});
        QCOMPARE(run.exitCode, 0);
        MenuProject p;
        QString error;
        QVERIFY(ProjectFile::load(qnv, &p, &error));
        QCOMPARE(p.site, QString("site"));
        QCOMPARE(p.dialect, CodeDialect::Html5);
        QCOMPARE(runQuillnav({"--check-links", qnv}).exitCode, 0);
        p.items[3] = {"Blog", "Yes", "blog/gone.html", "No"};
        p.site.clear();
        QVERIFY(testfiles::saveProject(qnv, p));
        run = runQuillnav({"--check-links", qnv});
        QCOMPARE(run.exitCode, 2);
        run = runQuillnav({"--check-links", qnv, "--site", m_site});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QByteArray("entry 4 (\"Blog\"): blog/gone.html does not exist\n"));
        QCOMPARE(runQuillnav({"--from-sitemap", qnv, "-o", qnv}).exitCode, 1);
    }

    // The window: the menu is a new, untitled document after the question
    // about unsaved changes, yet one undo step; the failing entries get a
    // mark with the reason, which a change of the list takes away.
    void window()
    {
        std::unique_ptr<Form1> w;
        QVERIFY(showWindow(w));
        w->choosers().siteFolder = [this](QWidget *) { return m_site; };
        QTemporaryDir dir;
        const QString saved = dir.filePath("old.qnv");
        QString error;
        QVERIFY(w->document()->save(saved, &error) == MenuDocument::SaveOutcome::Saved);
        w->document()->changeSiteFolder(m_site); // a change not saved
        {
            modalwatch::MessageBoxCatcher cancel(QMessageBox::Cancel);
            action(*w, "mnuFileFromSite")->trigger();
            settle(*w);
            QCOMPARE(cancel.count, 1);
            QCOMPARE(w->document()->filePath(), QFileInfo(saved).absoluteFilePath());
            QVERIFY(w->document()->project().items.isEmpty());
        }
        {
            modalwatch::MessageBoxCatcher notes(QMessageBox::Discard); // then the link out of the site
            action(*w, "mnuFileFromSite")->trigger();
            settle(*w);
            QVERIFY(notes.count == 2 && notes.text.contains("notes"));
        }
        QVERIFY(w->document()->filePath().isEmpty() && w->document()->isModified());
        QString asked;
        w->choosers().saveProject = [&](QWidget *) { return asked = dir.filePath("new.qnv"); };
        action(*w, "mnuFileSaveProj")->trigger();
        QCOMPARE(asked, dir.filePath("new.qnv")); // Save asks for a name; the old file stays
        MenuProject old;
        QVERIFY(ProjectFile::load(saved, &old, &error) && old.items.isEmpty());
        QCOMPARE(w->document()->project().items.size(), 11);
        QCOMPARE(w->document()->project().options.menuName, QString("siteMenu"));
        QCOMPARE(w->document()->dialect(), CodeDialect::Html5); // whatever new menus start with
        QCOMPARE(w->document()->undoStack()->undoText(), QString("New Menu from Site"));
        MenuItemModel *model = w->document()->model();
        model->setItem(2, {"Gone", "Yes", "gone.html#x", "No"});
        action(*w, "mnuToolsCheckLinks")->trigger();
        settle(*w);
        QCOMPARE(model->index(1, 0).data(Qt::ToolTipRole).toString(), QString("gone.html does not exist"));
        QVERIFY(!model->index(1, 0).data(Qt::DecorationRole).isNull());
        QVERIFY(model->index(0, 0).data(Qt::DecorationRole).isNull());
        // The results stay in a window of their own; a row makes its entry the current one.
        auto *results = w->findChild<QTreeWidget *>("lstLinkResults");
        QVERIFY(results && results->isVisible() && !results->window()->isModal());
        QCOMPARE(results->topLevelItemCount(), 1);
        QCOMPARE(results->topLevelItem(0)->text(1), QString("gone.html#x"));
        QCOMPARE(results->topLevelItem(0)->text(2), QString("gone.html does not exist"));
        w->findChild<MenuListView *>("lv")->setCurrentRow(5);
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {},
                          results->visualItemRect(results->topLevelItem(0)).center());
        QCOMPARE(w->findChild<MenuListView *>("lv")->currentPosition(), 2);
        model->setText(1, "Start");
        QVERIFY(model->index(1, 0).data(Qt::DecorationRole).isNull()
                && !ItemListDecorations::of(model)->hasLinkMarks());
        w->document()->undoStack()->undo();
        QVERIFY(w->document()->project().items.isEmpty());
        QCOMPARE(w->document()->filePath(), QFileInfo(saved).absoluteFilePath());
    }
};

QTEST_MAIN(TestSite)
#include "tst_site.moc"
