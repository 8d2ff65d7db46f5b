// Writes that fail at the last moment, and hostile input files.
#include "codegen/PreviewSession.h"
#include "codegen/ui/SaveCodeToFile.h"
#include "menu/ProjectFile.h"
#include "platform/RegistryStore.h"
#include "support/ModalWatch.h"
#include "support/TestFiles.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

MenuProject sample()
{
    MenuProject p;
    p.options.menuName = "M";
    p.items = {{"Home", "Yes", "index.html", "Yes"}, {"About", "Yes", "about.html", "No"}};
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
    QProcess process;
    process.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small{kSmallFile, kSmallFile};
        setrlimit(RLIMIT_FSIZE, &small);
    });
    process.start(testpaths::binary(), args);
    process.waitForFinished(30000);
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    return process.exitCode() == 1 ? err : QString();
}

using Writer = std::function<QString(const QString &dir, const QString &project)>;

} // namespace

Q_DECLARE_METATYPE(Writer)

class TestReliability : public QObject {
    Q_OBJECT
private slots:
    void failedFinalWriteKeepsOldFile_data();
    void failedFinalWriteKeepsOldFile();
};

void TestReliability::failedFinalWriteKeepsOldFile_data()
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
        SetSaveCodeFileChooser({});
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

void TestReliability::failedFinalWriteKeepsOldFile()
{
    QFETCH(Writer, writer);
    QFETCH(QString, target);
    QFETCH(QByteArray, old);
    QTemporaryDir projects, dir;
    QString error;
    const QString project = projects.filePath("p.qnv");
    QVERIFY(ProjectFile::save(project, sample(), &error));
    QVERIFY(testfiles::writeAll(dir.filePath(target), old));
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

QTEST_MAIN(TestReliability)
#include "tst_reliability.moc"
