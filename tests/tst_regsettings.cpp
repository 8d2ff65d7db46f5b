// The settings store: CRegSettings on top of the per-user hive file.
#include "platform/CRegSettings.h"
#include "platform/RegistryHive.h"
#include "platform/RegistryStore.h"
#include "support/TestFiles.h"

#include <QtTest>

#include <memory>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace testfiles;

namespace {

const QString M = u"Messages"_s;

CRegSettings Messages()
{
    CRegSettings settings;
    settings.setAppName(u"Quillnav 1.2"_s);
    settings.setCompany(u"Brookfen"_s);
    return settings;
}

// Writes count values one by one in a child process; returns its process id.
pid_t StartWriter(const QString &file, const QString &prefix, int count)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    RegistryStore::setFilePath(file);
    for (int i = 0; i < count; ++i) {
        if (!Messages().SaveSetting(M, prefix + QString::number(i), u"value %1"_s.arg(i)))
            _exit(1);
    }
    _exit(0);
}

bool SetValue(const QString &section, const RegValue &value)
{
    return RegistryStore::modify([&](RegistryHive &hive) {
        const QString path = Messages().sectionKeyPath(section);
        return hive.createKey(path) && hive.setValue(path, value);
    });
}

} // namespace

class TestRegSettings : public QObject {
    Q_OBJECT

private:
    QString m_file;
    QString m_folder;
    std::unique_ptr<QTemporaryDir> m_dir;
    CRegSettings s;

    QString get(const QString &key, const QString &fallback = u"<default>"_s) const
    {
        return Messages().GetSetting(M, key, fallback);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
    } // keeps the user's own file out of reach

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_folder = m_dir->filePath(u"config"_s);
        m_file = m_folder + u"/user-registry.txt"_s;
        RegistryStore::setFilePath(m_file);
        s = Messages();
    }

    void cleanup()
    {
        RegistryStore::setFilePath(QString());
        m_dir.reset();
    }

    // Rows: section, key, the setting saved (null: none), the value read, and the
    // key that must hold it.
    void readAndWrite_data() { testfiles::addTableRows(u"settings-values.json"_s); }
    void readAndWrite()
    {
        QFETCH(QJsonArray, row);
        const QString section = row[1].toString(), key = row[2].toString(), expected = row[4].toString(),
                      storedAt = row[5].toString();
        const QString setting = row[3].isNull()              ? QString()
                                : row[3].toString().isNull() ? u""_s
                                                             : row[3].toString();
        if (setting.isNull())
            QVERIFY(!QDir(m_folder).exists()); // reading creates nothing
        else
            QVERIFY(s.SaveSetting(section, key, setting));
        QCOMPARE(RegistryStore::read().state,
                 setting.isNull() ? RegistryStore::FileState::Missing : RegistryStore::FileState::Ok);
        QCOMPARE(Messages().GetSetting(section, key, u"<default>"_s), expected);
        const RegistryHive hive = RegistryStore::read().hive;
        if (!storedAt.isEmpty())
            QVERIFY(hive.value(storedAt, key == "*"_L1 ? QString() : key));
        for (QString path = storedAt; !path.isEmpty(); path = path.section(u'\\', 0, -2))
            QVERIFY2(hive.keyExists(path), qPrintable(path));
        // No temporary or lock files are left behind.
        QCOMPARE(QDir(m_folder).entryList(QDir::Files),
                 QStringList(!setting.isNull(), u"user-registry.txt"_s));
    }

    void oddValues()
    {
        QVERIFY(s.SaveSetting(M, u"*"_s, u"unnamed"_s));
        // A value literally named "*" is not reachable through the class.
        QVERIFY(SetValue(M, RegValue{u"*"_s, RegSz, RegValue::textData(u"star"_s)}));
        QCOMPARE(get(u"*"_s), u"unnamed"_s);
        // A text value without even its closing zero, and values that are not text, read as missing
        // and are left out of GetAllSettings.
        const QList<RegValue> odd{{u"NoBytes"_s, RegSz, QByteArray()},
                                  {u"Number"_s, RegDword, QByteArray("\x78\x56\x34\x12", 4)},
                                  {u"Binary"_s, RegBinary, QByteArray("yes\0", 4)},
                                  {u"None"_s, RegNone, QByteArray()}};
        for (const RegValue &value : odd) {
            QVERIFY(SetValue(M, value));
            QCOMPARE(get(value.name), u"<default>"_s);
        }
        QVERIFY(s.SaveSetting(M, u"*"_s, u"one"_s)); // replaced where it stands
        QCOMPARE(s.GetAllSettings(M),
                 (QList<QStringList>{{u""_s, u"one"_s}, {u"*"_s, u"star"_s}, {u"NoBytes"_s, u""_s}}));
        // They survive the rewrite of a hand-edited file: byte order mark, Windows line ends, blanks after
        // "]".
        QByteArray text = readAll(m_file);
        QVERIFY(writeAll(m_file, "\xEF\xBB\xBF" + text.replace("]\n", "] \t\n").replace("\n", "\r\n")));
        QCOMPARE(RegistryStore::read().state, RegistryStore::FileState::Ok);
        QVERIFY(s.SaveSetting(M, u"Later"_s, u"l"_s));
        QCOMPARE(RegistryStore::read().hive.values(s.sectionKeyPath(M)).mid(2, odd.size()), odd);
        // Names ignore case and keep their first spelling.
        s.setCompany(u"BROOKFEN"_s);
        QVERIFY(s.SaveSetting(u"MESSAGES"_s, u"number"_s, u"text now"_s));
        QCOMPARE(get(u"NUMBER"_s), u"text now"_s);
        QCOMPARE(RegistryStore::read().hive.values(s.sectionKeyPath(M)).at(3).name, u"Number"_s);
        QVERIFY(!s.GetAllSettings(u"Missing"_s).has_value());
    }

    void deleteValueThenSection()
    {
        for (const char *key : {"A", "B"})
            QVERIFY(s.SaveSetting(M, QString::fromLatin1(key), u"v"_s));
        QVERIFY(s.SaveSetting(u"Parent\\Child"_s, u"C"_s, u"c"_s));
        const QByteArray before = readAll(m_file);
        // Missing value, value of a missing section, missing section, section with subkeys, nothing.
        for (const auto &[section, key] :
             {std::pair{"Messages", "Nope"}, {"Missing", "A"}, {"Missing", ""}, {"Parent", ""}, {"", ""}})
            QVERIFY2(!s.DeleteSetting(QString::fromLatin1(section), QString::fromLatin1(key)), section);
        QCOMPARE(readAll(m_file), before); // failures change nothing
        QVERIFY(s.DeleteSetting(M, u"A"_s) && s.DeleteSetting(M, u"B"_s));
        QVERIFY(RegistryStore::read().hive.keyExists(s.sectionKeyPath(M))); // the key stays
        QVERIFY(s.DeleteSetting(M));
        QVERIFY(!RegistryStore::read().hive.keyExists(s.sectionKeyPath(M)));
    }

    void damagedFileReadsEmptyAndIsMovedAside_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: a folder stands where the file should be
        const QByteArray head = RegistryHive::signature() + "\n";
        for (const QJsonArray &r : testfiles::tableRows(u"settings-damaged.json"_s))
            QTest::newRow(qPrintable(r[0].toString()))
                << (r[1].isNull() ? QByteArray() : r[1].toString().toLatin1().replace("$HEAD", head));
        QTest::newRow("over 16 MiB") << head + "; " + QByteArray(RegistryHive::kMaxTextBytes, 'x') + "\n";
    }

    void damagedFileReadsEmptyAndIsMovedAside()
    {
        QFETCH(QByteArray, content);
        QVERIFY(content.isNull() ? QDir().mkpath(m_file)
                                 : QDir().mkpath(m_folder) && writeAll(m_file, content));
        QCOMPARE(RegistryStore::read().state,
                 content.isNull() ? RegistryStore::FileState::Unreadable : RegistryStore::FileState::Corrupt);
        QCOMPARE(get(u"Show IE Message"_s, u"yes"_s), u"yes"_s);
        QVERIFY(!s.GetAllSettings(M).has_value());
        QCOMPARE(readAll(m_file), content); // reading changes nothing
        if (content.isNull()) { // a folder is not a damaged file: it stays, and nothing is written
            QVERIFY(!s.SaveSetting(M, u"Show IE Message"_s, u"no"_s));
            QVERIFY(QFileInfo(m_file).isDir()
                    && QDir(m_folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size() == 1);
            return;
        }
        QVERIFY(s.SaveSetting(M, u"Show IE Message"_s, u"no"_s));
        QCOMPARE(get(u"Show IE Message"_s), u"no"_s);
        QCOMPARE(RegistryStore::read().state, RegistryStore::FileState::Ok);
        const QStringList backups = QDir(m_folder).entryList({u"user-registry.txt.corrupt-*"_s},
                                                             QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(backups.size(), 1);
        if (!content.isNull())
            QCOMPARE(readAll(m_folder + u'/' + backups.first()), content);
    }

    void leftOverLocks_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: held by a live lock of this process
        QTest::addColumn<int>("ageSeconds");
        QTest::newRow("empty, left by a writer killed at once") << QByteArray("") << 5;
        QTest::newRow("empty, just made") << QByteArray("") << 0;
        QTest::newRow("of a process that is gone") << QByteArray("2000000000\nquillnav\n\n") << 0;
        QTest::newRow("held") << QByteArray() << 0;
    }

    void leftOverLocks()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, ageSeconds);
        const QString lockPath = m_file + u".lock"_s;
        QVERIFY(QDir().mkpath(m_folder));
        QLockFile held(lockPath);
        QFile lock(lockPath);
        QVERIFY(content.isNull() ? held.tryLock(0) : writeAll(lockPath, content));
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                 QFileDevice::FileModificationTime));
        QElapsedTimer timer;
        timer.start();
        QString error;
        const bool written =
            RegistryStore::modify([](RegistryHive &hive) { return hive.createKey(u"K"_s); }, &error);
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(written, !content.isNull());
        QVERIFY2(written || error.contains(u"Could not lock the settings file"_s), qPrintable(error));
    }

    void concurrentWritersLoseNothing()
    {
        constexpr int PerWriter = 40;
        for (const pid_t pid :
             {StartWriter(m_file, u"A"_s, PerWriter), StartWriter(m_file, u"B"_s, PerWriter)}) {
            int status = -1;
            QCOMPARE(waitpid(pid, &status, 0), pid);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        QCOMPARE(Messages().GetAllSettings(M)->size(), 2 * PerWriter);
        QCOMPARE(get(u"B%1"_s.arg(PerWriter - 1)), u"value %1"_s.arg(PerWriter - 1));
    }
};

QTEST_GUILESS_MAIN(TestRegSettings)
#include "tst_regsettings.moc"
