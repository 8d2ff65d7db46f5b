// The bounded reading of pages: old pages with unclosed markup import, hostile
// pages are refused as too complex (in the worker, on the command line and in
// the window, where Cancel stops the reading), and a worker that crashes,
// ends badly or answers garbage is a failure, never a result.
#include "menu/ProjectFile.h"
#include "platform/BoundedWorker.h"
#include "platform/SyscallFilter.h"
#include "platform/WarmWorker.h"
#include "site/PageImport.h"
#include "site/PageSelectsWire.h"
#include "support/Form1Driver.h"
#include "support/ModalWatch.h"
#include "support/TestFiles.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace form1test;
using namespace Qt::StringLiterals;

namespace {

char *volatile g_block; // keeps the blocks of "memory without end" from being optimised away

const QByteArray kList = "<form><select name=\"go\" onchange=\"location=this.value\">"
                         "<option value=\"/a.html\">Alpha<option value=\"/b.html\">Beta</select>"
                         "<input type=submit value=Go></form>";

// A table layout of older tools: every cell opens <font> and <b> and closes neither.
QByteArray oldTable(int rows)
{
    QByteArray page = "<html><body><table width=600>";
    for (int i = 0; i < rows; ++i)
        page += "<tr><td><font face=\"Verdana\" size=\"2\"><b>Row " + QByteArray::number(i)
                + "<td><font size=1><i>note";
    return page + "<tr><td>" + kList + "</table></body></html>";
}

PageSelects::Bounds shortBounds()
{
    PageSelects::Bounds b;
    b.seconds = 1;
    b.memoryBytes = 96LL * 1024 * 1024;
    return b;
}

PageRecords everyFieldSet()
{
    PageSelect s{u"n"_s,  u"i"_s,  u"oc"_s, true, u"st"_s, {}, 7,        true,   u"fn"_s,
                 u"fa"_s, u"ft"_s, u"q"_s,  true, u"qt"_s, {}, u"top"_s, u"bs"_s};
    s.options = {{u"T\u00e9xt \U0001F600"_s, u"/v"_s, true, true, true, true, true}, {}};
    s.button = {PageButton::Image, u"bt"_s, u"bst"_s, u"src"_s, u"alt"_s, u"1"_s, u"2"_s};
    return {{s, PageSelect{}}, u"function gothere(){}"_s};
}

// A job that ends as badly as its request's first byte says (or answers "answer " and it).
QByteArray badJob(const QByteArray &request)
{
    switch (request.at(0)) {
    case 0:
        std::abort();
    case 1:
        ::raise(SIGTERM); // in the middle of its answer
        break;
    case 2:
        ::_exit(3);
    case 3:
    case 7:
        ::pause();
        break;
    case 4:
        for (volatile bool spin = true; spin;) {
        }
        break;
    case 5:
        for (char *block;;) {
            block = new char[1 << 20];
            std::memset(block, 1, 1 << 20);
            g_block = block;
        }
        break;
    case 6:
        return QByteArray(2 << 20, 'x');
    }
    return "answer " + request;
}

// Makes the system call its request's first byte names (0: only memory), then answers.
QByteArray tryCall(const QByteArray &request)
{
    switch (request.at(0)) {
    case 0: {
        auto *block = static_cast<char *>(std::malloc(64 << 20));
        std::memset(block, 1, 64 << 20);
        block = static_cast<char *>(std::realloc(block, 128 << 20));
        g_block = block;
        std::free(block);
        break;
    }
    case 1:
        ::open("/etc/hostname", O_RDONLY | O_CLOEXEC);
        break;
    case 2:
        ::socket(AF_INET, SOCK_STREAM, 0);
        break;
    case 3:
        ::write(STDERR_FILENO, "x", 1);
        break;
    case 4:
        ::execl("/bin/true", "true", nullptr);
        break;
    case 5:
        ::mmap(nullptr, 4096, PROT_READ | PROT_EXEC, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        break;
    }
    return QByteArray("answer");
}

// The process ids of this thread's children, ended ones not yet reaped among them.
QList<QByteArray> childIds()
{
    return testfiles::readAll(QStringLiteral("/proc/thread-self/children")).split(' ');
}

// The process id of this thread's newest child, or 0.
pid_t newestChild()
{
    const QList<QByteArray> ids = childIds();
    return ids.size() > 1 ? pid_t(ids.at(ids.size() - 2).toInt()) : 0;
}

qsizetype openDescriptors()
{
    return QDir(QStringLiteral("/proc/self/fd"))
        .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
        .size();
}

} // namespace

class TestPageBound : public QObject {
    Q_OBJECT
private slots:
    void oldPagesImport_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("old table, unclosed font and b in every cell") << oldTable(3000);
        QTest::newRow("an empty comment before the markup") << "<!--><p>Jump to: " + kList;
        QTest::newRow("600 levels, all closed")
            << QByteArray("<div>").repeated(600) + kList + QByteArray("</div>").repeated(600);
        QTest::newRow("nested tables, stray end tags")
            << QByteArray("<div><table></div>").repeated(2000) + kList;
    }
    void oldPagesImport()
    {
        QFETCH(QByteArray, page);
        PageImport import;
        MenuProject p;
        QStringList notes;
        QVERIFY2(import.parse(page, u"old.html"_s), qPrintable(import.error()));
        QVERIFY2(import.project(import.count() - 1, &p, &notes), qPrintable(import.error()));
        QCOMPARE(p.items, rows("Alpha@/a.html,Beta@/b.html"));
    }

    // With bounds of one second and 96 MiB, so that the test stays short.
    void hostilePagesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("unclosed blocks after <!-->")
            << "<!-->" + QByteArray("<div>").repeated(300000) + kList;
        QTest::newRow("unclosed formatting after <!-->")
            << "<!-->" + QByteArray("<b>").repeated(400000) + kList;
        QByteArray attributes = "<select";
        for (int i = 0; i < 300000; ++i)
            attributes += " a" + QByteArray::number(i);
        QTest::newRow("300,000 attributes") << attributes + ">";
        QTest::newRow("millions of elements") << QByteArray("<p>").repeated(4000000) + kList;
    }
    void hostilePagesAreRefused()
    {
        QFETCH(QByteArray, page);
        PageImport import;
        QVERIFY(!import.parse(page, u"hostile.html"_s, shortBounds()));
        QVERIFY2(import.error().startsWith(
                     "The page \"hostile.html\" was not imported. It is too complex to read"),
                 qPrintable(import.error()));
    }

    void commandLineRefusesHostilePage()
    {
        QTemporaryDir dir;
        QVERIFY(testfiles::writeAll(dir.filePath("h.html"),
                                    "<!-->" + QByteArray("<div>").repeated(400000) + kList));
        const testfiles::Run run =
            testfiles::runQuillnav({"--import", dir.filePath("h.html"), "-o", dir.filePath("h.qnv")});
        QVERIFY2(run.exitCode == 1 && run.err.contains("too complex to read"), qPrintable(run.err));
        QVERIFY(!QFile::exists(dir.filePath("h.qnv")));
    }

    void workerSignalledFromOutsideIsAFailure()
    {
        PageSelects page;
        PageSelects::Bounds bounds;
        int ticks = 0;
        bounds.keepGoing = [&ticks] {
            const pid_t child = ++ticks == 10 ? newestChild() : 0; // well into the parse
            if (child > 0)
                ::kill(child, SIGTERM);
            return true;
        };
        QVERIFY(!page.read("<!-->" + QByteArray("<div>").repeated(300000) + kList, bounds));
        QVERIFY2(page.error().contains("reader failed (signal 15"), qPrintable(page.error()));
        QVERIFY(page.selects().isEmpty());
    }

    // Each bad end once in a worker forked for the job and once in the warm
    // worker, which is then replaced: the next request is answered.
    void badWorkersAreFailures_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("warm");
        const struct {
            const char *name;
            BoundedWorker::Outcome outcome;
        } kinds[] = {{"abort", BoundedWorker::Crashed},
                     {"half an answer, then a crash", BoundedWorker::Crashed},
                     {"exit status 3", BoundedWorker::Failed},
                     {"sleeps past the clock", BoundedWorker::TimeLimit},
                     {"spins past the processor time", BoundedWorker::TimeLimit},
                     {"memory without end", BoundedWorker::MemoryLimit},
                     {"answer past its limit", BoundedWorker::MemoryLimit},
                     {"cancelled", BoundedWorker::Cancelled}};
        for (int kind = 0; kind < int(std::size(kinds)); ++kind) {
            for (const bool warm : {false, true})
                QTest::addRow("%s%s", kinds[kind].name, warm ? ", warm" : "")
                    << kind << int(kinds[kind].outcome) << warm;
        }
    }
    void badWorkersAreFailures()
    {
        QFETCH(int, kind);
        QFETCH(int, outcome);
        QFETCH(bool, warm);
        BoundedWorker::Limits limits{1, 2, 64LL << 20, 1 << 20};
        const auto keepGoing = [kind] { return kind != 7; };
        // Where the user's limits allow core files, a worker's end leaves none.
        QTemporaryDir cores;
        rlimit core{};
        ::getrlimit(RLIMIT_CORE, &core);
        const rlimit allowed{core.rlim_max, core.rlim_max};
        ::setrlimit(RLIMIT_CORE, &allowed);
        const QString folder = QDir::currentPath();
        QDir::setCurrent(cores.path());
        WarmWorker::stop(); // the next one starts in that folder
        BoundedWorker::Result r;
        {
            const auto restore = qScopeGuard([&] {
                QDir::setCurrent(folder);
                ::setrlimit(RLIMIT_CORE, &core);
            });
            if (warm) {
                QVERIFY(WarmWorker::call(
                    &badJob, 1, [kind](char *into) { *into = char(kind); }, limits, keepGoing, &r));
            } else {
                r = BoundedWorker::run(
                    [kind](int fd) {
                        if (kind == 1) {
                            const QByteArray half = PageSelectsWire::encode(everyFieldSet()).left(40);
                            BoundedWorker::writeAll(fd, half.data(), half.size());
                        }
                        const QByteArray answer = badJob(QByteArray(1, char(kind)));
                        return BoundedWorker::writeAll(fd, answer.data(), answer.size()) ? 0 : 1;
                    },
                    limits, keepGoing);
            }
        }
        QCOMPARE(int(r.outcome), outcome);
        QVERIFY(r.output.isEmpty());
        QCOMPARE(QDir(cores.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        if (!warm)
            return;
        QCOMPARE(WarmWorker::pid(), 0);
        QVERIFY(WarmWorker::call(
            &badJob, 1, [](char *into) { *into = 'a'; }, limits, {}, &r));
        QCOMPARE(int(r.outcome), int(BoundedWorker::Finished));
        QCOMPARE(r.output, QByteArray("answer a"));
        QVERIFY(WarmWorker::pid() > 0);
    }

    // A hostile page ends the import's warm worker, as does a signal from
    // outside while it waits; the next import gets a new one, which is kept
    // for the imports that follow. No descriptor and no ended child stays.
    void warmWorkerIsReplacedAfterAHostilePage()
    {
        WarmWorker::stop();
        const qsizetype open = openDescriptors();
        PageImport import;
        QVERIFY2(import.parse(kList, u"a.html"_s), qPrintable(import.error()));
        const pid_t first = WarmWorker::pid();
        QVERIFY(first > 0);
        QCOMPARE(openDescriptors(), open + 1); // its socket
        QVERIFY(!import.parse("<!-->" + QByteArray("<div>").repeated(300000) + kList, u"h.html"_s,
                              shortBounds()));
        QVERIFY2(import.error().contains("too complex to read"), qPrintable(import.error()));
        QVERIFY(::kill(first, 0) != 0); // killed and reaped
        QCOMPARE(openDescriptors(), open);
        QVERIFY2(import.parse(kList, u"a.html"_s), qPrintable(import.error()));
        const pid_t second = WarmWorker::pid();
        QVERIFY(second > 0 && second != first);
        QCOMPARE(::kill(second, SIGKILL), 0);
        for (int i = 0; i < 2; ++i) {
            QVERIFY2(import.parse(kList, u"a.html"_s), qPrintable(import.error()));
            QCOMPARE(import.count(), 1);
        }
        QVERIFY(WarmWorker::pid() > 0 && WarmWorker::pid() != second);
        QCOMPARE(openDescriptors(), open + 1);
        QCOMPARE(childIds(), QList<QByteArray>({QByteArray::number(WarmWorker::pid()), QByteArray()}));
    }

    // The page reader's worker may compute in memory and write its answer,
    // and nothing else: a call that opens, connects or starts anything ends
    // it, and the reader gives its usual failure.
    void workerIsConfined_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<bool>("warm");
        const QString killed = u"Its reader failed (signal 31 (Bad system call))."_s;
        for (const bool warm : {false, true}) {
            const char *how = warm ? ", warm" : "";
            QTest::addRow("memory: allocate, grow, free%s", how) << 0 << QString() << warm;
            QTest::addRow("open a file%s", how) << 1 << killed << warm;
            QTest::addRow("make a socket%s", how) << 2 << killed << warm;
            QTest::addRow("write to standard error%s", how) << 3 << killed << warm;
            QTest::addRow("start a program%s", how) << 4 << killed << warm;
            QTest::addRow("executable memory%s", how) << 5 << killed << warm;
        }
    }
    void workerIsConfined()
    {
        QFETCH(int, call);
        QFETCH(QString, failure);
        QFETCH(bool, warm);
        if (!SyscallFilter::available())
            QSKIP("the sanitizers' runtime needs more system calls: no filter in this build");
        PageReadBounds bounds;
        const auto job = [call](bool) { return tryCall(QByteArray(1, char(call))); };
        const BoundedWorker::Result r =
            warm ? bounds.run(job, &tryCall, 1, [call](char *into) { *into = char(call); }) : bounds.run(job);
        if (failure.isEmpty()) {
            QCOMPARE(int(r.outcome), int(BoundedWorker::Finished));
            QCOMPARE(r.output, QByteArray("answer"));
        } else {
            QCOMPARE(int(r.outcome), int(BoundedWorker::Crashed));
            QCOMPARE(bounds.failureText(r), failure);
        }
        if (warm)
            QCOMPARE(WarmWorker::pid() == 0, !failure.isEmpty());
    }

    void largeAnswersComeWhole()
    {
        const BoundedWorker::Result r = BoundedWorker::run(
            [](int fd) {
                QByteArray big(48 << 20, '\0');
                for (qsizetype i = 0; i < big.size(); i += 4096)
                    big[i] = char(i >> 12);
                return BoundedWorker::writeAll(fd, big.data(), big.size()) ? 0 : 1;
            },
            BoundedWorker::Limits{});
        QCOMPARE(int(r.outcome), int(BoundedWorker::Finished));
        QCOMPARE(r.output.size(), 48 << 20);
        QCOMPARE(r.output.at(4096 * 300), char(300));
    }

    void wireKeepsEveryFieldAndRefusesDamage()
    {
        const QByteArray wire = PageSelectsWire::encode(everyFieldSet());
        PageRecords back;
        QVERIFY(PageSelectsWire::decode(wire, &back));
        QCOMPARE(PageSelectsWire::encode(back), wire);
        QCOMPARE(back.selects.at(0).options.at(0).text, u"T\u00e9xt \U0001F600"_s);
        QVERIFY(wire != PageSelectsWire::encode({{PageSelect{}, PageSelect{}}, u"function gothere(){}"_s}));
        for (qsizetype n = 0; n < wire.size(); ++n)
            QVERIFY2(!PageSelectsWire::decode(wire.left(n), &back), qPrintable(QString::number(n)));
        QVERIFY(!PageSelectsWire::decode(wire + '\0', &back));
        QByteArray notABool = wire;
        notABool[notABool.indexOf(QByteArrayView("o\0c\0", 4)) + 4] = 2; // hasOnchange
        QVERIFY(!PageSelectsWire::decode(notABool, &back));
        QVERIFY(!PageSelectsWire::decode(QByteArray(64, '\xff'), &back));
    }

    void windowCancelStopsTheReading()
    {
        std::unique_ptr<Form1> w;
        QVERIFY(showWindow(w));
        QTemporaryDir dir;
        QVERIFY(testfiles::writeAll(dir.filePath("slow.html"),
                                    "<!-->" + QByteArray("<div>").repeated(300000) + kList));
        w->choosers().importPage = [&dir](QWidget *) { return dir.filePath("slow.html"); };
        const MenuProject before = w->document()->project();
        bool cancelled = false;
        modalwatch::whenModal(w.get(), [&cancelled](QWidget *modal) {
            auto *progress = qobject_cast<QProgressDialog *>(modal);
            if (!progress || progress->objectName() != "progressImport")
                return false;
            progress->cancel();
            return cancelled = true;
        });
        modalwatch::MessageBoxCatcher boxes;
        action(*w, "mnuFileImport")->trigger();
        settle(*w);
        QVERIFY(cancelled);
        QCOMPARE(boxes.count, 0);
        QVERIFY(w->document()->project() == before && !w->document()->isModified());
    }
};

QTEST_MAIN(TestPageBound)
#include "tst_pagebound.moc"
