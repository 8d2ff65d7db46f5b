// Which pages take part in a menu's publish run and what it may write: pages
// of other menus or in encodings that cannot be written stay out of it,
// entries that hold a comment's marks, regions in the wrong order, the
// owner of a page written as root, a folder that cannot be written, the
// sizes the dry run tells, and pages found up to date without parsing.
#include "menu/ProjectFile.h"
#include "site/PageMenuCode.h"
#include "site/PublishRecord.h"
#include "site/RegionSkip.h"
#include "site/SitePublisher.h"
#include "site/SiteWriter.h"
#include "site/ui/PublishDialog.h"
#include "support/TestFiles.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

MenuProject project(const QString &name)
{
    MenuProject p;
    QString error;
    if (!ProjectFile::load(testpaths::dataFile("site/" + name + ".qnv"), &p, &error))
        qFatal("%s", qPrintable(error));
    return p;
}

QByteArray utf16(const QString &text)
{
    return QByteArray("\xff\xfe", 2)
           + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

const PagePlan *planOf(const SitePlan &plan, const QString &path)
{
    for (const PagePlan &p : plan.pages) {
        if (p.path == path)
            return &p;
    }
    return nullptr;
}

const QByteArray kGood = "<html><head></head><body><!-- quillnav siteNav --></body></html>";

// The record as the earlier version wrote it for one page: format 1, its page hash of SHA-256.
QByteArray formerRecord(const QString &path, const QByteArray &page)
{
    QJsonObject root = QJsonDocument::fromJson(testfiles::readAll(path)).object();
    QJsonObject pages = root["pages"].toObject();
    QJsonObject entry = pages["blog/index.html"].toObject();
    entry["page"] = QString::fromLatin1(QCryptographicHash::hash(page, QCryptographicHash::Sha256).toHex());
    pages["blog/index.html"] = entry;
    root["pages"] = pages;
    root["format"] = 1;
    return QJsonDocument(root).toJson();
}

} // namespace

class TestPublishPages : public QObject {
    Q_OBJECT

private slots:
    // Taking the menu out removes the shared script only when no page of the
    // whole site uses it any more (pages not named count too); it is backed
    // up, and --restore brings it back.
    void sharedScriptRemoved_data()
    {
        QTest::addColumn<QByteArray>("other"); // blog/o.html; empty: none
        QTest::addColumn<bool>("namedOnly");   // only p.html named
        QTest::addColumn<bool>("removed");
        const QByteArray script = "<html><head><script src=\"../quillnav-menus.js\"></script></head></html>";
        QTest::newRow("the last menu") << QByteArray() << false << true;
        QTest::newRow("a page links it") << script << false << false;
        QTest::newRow("a src that leads elsewhere")
            << QByteArray("<head><script src=\"quillnav-menus.js\"></script></head>") << false << true;
        QTest::newRow("a base before the src")
            << QByteArray("<head><base href=\"../\"><script src=\"quillnav-menus.js\"></script></head>") << false
            << false;
        QTest::newRow("another page of the menu, not named") << kGood << true << false;
        QTest::newRow("another page of the menu, the whole site") << kGood << false << true;
    }
    void sharedScriptRemoved()
    {
        QFETCH(QByteArray, other);
        QFETCH(bool, namedOnly);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        QVERIFY(testfiles::writeAll(dir.filePath("p.html"), kGood));
        QVERIFY(QDir(dir.path()).mkpath("blog"));
        if (!other.isEmpty())
            QVERIFY(testfiles::writeAll(dir.filePath("blog/o.html"), other));
        const QString scriptPath = dir.filePath(PageMenuCode::kScriptFile);
        QVERIFY(!SiteWriter::write(SitePublisher::prepare(project("nav"), dir.path(), {}, SitePublisher::Publish))
                     .failed());
        const QByteArray script = testfiles::readAll(scriptPath);
        QVERIFY(!script.isEmpty());
        const QStringList named = namedOnly ? QStringList{dir.filePath("p.html")} : QStringList();
        const SitePlan plan = SitePublisher::prepare(project("nav"), dir.path(), named, SitePublisher::Unpublish);
        const PagePlan *row = planOf(plan, PageMenuCode::kScriptFile);
        QVERIFY(row);
        QCOMPARE(row->state, removed ? PagePlan::WillChange : PagePlan::UpToDate);
        const SiteWriteReport report = SiteWriter::write(plan);
        QVERIFY(!report.failed());
        QCOMPARE(QFileInfo::exists(scriptPath), !removed);
        if (!removed)
            return;
        const QString stamp = QFileInfo(report.backupFolder).fileName();
        QCOMPARE(testfiles::readAll(dir.filePath(report.backupFolder + '/' + PageMenuCode::kScriptFile)), script);
        const testfiles::Run run = testfiles::runQuillnav({"--restore", stamp, "--site", dir.path()});
        QVERIFY2(run.out.contains("written         quillnav-menus.js"), run.out.constData());
        QCOMPARE(testfiles::readAll(scriptPath), script);
    }

    // A page takes part only when it holds a mark of this menu; what it does then.
    void pagesOfTheMenu_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<bool>("unpublish");
        QTest::addColumn<QString>("state"); // "" when the page takes no part
        QTest::addColumn<QString>("reason");
        QTest::newRow("another menu twice")
            << QByteArray("<head></head><!-- quillnav side --><!-- quillnav side -->") << false << ""
            << "";
        QTest::newRow("another menu's broken region")
            << QByteArray("<head></head><!-- quillnav end side body -->") << false << ""
            << "";
        QTest::newRow("a longer name")
            << QByteArray("<head></head><!-- quillnav siteNavigation -->") << false << ""
            << "";
        QTest::newRow("the words outside a comment")
            << QByteArray("<head></head><p>quillnav siteNav</p>") << false << ""
            << "";
        QTest::newRow("UTF-16, another menu") << utf16("<head></head><!-- quillnav side -->") << false << ""
                                              << "";
        QTest::newRow("undecodable, another menu")
            << QByteArray("<meta charset=\"iso-2022-kr\"></head><!-- quillnav side -->") << false << ""
            << "";
        QTest::newRow("UTF-16, this menu")
            << utf16("<head></head><!-- quillnav siteNav -->") << false << "error"
            << "in which a menu cannot be written";
        QTest::newRow("blanks inside the marks")
            << QByteArray("<head></head><!--\n\tquillnav \n siteNav\n-->") << false << "will change"
            << "";
        QTest::newRow("blanks outside ASCII")
            << QString("<head></head><!-- quillnav\u3000siteNav\u2003-->").toUtf8() << false
            << "will change" << "";
        QTest::newRow("in noscript, read as markup")
            << QByteArray("<head></head><body><noscript><p><!-- quillnav siteNav --></noscript>") << false
            << "will change"
            << "";
        QTest::newRow("a region's end read as text")
            << QByteArray("<head></head><!-- quillnav begin siteNav body --><textarea>"
                          "<!-- quillnav end siteNav body -->")
            << false << "error"
            << "has no end";
        QTest::newRow("a region that ends the head")
            << QByteArray("<head><!-- quillnav begin siteNav body --><p>x</p>"
                          "<!-- quillnav end siteNav body --></head>")
            << false << "error"
            << "no </head>";
        QTest::newRow("placeholder twice")
            << QByteArray("<head></head><!-- quillnav siteNav --><!--quillnav siteNav-->") << false << "error"
            << "twice (lines 1 and 1)";
        QTest::newRow("placeholder twice, taken out")
            << QByteArray("<head></head><!-- quillnav siteNav -->\n<!--quillnav siteNav-->") << true
            << "up to date"
            << "";
        QTest::newRow("placeholder twice and a region, taken out") << QByteArray(
            "<head><!-- quillnav begin siteNav head --><!-- quillnav end siteNav head --></head>"
            "<!-- quillnav siteNav -->\n<!--quillnav siteNav-->") << true
                                                                   << "error"
                                                                   << "twice (lines 1 and 2)";
    }
    void pagesOfTheMenu()
    {
        QFETCH(QByteArray, page);
        QFETCH(bool, unpublish);
        QFETCH(QString, state);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(testfiles::writeAll(dir.filePath("good.html"), kGood));
        QVERIFY(testfiles::writeAll(dir.filePath("p.html"), page));
        const SitePlan plan = SitePublisher::prepare(
            project("nav"), dir.path(), {}, unpublish ? SitePublisher::Unpublish : SitePublisher::Publish);
        QVERIFY(plan.error.isEmpty());
        QVERIFY(planOf(plan, "good.html"));
        const PagePlan *p = planOf(plan, "p.html");
        QCOMPARE(p ? PagePlan::stateText(p->state) : QString(), state);
        if (p)
            QVERIFY2(p->reason.contains(reason), qPrintable(p->reason));
        QCOMPARE(plan.failed(), state == "error");
    }

    // What the parser may leave out of a region: markup that leaves it as it was.
    void regionSkip_data()
    {
        QTest::addColumn<QByteArray>("markup");
        QTest::addColumn<bool>("neutral");
        const MenuProject nav = project("nav");
        QTest::newRow("the menu's code") << PageMenuCode::body(nav).toUtf8() << true;
        QTest::newRow("quoted '>'") << QByteArray("<p title=\"a>b\" class='c>d'>x</p><a href=x>y</a>")
                                    << true;
        QTest::newRow("text '<'") << QByteArray("a < b <3 <p/>") << true;
        QTest::newRow("comment") << QByteArray("<p><!-- x --></p>") << false;
        QTest::newRow("comment's end") << QByteArray("a --> b") << false;
        QTest::newRow("unclosed quote") << QByteArray("<option value=\"x>y</option>") << false;
        QTest::newRow("unclosed tag") << QByteArray("<p class=x") << false;
        QTest::newRow("textarea") << QByteArray("<TextArea>") << false;
        QTest::newRow("script end") << QByteArray("</script>") << false;
        QTest::newRow("template") << QByteArray("<template>") << false;
        QTest::newRow("svg") << QByteArray("<svg>") << false;
        QTest::newRow("bogus comment") << QByteArray("</ x>") << false;
        QTest::newRow("processing instruction") << QByteArray("<?x ?>") << false;
    }
    void regionSkip()
    {
        QFETCH(QByteArray, markup);
        QFETCH(bool, neutral);
        QCOMPARE(RegionSkip::isNeutral(markup), neutral);
    }

    // Entries holding a comment's marks: refused in classic code, escaped in
    // HTML5 code, whose pages can be published again and taken out.
    void marksInEntries_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("classic, placeholder") << "side"
                                              << "A <!-- quillnav side --> B"
                                              << "a.html"
                                              << "the text of entry 2 (\"A <!-- quillnav";
        QTest::newRow("classic, comment end") << "side"
                                              << "A --> B"
                                              << "a.html"
                                              << "holds \"-->\"";
        QTest::newRow("classic, end mark in a link") << "side"
                                                     << "A"
                                                     << "a.html?<!-- quillnav end side body -->"
                                                     << "the link of entry 2";
        QTest::newRow("classic, bang end") << "side"
                                           << "A --!> B"
                                           << "a.html"
                                           << "holds \"--!>\"";
        QTest::newRow("HTML5, placeholder") << "nav"
                                            << "A <!-- quillnav siteNav --> B"
                                            << "a.html"
                                            << "";
        QTest::newRow("HTML5, region marks") << "nav"
                                             << "<!-- quillnav end siteNav body --> -->"
                                             << "a.html?<!-- quillnav begin siteNav head -->"
                                             << "";
    }
    void marksInEntries()
    {
        QFETCH(QString, menu);
        QFETCH(QString, text);
        QFETCH(QString, url);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        const QByteArray page = "<html><head>\n</head>\n<body>\n<!-- quillnav "
                                + QByteArray(menu == "nav" ? "siteNav" : "side") + " -->\n</body></html>\n";
        QVERIFY(testfiles::writeAll(dir.filePath("p.html"), page));
        MenuProject p = project(menu);
        p.items[1].text = text;
        p.items[1].url = url;
        p.items[1].linked = "Yes";
        const SitePlan plan = SitePublisher::prepare(p, dir.path(), {}, SitePublisher::Publish);
        if (!refusal.isEmpty()) {
            QVERIFY2(plan.error.contains(refusal), qPrintable(plan.error));
            QVERIFY(plan.pages.isEmpty());
            return;
        }
        QVERIFY2(!plan.failed(), qPrintable(plan.error));
        QVERIFY(!SiteWriter::write(plan).failed());
        const QByteArray published = testfiles::readAll(dir.filePath("p.html"));
        QCOMPARE(published.count("<!--"), 4);
        const SitePlan again = SitePublisher::prepare(p, dir.path(), {}, SitePublisher::Publish);
        QVERIFY2(!again.failed(), qPrintable(again.pages.value(0).reason));
        QCOMPARE(again.pages.value(0).state, PagePlan::UpToDate);
        QVERIFY(
            !SiteWriter::write(SitePublisher::prepare(p, dir.path(), {}, SitePublisher::Unpublish)).failed());
        QCOMPARE(testfiles::readAll(dir.filePath("p.html")), page);
    }

    // A region's end before its begin names both lines, whatever the line ends.
    void endBeforeBegin_data()
    {
        QTest::addColumn<QByteArray>("eol");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("CR") << QByteArray("\r");
    }
    void endBeforeBegin()
    {
        QFETCH(QByteArray, eol);
        QTemporaryDir dir;
        const QList<QByteArray> lines = {"<html><head></head><body>", "<!-- quillnav end siteNav body -->",
                                         "<p>text</p>", "<!-- quillnav begin siteNav body -->",
                                         "<!-- quillnav end siteNav body -->"};
        QVERIFY(testfiles::writeAll(dir.filePath("p.html"), lines.join(eol)));
        const SitePlan plan = SitePublisher::prepare(project("nav"), dir.path(), {}, SitePublisher::Publish);
        QCOMPARE(plan.pages.size(), 1);
        QVERIFY2(plan.pages.first().reason.contains("ends on line 2 before it begins on line 4"),
                 qPrintable(plan.pages.first().reason));
    }

    // Publishing again: a page whose bytes are what the last publish wrote
    // into it, for the same menu code, is up to date without being parsed
    // (here no parser can run: that would be an error), and nothing is
    // written, the record neither; any other page goes to the parser. The
    // record vouches for the file it wrote, when older than the record, and
    // then the page is not even read (its encoding stays unknown).
    void unchangedUnparsed_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("read");
        QTest::newRow("same bytes, same code") << "" << int(PagePlan::UpToDate) << false;
        QTest::newRow("edited outside, same size and time") << "page" << int(PagePlan::Error) << true;
        QTest::newRow("the menu's code changed") << "code" << int(PagePlan::Error) << true;
        QTest::newRow("the record damaged") << "record" << int(PagePlan::Error) << true;
        QTest::newRow("a record of format 1") << "format 1" << int(PagePlan::Error) << true;
        QTest::newRow("links from a <base href>") << "base" << int(PagePlan::Error) << true;
        QTest::newRow("a record without files") << "no file" << int(PagePlan::UpToDate) << true;
        QTest::newRow("another inode, same size and times") << "inode" << int(PagePlan::UpToDate) << true;
        QTest::newRow("the record no later than the page") << "racy" << int(PagePlan::UpToDate) << true;
    }
    void unchangedUnparsed()
    {
        QFETCH(QString, change);
        QFETCH(int, state);
        QFETCH(bool, read);
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("blog")));
        const QString page = dir.filePath("blog/index.html"); // its own entry is selected
        QByteArray good = kGood;
        if (change == "base")
            good.replace("<head>", "<head><base href=\"./\">");
        QVERIFY(testfiles::writeAll(page, good));
        MenuProject menu = project("nav");
        QVERIFY(!SiteWriter::write(SitePublisher::prepare(menu, dir.path(), {}, SitePublisher::Publish))
                     .failed());
        const QString record = PublishRecord::path(dir.path());
        QVERIFY(testfiles::rewriteLaterThan(record, FileIdentity::of(page).changedNs));
        if (change == "page") {
            const QDateTime modified = QFileInfo(page).lastModified();
            QVERIFY(testfiles::writeAll(page, testfiles::readAll(page).replace("</body>", "</BODY>")));
            QFile file(page);
            QVERIFY(file.open(QIODevice::ReadWrite)
                    && file.setFileTime(modified, QFileDevice::FileModificationTime));
        } else if (change == "code") {
            menu.items.last().text += "x";
        } else if (change == "record") {
            QVERIFY(
                testfiles::writeAll(record, testfiles::readAll(record).replace("\"body\"", "\"bodies\"")));
        } else if (change == "format 1") {
            QVERIFY(testfiles::writeAll(record, formerRecord(record, testfiles::readAll(page))));
        } else if (change == "no file") {
            const QRegularExpression file(",\\s*\"stat\": \"[0-9 ]+\"");
            QVERIFY(testfiles::writeAll(record,
                                        QString::fromUtf8(testfiles::readAll(record)).remove(file).toUtf8()));
        } else if (change == "inode") { // the page's inode stands between spaces in its "stat"
            const QByteArray inode = QByteArray::number(FileIdentity::of(page).inode);
            QVERIFY(testfiles::writeAll(
                record, testfiles::readAll(record).replace(
                            ' ' + inode + ' ', ' ' + QByteArray::number(inode.toULongLong() + 1) + ' ')));
        } else if (change == "racy") {
            QFile file(record);
            QVERIFY(file.open(QIODevice::ReadWrite)
                    && file.setFileTime(
                        QDateTime::fromMSecsSinceEpoch(FileIdentity::of(page).changedNs / 1000000),
                        QFileDevice::FileModificationTime));
        }
        const FileIdentity pageBefore = FileIdentity::of(page), recordBefore = FileIdentity::of(record);
        SitePublisher::Options options;
        options.bounds.memoryBytes = 1;
        const SitePlan plan = SitePublisher::prepare(menu, dir.path(), {}, SitePublisher::Publish, options);
        QCOMPARE(planOf(plan, "blog/index.html")->state, PagePlan::State(state));
        if (state == PagePlan::UpToDate)
            QCOMPARE(!planOf(plan, "blog/index.html")->encoding.isEmpty(), read);
        QCOMPARE(plan.recordNote.contains("damaged"), change == "record");
        QCOMPARE(plan.recordNote.isEmpty(), change != "record");
        const SiteWriteReport report = SiteWriter::write(plan);
        QVERIFY(report.backupFolder.isEmpty());
        QVERIFY(FileIdentity::of(page) == pageBefore);
        QVERIFY(FileIdentity::of(record) == recordBefore);
    }

    // A record of format 1 (its page hashes set aside) still finds a region edited by hand.
    void recordOfFormerEdits()
    {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("blog")));
        const QString page = dir.filePath("blog/index.html");
        QVERIFY(testfiles::writeAll(page, kGood));
        QVERIFY(
            !SiteWriter::write(SitePublisher::prepare(project("nav"), dir.path(), {}, SitePublisher::Publish))
                 .failed());
        const QString record = PublishRecord::path(dir.path());
        QVERIFY(testfiles::writeAll(record, formerRecord(record, testfiles::readAll(page))));
        QByteArray bytes = testfiles::readAll(page);
        QVERIFY(testfiles::writeAll(page, bytes.replace(">About</option>", ">About us</option>")));
        const SitePlan plan = SitePublisher::prepare(project("nav"), dir.path(), {}, SitePublisher::Publish);
        QVERIFY2(plan.recordNote.isEmpty(), qPrintable(plan.recordNote));
        QCOMPARE(planOf(plan, "blog/index.html")->state, PagePlan::EditedByHand);
    }

    // As root, a page and the shared script keep their owner, group and mode.
    void ownerKept()
    {
        if (::geteuid() != 0)
            QSKIP("changing a file's owner needs root");
        const passwd *nobody = ::getpwnam("nobody");
        if (!nobody)
            QSKIP("no user \"nobody\"");
        const group *nogroup = ::getgrnam("nogroup");
        const gid_t gid = nogroup ? nogroup->gr_gid : nobody->pw_gid;
        QTemporaryDir dir;
        QVERIFY(testfiles::writeAll(dir.filePath("p.html"), kGood));
        QVERIFY(testfiles::writeAll(dir.filePath("quillnav-menus.js"), "old"));
        for (const char *name : {"p.html", "quillnav-menus.js"}) {
            const QByteArray path = QFile::encodeName(dir.filePath(name));
            QCOMPARE(::chown(path.constData(), nobody->pw_uid, gid), 0);
            QCOMPARE(::chmod(path.constData(), 0640), 0);
        }
        const SitePlan plan = SitePublisher::prepare(project("nav"), dir.path(), {}, SitePublisher::Publish);
        QCOMPARE(plan.count(PagePlan::WillChange), 2);
        QVERIFY(!SiteWriter::write(plan).failed());
        for (const char *name : {"p.html", "quillnav-menus.js"}) {
            struct stat st {};
            QCOMPARE(::stat(QFile::encodeName(dir.filePath(name)).constData(), &st), 0);
            QCOMPARE(st.st_uid, nobody->pw_uid);
            QCOMPARE(st.st_gid, gid);
            QCOMPARE(st.st_mode & 07777, mode_t(0640));
        }
        QVERIFY(testfiles::readAll(dir.filePath("p.html")).contains("begin siteNav body"));
    }

    // A page in a folder that cannot be written is refused while preparing:
    // nothing is written. As root the folder is made immutable (chattr),
    // otherwise its mode forbids writing.
    void unwritableFolder()
    {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("locked")));
        QVERIFY(testfiles::writeAll(dir.filePath("good.html"), kGood));
        QVERIFY(testfiles::writeAll(dir.filePath("locked/p.html"), kGood));
        const QString locked = dir.filePath("locked");
        const bool root = ::geteuid() == 0;
        if (root) {
            if (QProcess::execute("chattr", {"+i", locked}) != 0)
                QSKIP("chattr +i is not available here");
        } else {
            QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
        }
        const auto unlock = qScopeGuard([&] {
            if (root)
                QProcess::execute("chattr", {"-i", locked});
            QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        const SitePlan plan = SitePublisher::prepare(project("nav"), dir.path(), {}, SitePublisher::Publish);
        const PagePlan *p = planOf(plan, "locked/p.html");
        QVERIFY(p);
        QCOMPARE(p->state, PagePlan::Error);
        QVERIFY2(p->reason.contains("Its folder \"" + locked + "\" cannot be written"),
                 qPrintable(p->reason));
        SiteWriter::write(plan);
        QCOMPARE(testfiles::readAll(dir.filePath("good.html")), kGood);
    }

    // The sizes: the dry run's last line and the window's summary.
    void sizes()
    {
        QTemporaryDir dir;
        QVERIFY(testfiles::writeAll(dir.filePath("a.html"), kGood));
        QVERIFY(testfiles::writeAll(dir.filePath("b.html"), kGood));
        const MenuProject p = project("nav");
        const SitePlan plan = SitePublisher::prepare(p, dir.path(), {}, SitePublisher::Publish);
        qint64 all = 0;
        for (const PagePlan &page : plan.pages)
            all += page.newBytes.size();
        QCOMPARE(plan.bytesToWrite(), all);
        const QByteArray &a = plan.pages.first().newBytes;
        QCOMPARE(plan.largestRegion(),
                 qint64(a.size() - kGood.size() + QByteArray("<!-- quillnav siteNav -->").size()));
        QVERIFY(testfiles::saveProject(dir.filePath("nav.qnv"), p));
        const testfiles::Run run =
            testfiles::runQuillnav({"--publish", dir.filePath("nav.qnv"), "--site", dir.path(), "--dry-run"});
        QCOMPARE(run.exitCode, 0);
        const QString expected = plan.sizeText(QLocale::c());
        QVERIFY(expected.contains("will be written in all"));
        QVERIFY2(QString::fromUtf8(run.out).contains(expected), run.out.constData());
        PublishDialog dialog(p, dir.path(), SitePublisher::Publish);
        const QString summary = dialog.findChild<QLabel *>("lblPublishSummary")->text();
        QVERIFY2(summary.contains(plan.sizeText(dialog.locale())), qPrintable(summary));
    }

    // The records' hash (libcrypto, loaded at the first hash) is SHA-256 as Qt
    // computes it, around the block and padding edges too.
    void recordHash_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        for (const int size : {3, 55, 56, 63, 64, 65, 1000})
            QTest::addRow("%d bytes", size) << QByteArray(size, char('a' + size % 26));
        QTest::newRow("1 MiB and 3") << QByteArray((1 << 20) + 3, '\xE9');
    }

    void recordHash()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(PublishRecord::hash(bytes),
                 QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    }
};

QTEST_MAIN(TestPublishPages)
#include "tst_publish_pages.moc"
