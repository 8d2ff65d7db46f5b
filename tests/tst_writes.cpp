// Writing files: Save Code's page; every writer when the final write fails
// (the old file stays whole, the message names it and the reason), when its
// target is not a regular file (a FIFO, a device, a folder, a socket, or a
// link to one), and when the command line names the input as the output.
#include "codegen/PreviewSession.h"
#include "codegen/SavedCodePage.h"
#include "codegen/ui/SaveCodeToFile.h"
#include "menu/ProjectFile.h"
#include "platform/AtomicFile.h"
#include "platform/RegistryStore.h"
#include "support/ModalWatch.h"
#include "support/TestFiles.h"

#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using namespace testfiles;

namespace {

// Every file and folder under a folder, with the files' bytes.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files[it.next()] = readAll(it.filePath());
    return files;
}

// Files may grow to this many bytes; a longer write fails with EFBIG.
constexpr rlim_t kSmallFile = 200;

// The file size limit of this process and of the programs it runs.
rlim_t fileLimit = RLIM_INFINITY;

// Lowers this process's file size limit while it lives.
struct SmallFiles {
    rlimit saved{};
    SmallFiles()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = fileLimit = kSmallFile;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~SmallFiles() { setrlimit(RLIMIT_FSIZE, &saved), fileLimit = RLIM_INFINITY; }
};

// The real program, under the limit of the moment: true when it went through.
bool runs(const QStringList &args, QString *message)
{
    const Run run = runQuillnav(args, fileLimit);
    *message = run.exitCode == -1 ? QString("did not finish") : run.err;
    return run.exitCode == 0;
}

// Every writer, aimed at one name (`file`, in a folder of its own): true when it
// reports success; `message` gets what it said otherwise. Those of the command
// line write through devices and FIFOs.
struct Writer {
    const char *name;
    bool commandLine;
    const char *file;
    std::function<bool(const QString &target, const QString &project, QString *message)> write;
};
const Writer kWriters[] = {
    {"project save", false, "p.qnv",
     [](const QString &target, const QString &, QString *message) {
         return ProjectFile::save(target, sampleProject(), message);
     }},
    {"save code", false, "code.html",
     [](const QString &target, const QString &, QString *message) {
         SetSaveCodeFileChooser([target](QWidget *) { return target; });
         modalwatch::MessageBoxCatcher boxes;
         const bool saved = SaveCodeToFile(nullptr, sampleProject());
         *message = boxes.text;
         return saved;
     }},
    {"settings store", false, "user-registry.txt",
     [](const QString &target, const QString &, QString *message) {
         RegistryStore::setFilePath(target);
         const bool written = RegistryStore::modify(
             [](RegistryHive &hive) { return hive.createKey(QString(300, 'k')); }, message);
         RegistryStore::setFilePath({});
         return written;
     }},
    {"preview pages", false, "98127630.html",
     [](const QString &target, const QString &, QString *message) {
         const MenuProject p = sampleProject();
         return PreviewPages::build(GenerateMenuCode(codegen::kPreviewMode, p), p.options)
             .writeTo(QFileInfo(target).path(), message);
     }},
    {"generate -o", true, "page.html",
     [](const QString &target, const QString &project, QString *message) {
         return runs({"--generate", project, "-o", target}, message);
     }},
    {"import -o", true, "p.qnv",
     [](const QString &target, const QString &project, QString *message) {
         const QString page = QFileInfo(project).dir().filePath("page.html");
         writeAll(page, "<select><option value=a.html>A</option></select>");
         return runs({"--import", page, "-o", target}, message);
     }},
    {"write-preview", false, "98127630.html",
     [](const QString &target, const QString &project, QString *message) {
         return runs({"--write-preview", QFileInfo(target).path(), project}, message);
     }},
};

// Makes a node of a kind at `path`: false when the system does not allow it here.
bool makeNode(const QString &kind, const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    if (kind == "fifo")
        return ::mkfifo(name.constData(), 0644) == 0;
    if (kind == "device") // a null device of the test's own: writes to it go nowhere
        return ::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    if (kind == "folder")
        return QDir().mkdir(path);
    if (kind == "socket") {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (size_t(name.size()) >= sizeof address.sun_path)
            return false;
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        ::close(fd);
        return bound;
    }
    return false;
}

// What a name holds, without following a link: kind, inode, device number, link text.
QString nodeOf(const QString &path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return "missing";
    return QString("%1/%2/%3/%4")
        .arg(info.st_mode, 0, 8)
        .arg(info.st_ino)
        .arg(info.st_rdev)
        .arg(QFileInfo(path).symLinkTarget());
}

// Every name in a folder (hidden and special ones too) with what it holds.
QMap<QString, QString> nodes(const QString &folder)
{
    QMap<QString, QString> out;
    for (const QString &name :
         QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        out[name] = nodeOf(QDir(folder).filePath(name));
    return out;
}

} // namespace

class TestWrites : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { SetSaveCodeFileChooser({}); }
    void saveCodeRoundTripAndCancel()
    {
        const QString path = m_dir.filePath("code.html");
        QVERIFY(writeAll(path, QByteArray(100000, 'x'))); // an older, longer file is replaced as a whole
        modalwatch::MessageBoxCatcher boxes;
        SetSaveCodeFileChooser([](QWidget *) { return QString(); }); // cancelled: no failure, nothing written
        QVERIFY(!SaveCodeToFile(nullptr, sampleProject()));
        QCOMPARE(readAll(path), QByteArray(100000, 'x'));
        SetSaveCodeFileChooser([path](QWidget *) { return path; });
        QVERIFY(SaveCodeToFile(nullptr, sampleProject()));
        QCOMPARE(boxes.count, 0);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"code.html"}));
        // The fragments are in the file byte for byte, head inside HEAD, body inside BODY, UTF-8.
        const MenuCode code = GenerateMenuCode(codegen::kCodeMode, sampleProject());
        const QByteArray bytes = readAll(path), head = code.head.toUtf8(), body = code.body.toUtf8();
        QCOMPARE(bytes, SavedCodePage::bytes(code));
        QVERIFY(bytes.indexOf("<HEAD>") < bytes.indexOf(head)
                && bytes.indexOf(head) + head.size() <= bytes.indexOf("</HEAD>"));
        QVERIFY(bytes.indexOf("<BODY>") < bytes.indexOf(body)
                && bytes.indexOf(body) + body.size() <= bytes.indexOf("</BODY>"));
        QVERIFY(body.contains("\xe6\x97\xa5\xe6\x9c\xac\xc2\xa0<Caf\xc3\xa9>"));
        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF") && !bytes.contains("Menu Preview"));
    }

    // A write that fails at the end (the file would pass the size limit)
    // leaves every file as it was.
    void failedFinalWriteKeepsOldFile_data()
    {
        QTest::addColumn<int>("writer");
        for (int i = 0; i < int(std::size(kWriters)); ++i)
            QTest::newRow(kWriters[i].name) << i;
    }
    void failedFinalWriteKeepsOldFile()
    {
        QFETCH(int, writer);
        const Writer &w = kWriters[writer];
        QTemporaryDir projects, dir;
        const QString project = projects.filePath("p.qnv"), target = dir.filePath(w.file);
        const QByteArray old =
            w.name == QString("settings store") ? RegistryHive::signature() + "\n[Old]\n" : "old";
        QVERIFY(saveProject(project, sampleProject()) && writeAll(target, old));
        const auto before = snapshot(dir.path());
        QString error;
        {
            SmallFiles limit;
            QVERIFY(!w.write(target, project, &error));
        }
        // The message names the file and gives the system's reason.
        QVERIFY2(error.contains(QDir::toNativeSeparators(dir.path() + '/'))
                     && error.contains("File too large"),
                 qPrintable(error));
        QCOMPARE(snapshot(dir.path()), before);
    }

    // A large file is flushed to disk on a second thread while it is
    // written: whole when it goes through, the old file kept when a write
    // fails after some of those flushes.
    void largeFileFlushedWhileWritten_data()
    {
        QTest::addColumn<qint64>("sizeLimit");
        QTest::newRow("written") << qint64(RLIM_INFINITY);
        QTest::newRow("fails after early flushes") << qint64(9 << 20);
    }
    void largeFileFlushedWhileWritten()
    {
        QFETCH(qint64, sizeLimit);
        QTemporaryDir dir;
        const QString target = dir.filePath("large.html");
        QVERIFY(writeAll(target, "old"));
        QByteArray bytes;
        for (int i = 0; bytes.size() < (12 << 20); ++i)
            bytes += QByteArray::number(i) + ' ';
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limited = saved;
        limited.rlim_cur = rlim_t(sizeLimit);
        setrlimit(RLIMIT_FSIZE, &limited);
        AtomicFileWriter file(target);
        QString error;
        bool written = file.open(&error);
        for (qsizetype at = 0; written && at < bytes.size(); at += 65536)
            file.write(QByteArrayView(bytes).sliced(at, std::min<qsizetype>(65536, bytes.size() - at)));
        written = written && file.commit(&error);
        setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(written, sizeLimit == qint64(RLIM_INFINITY));
        QCOMPARE(readAll(target), written ? bytes : QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1); // nothing left behind
        QVERIFY2(written || error.contains("File too large"), qPrintable(error));
    }

    void nonFileTargetStaysAsItWas_data()
    {
        QTest::addColumn<int>("writer");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("link");
        for (int i = 0; i < int(std::size(kWriters)); ++i)
            for (const char *kind : {"fifo", "device", "folder", "socket"})
                for (const bool link : {false, true})
                    QTest::addRow("%s, %s%s", kWriters[i].name, link ? "link to " : "", kind)
                        << i << QString(kind) << link;
    }

    // The node is never replaced; on the command line a device or a FIFO
    // (with a reader) gets the output, anything else refuses with a message
    // that names the file.
    void nonFileTargetStaysAsItWas()
    {
        QFETCH(int, writer);
        QFETCH(QString, kind);
        QFETCH(bool, link);
        const bool commandLine = kWriters[writer].commandLine;
        QTemporaryDir projects, dir;
        const QString project = projects.filePath("in.qnv"), target = dir.filePath(kWriters[writer].file);
        QVERIFY(saveProject(project, sampleProject()));
        const QString node = link ? dir.filePath("real-" + kind) : target;
        if (!makeNode(kind, node))
            QSKIP(qPrintable(QString("cannot make a %1 here: %2").arg(kind, std::strerror(errno))));
        if (link)
            QVERIFY(QFile::link(node, target));
        int reader = -1; // reads the FIFO, so that a write through it finds someone
        if (kind == "fifo")
            QVERIFY((reader = ::open(QFile::encodeName(node).constData(), O_RDONLY | O_NONBLOCK)) >= 0);
        const auto before = nodes(dir.path());
        QString message;
        const bool written = kWriters[writer].write(target, project, &message);
        QByteArray received(1 << 16, '\0');
        const ssize_t got = reader >= 0 ? ::read(reader, received.data(), size_t(received.size())) : 0;
        if (reader >= 0)
            ::close(reader);
        QCOMPARE(nodes(dir.path()), before);
        const bool throughStream = commandLine && (kind == "fifo" || kind == "device");
        QVERIFY2(written == throughStream, qPrintable(message));
        if (throughStream) {
            QVERIFY(message.isEmpty());
            if (kind == "fifo")
                QVERIFY(got > 0 && (received.startsWith("<") || received.startsWith("{")));
        } else {
            QVERIFY2(message.contains(QDir::toNativeSeparators(target)), qPrintable(message));
        }
    }

    // A named pipe that nobody reads: the command gives up at once, with a
    // message, and the pipe stays.
    void fifoWithoutReaderIsRefusedAtOnce()
    {
        QTemporaryDir dir;
        QVERIFY(saveProject(dir.filePath("in.qnv"), sampleProject())
                && makeNode("fifo", dir.filePath("out")));
        const Run run = runQuillnav({"--generate", dir.filePath("in.qnv"), "-o", dir.filePath("out")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(dir.filePath("out")) && run.err.contains("no program is reading"),
                 qPrintable(run.err));
        QCOMPARE(nodeOf(dir.filePath("out")).section('/', 0, 0), QString::number(S_IFIFO | 0644, 8));
    }

    // -o /dev/stdout writes to standard output as any Unix tool does: a pipe,
    // and a file that the caller opened for appending, which keeps what it held.
    void standardOutputByName()
    {
        QTemporaryDir dir;
        QVERIFY(saveProject(dir.filePath("in.qnv"), sampleProject()));
        const Run plain = runQuillnav({"--generate", dir.filePath("in.qnv")});
        for (const char *name : {"/dev/stdout", "/dev/fd/1"}) {
            const Run named = runQuillnav({"--generate", dir.filePath("in.qnv"), "-o", name});
            QCOMPARE(named.exitCode, 0);
            QVERIFY(!plain.out.isEmpty());
            QCOMPARE(named.out, plain.out);
        }
        const QString log = dir.filePath("all.html");
        QVERIFY(writeAll(log, "before\n"));
        QProcess appending;
        appending.setStandardOutputFile(log, QIODevice::Append);
        appending.start(testpaths::binary(), {"--generate", dir.filePath("in.qnv"), "-o", "/dev/stdout"});
        QVERIFY(appending.waitForFinished(30000) && appending.exitCode() == 0);
        QCOMPARE(readAll(log), "before\n" + plain.out);
    }

    void outputThatIsTheInputIsRefused_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("alias"); // how the output names the input
        for (const char *command : {"--generate", "--import", "--write-preview"}) {
            for (const char *alias : {"same name", "other spelling", "hard link", "symbolic link"}) {
                if (QString(command) != "--write-preview" || QString(alias) != "other spelling")
                    QTest::addRow("%s, %s", command, alias) << QString(command) << QString(alias);
            }
        }
    }

    // Nothing is written, and the input stays as it was.
    void outputThatIsTheInputIsRefused()
    {
        QFETCH(QString, command);
        QFETCH(QString, alias);
        QTemporaryDir dir;
        // For the preview the input is a project under a page's name in the folder.
        const QString input = dir.filePath(command == "--write-preview" ? "98127630.html"
                                           : command == "--import"      ? "page.html"
                                                                        : "in.qnv");
        QVERIFY(command == "--import" ? writeAll(input, "<select><option value=a.html>A</option></select>")
                                      : saveProject(input, sampleProject()));
        QString other = input; // the input under another name
        if (alias == "other spelling") {
            QVERIFY(QDir(dir.path()).mkdir("sub"));
            other = dir.path() + "/./sub/../" + QFileInfo(input).fileName();
        } else if (alias == "hard link") {
            other = dir.filePath("alias");
            QVERIFY(::link(QFile::encodeName(input).constData(), QFile::encodeName(other).constData()) == 0);
        } else if (alias == "symbolic link") {
            QVERIFY(QFile::link(input, other = dir.filePath("alias")));
        }
        const QByteArray bytes = readAll(input);
        const auto before = nodes(dir.path());
        // The preview reads the other name and writes the page's name.
        const QStringList args = command == "--write-preview" ? QStringList{command, dir.path(), other}
                                                              : QStringList{command, input, "-o", other};
        const Run run = runQuillnav(args);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QDir::toNativeSeparators(input)) && run.err.contains("nothing was written"),
                 qPrintable(run.err));
        QCOMPARE(readAll(input), bytes);
        QCOMPARE(nodes(dir.path()), before);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestWrites)
#include "tst_writes.moc"
