// Writing files: Save Code's page, and every writer when the final
// write fails (the old file stays whole, the message names it and the reason).
#include "codegen/PreviewSession.h"
#include "codegen/SavedCodePage.h"
#include "codegen/ui/SaveCodeToFile.h"
#include "menu/ProjectFile.h"
#include "platform/RegistryStore.h"
#include "support/ModalWatch.h"
#include "support/TestFiles.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// Markup characters and non-ASCII text that a careless writer would escape or mangle.
MenuProject sample()
{
    MenuProject p;
    p.options.menuName = "nav";
    p.items = {{"Home", "Yes", "index.html", "Yes"},
               {"--- \u65e5\u672c\u00a0<Caf\u00e9>", "Yes", "a.html?x=1&y=\"2\"", "No"},
               MenuItem::separator(), {"Contact", "No", "", "No"}};
    return p;
}

// Every file and folder under a folder, with the files' bytes.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files[it.next()] = testfiles::readAll(it.filePath());
    return files;
}

// Files may grow to this many bytes; a longer write fails with EFBIG.
constexpr rlim_t kSmallFile = 200;

// Lowers this process's file size limit while it lives.
struct SmallFiles {
    rlimit saved{};
    SmallFiles()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = kSmallFile;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~SmallFiles() { setrlimit(RLIMIT_FSIZE, &saved); }
};

// The real program under the same limit; returns what it printed on stderr.
QString runLimited(const QStringList &args)
{
    const testfiles::Run run = testfiles::runQuillnav(args, kSmallFile);
    return run.exitCode == 1 ? run.err : QString();
}

using Writer = std::function<QString(const QString &dir, const QString &project)>;

} // namespace

Q_DECLARE_METATYPE(Writer)

using namespace testfiles;

class TestWrites : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { SetSaveCodeFileChooser({}); }
    void saveCodeRoundTripAndCancel();
    void failedFinalWriteKeepsOldFile_data();
    void failedFinalWriteKeepsOldFile();

private:
    QTemporaryDir m_dir;
};


void TestWrites::saveCodeRoundTripAndCancel()
{
    const QString path = m_dir.filePath("code.html");
    QVERIFY(writeAll(path, QByteArray(100000, 'x'))); // an older, longer file is replaced as a whole
    modalwatch::MessageBoxCatcher boxes;
    SetSaveCodeFileChooser([](QWidget *) { return QString(); }); // cancelled: no failure, nothing written
    QVERIFY(!SaveCodeToFile(nullptr, sample()));
    QCOMPARE(readAll(path), QByteArray(100000, 'x'));
    SetSaveCodeFileChooser([path](QWidget *) { return path; });
    QVERIFY(SaveCodeToFile(nullptr, sample()));
    QCOMPARE(boxes.count, 0);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"code.html"}));
    // The fragments are in the file byte for byte, head inside HEAD, body inside BODY, UTF-8.
    const MenuCode code = GenerateMenuCode(codegen::kCodeMode, sample());
    const QByteArray bytes = readAll(path), head = code.head.toUtf8(), body = code.body.toUtf8();
    QCOMPARE(bytes, SavedCodePage::bytes(code));
    QVERIFY(bytes.indexOf("<HEAD>") < bytes.indexOf(head) && bytes.indexOf(head) + head.size() <= bytes.indexOf("</HEAD>"));
    QVERIFY(bytes.indexOf("<BODY>") < bytes.indexOf(body) && bytes.indexOf(body) + body.size() <= bytes.indexOf("</BODY>"));
    QVERIFY(body.contains("\xe6\x97\xa5\xe6\x9c\xac\xc2\xa0<Caf\xc3\xa9>"));
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF") && !bytes.contains("Menu Preview"));
}

void TestWrites::failedFinalWriteKeepsOldFile_data()
{
    QTest::addColumn<Writer>("writer");
    QTest::addColumn<QString>("target"); // a file that held something before
    QTest::addColumn<QByteArray>("old");
    const QByteArray old("old");
    QTest::newRow("project save") << Writer([](const QString &dir, const QString &) {
        QString error;
        ProjectFile::save(dir + "/old.qnv", sample(), &error);
        return error;
    }) << "old.qnv" << old;
    QTest::newRow("generate -o") << Writer([](const QString &dir, const QString &project) {
        return runLimited({"--generate", project, "-o", dir + "/page.html"});
    }) << "page.html" << old;
    QTest::newRow("write-preview") << Writer([](const QString &dir, const QString &project) {
        return runLimited({"--write-preview", dir, project});
    }) << "quillnav_preview_frame2.html" << old;
    QTest::newRow("preview pages") << Writer([](const QString &dir, const QString &) {
        QString error;
        PreviewPages::build(GenerateMenuCode(codegen::kPreviewMode, sample()), sample().options)
            .writeTo(dir, &error);
        return error;
    }) << "98127630.html" << old;
    QTest::newRow("save code") << Writer([](const QString &dir, const QString &) {
        SetSaveCodeFileChooser([dir](QWidget *) { return dir + "/code.html"; });
        modalwatch::MessageBoxCatcher boxes;
        SaveCodeToFile(nullptr, sample());
        return boxes.text;
    }) << "code.html" << old;
    QTest::newRow("settings store") << Writer([](const QString &dir, const QString &) {
        RegistryStore::setFilePath(dir + "/user-registry.txt");
        QString error;
        RegistryStore::modify([](RegistryHive &hive) { return hive.createKey(QString(300, 'k')); },
                              &error);
        RegistryStore::setFilePath({});
        return error;
    }) << "user-registry.txt" << RegistryHive::signature() + "\n[Old]\n";
}

void TestWrites::failedFinalWriteKeepsOldFile()
{
    QFETCH(Writer, writer);
    QFETCH(QString, target);
    QFETCH(QByteArray, old);
    QTemporaryDir projects, dir;
    QString error;
    const QString project = projects.filePath("p.qnv");
    QVERIFY(ProjectFile::save(project, sample(), &error));
    QVERIFY(writeAll(dir.filePath(target), old));
    const auto before = snapshot(dir.path());
    {
        SmallFiles limit;
        error = writer(dir.path(), project);
    }
    // The message names the file and gives the system's reason.
    QVERIFY2(error.contains(QDir::toNativeSeparators(dir.path() + '/')) && error.contains("File too large"),
             qPrintable(error));
    QCOMPARE(snapshot(dir.path()), before);
}

QTEST_MAIN(TestWrites)
#include "tst_writes.moc"
