// The settings store: CRegSettings on top of the per-user hive file.
#include "platform/CRegSettings.h"
#include "platform/RegistryHive.h"
#include "platform/RegistryStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString M = u"Messages"_s;

CRegSettings Messages()
{
    CRegSettings settings;
    settings.setAppName(u"Quillnav 1.2"_s);
    settings.setCompany(u"Brookfen"_s);
    return settings;
}

// When set, this executable runs as a child process:
// "write|<store file>|<key prefix>|<count>" writes count values one by one;
// "readonly|<store file>" checks, as a user who may not write the store's
// folder, that writes fail cleanly and reads still work.
const char ChildVariable[] = "QUILLNAV_TEST_REG_CHILD";

int RunChild(const QStringList &args)
{
    RegistryStore::setFilePath(args.value(1));
    CRegSettings settings = Messages();
    if (args.value(0) == "write"_L1) {
        for (int i = 0; i < args.value(3).toInt(); ++i) {
            if (!settings.SaveSetting(M, args.value(2) + QString::number(i), u"value %1"_s.arg(i)))
                return 1;
        }
        return 0;
    }
    if (settings.SaveSetting(M, u"K"_s, u"new"_s) || settings.DeleteSetting(M, u"K"_s))
        return 1;
    return settings.GetSetting(M, u"K"_s) == "old"_L1 ? 0 : 2;
}

std::unique_ptr<QProcess> StartChild(const QStringList &args, const QString &program,
                                     const QStringList &programArgs = {})
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(ChildVariable), args.join(u'|'));
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(program, programArgs);
    return process;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool SetValue(const QString &section, const RegValue &value)
{
    return RegistryStore::modify([&](RegistryHive &hive) {
        const QString path = Messages().sectionKeyPath(section);
        return hive.createKey(path) && hive.setValue(path, value);
    });
}

} // namespace

class TestRegSettings : public QObject
{
    Q_OBJECT

public:
    TestRegSettings()
    {
        if (qEnvironmentVariableIsSet(ChildVariable))
            std::exit(RunChild(qEnvironmentVariable(ChildVariable).split(u'|')));
    }

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
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); } // keeps the user's own file out of reach

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
        // Leave nothing read-only behind for QTemporaryDir to trip over.
        for (const QString &folder : {m_dir->path(), m_folder})
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_dir.reset();
    }

    void readAndWrite_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("setting"); // null: nothing is saved
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("storedAt"); // the key that must hold the value
        const QString app = u"Software\\Brookfen\\Quillnav 1.2"_s, messages = app + u"\\Messages"_s;
        QTest::newRow("never written") << M << "Show IE Message" << QString() << "<default>" << "";
        QTest::newRow("written along the whole path") << M << "Show IE Message" << "no" << "no" << messages;
        QTest::newRow("empty text is not missing") << M << "Empty" << "" << "" << messages;
        QTest::newRow("star is the unnamed value") << M << "*" << "unnamed" << "unnamed" << messages;
        QTest::newRow("empty section") << "" << "Top" << "level" << "level" << app;
        QTest::newRow("quotes and backslashes") << M << "Path \"q\"" << "C:\\dir\\\"file\"" << "C:\\dir\\\"file\""
                                                << messages;
        QTest::newRow("line breaks and tabs") << M << "Multi\nline" << "a\r\nb\tc" << "a\r\nb\tc" << messages;
        const QString text = QString::fromUtf8("gr\xC3\xBC\xC3\x9F" " \xE6\x97\xA5");
        QTest::newRow("non-ASCII") << QString::fromUtf8("Stra\xC3\x9F" "e") << QString::fromUtf8("\xE2\x82\xAC")
                                   << text << text << app + QString::fromUtf8("\\Stra\xC3\x9F" "e");
        QTest::newRow("names that look like markup") << "[odd] 100%" << "=" << "@" << "@" << app + "\\[odd] 100%";
        QTest::newRow("surrounding spaces stay") << M << " k " << "  v  " << "  v  " << messages;
    }

    void readAndWrite()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, setting);
        QFETCH(QString, expected);
        QFETCH(QString, storedAt);
        if (setting.isNull())
            QVERIFY(!QDir(m_folder).exists()); // reading creates nothing
        else
            QVERIFY(s.SaveSetting(section, key, setting));
        // A later write reads the file back first, so it must have stayed valid.
        QVERIFY(s.SaveSetting(u"After"_s, u"k"_s, u"v"_s));
        QCOMPARE(RegistryStore::read().state, RegistryStore::FileState::Ok);
        QCOMPARE(Messages().GetSetting(section, key, u"<default>"_s), expected);
        QCOMPARE(Messages().GetSetting(u"After"_s, u"k"_s), u"v"_s);
        const RegistryHive hive = RegistryStore::read().hive;
        if (!storedAt.isEmpty())
            QVERIFY(hive.value(storedAt, key == "*"_L1 ? QString() : key));
        for (QString path = storedAt; !path.isEmpty(); path = path.section(u'\\', 0, -2))
            QVERIFY2(hive.keyExists(path), qPrintable(path));
        // No temporary or lock files are left behind.
        QCOMPARE(QDir(m_folder).entryList(QDir::Files), QStringList{u"user-registry.txt"_s});
    }

    void oddValues()
    {
        QVERIFY(s.SaveSetting(M, u"*"_s, u"unnamed"_s));
        // A value literally named "*" is not reachable through the class.
        QVERIFY(SetValue(M, RegValue{u"*"_s, RegSz, RegValue::textData(u"star"_s)}));
        QCOMPARE(get(u"*"_s), u"unnamed"_s);
        QVERIFY(s.DeleteSetting(M, u"*"_s));
        QCOMPARE(get(u"*"_s), u"<default>"_s);
        QVERIFY(RegistryStore::read().hive.value(s.sectionKeyPath(M), u"*"_s));
        // A text value without even its closing zero, and values that are not text, read as missing.
        const QList<RegValue> odd{{u"NoBytes"_s, RegSz, QByteArray()},
                                  {u"Number"_s, RegDword, QByteArray("\x78\x56\x34\x12", 4)},
                                  {u"Binary"_s, RegBinary, QByteArray("yes\0", 4)},
                                  {u"None"_s, RegNone, QByteArray()},
                                  {u"Inner zero"_s, RegSz, QByteArray("a\0b\0", 4)}};
        for (const RegValue &value : odd)
            QVERIFY(SetValue(M, value));
        for (const QString &key : {u"NoBytes"_s, u"Number"_s, u"Binary"_s, u"None"_s})
            QCOMPARE(get(key), u"<default>"_s);
        // They survive the rewrite of a hand-edited file with Windows line ends.
        QByteArray text = ReadAll(m_file);
        QVERIFY(text.contains("\"Number\"=dword:12345678"));
        QVERIFY(WriteAll(m_file, text.replace("\n", "\r\n")));
        QVERIFY(s.SaveSetting(M, u"Later"_s, u"l"_s));
        QCOMPARE(RegistryStore::read().hive.values(s.sectionKeyPath(M)).mid(1, odd.size()), odd);
        // Names ignore case and keep their first spelling.
        s.setCompany(u"BROOKFEN"_s);
        QVERIFY(s.SaveSetting(u"MESSAGES"_s, u"number"_s, u"text now"_s));
        QCOMPARE(get(u"NUMBER"_s), u"text now"_s);
        QCOMPARE(RegistryStore::read().hive.values(s.sectionKeyPath(M)).at(2).name, u"Number"_s);
    }

    void propertyAssignment()
    {
        s.setCompany(u"  Brook  fen  "_s);
        s.setAppName(u"  Quill nav  "_s);
        QCOMPARE(s.Company(), u"Brook  fen"_s); // trimmed, inner spaces stay
        QCOMPARE(s.AppName(), u"Quill nav"_s);
        s.setCompany(u"   "_s);
        s.setAppName(QString());
        QCOMPARE(s.Company(), CRegSettings::DefaultCompany()); // empty restores the defaults
        QCOMPARE(s.AppName(), u"Quillnav"_s);
        QCOMPARE(CRegSettings().AppName(), u"Quillnav"_s); // the product name from the start
    }

    void deleteValueThenSection()
    {
        for (const char *key : {"A", "B"})
            QVERIFY(s.SaveSetting(M, QString::fromLatin1(key), u"v"_s));
        QVERIFY(s.SaveSetting(QString(), u"Top"_s, u"t"_s));
        QVERIFY(s.SaveSetting(u"Parent\\Child"_s, u"C"_s, u"c"_s));
        const QByteArray before = ReadAll(m_file);
        // Missing value, value of a missing section, missing section, section with subkeys, nothing.
        for (const auto &[section, key] : {std::pair{"Messages", "Nope"}, {"Missing", "A"}, {"Missing", ""},
                                           {"Parent", ""}, {"", ""}})
            QVERIFY2(!s.DeleteSetting(QString::fromLatin1(section), QString::fromLatin1(key)), section);
        QCOMPARE(ReadAll(m_file), before); // failures change nothing
        QVERIFY(s.DeleteSetting(M, u"A"_s));
        QCOMPARE(get(u"A"_s), u"<default>"_s);
        QCOMPARE(get(u"B"_s), u"v"_s);
        QVERIFY(s.DeleteSetting(M, u"B"_s));
        QVERIFY(RegistryStore::read().hive.keyExists(s.sectionKeyPath(M))); // the key stays
        QVERIFY(s.DeleteSetting(M));
        QVERIFY(!RegistryStore::read().hive.keyExists(s.sectionKeyPath(M)));
        QCOMPARE(s.GetSetting(QString(), u"Top"_s), u"t"_s);
    }

    void getAllSettingsSkipsNonText()
    {
        QVERIFY(s.SaveSetting(M, u"First"_s, u"1"_s));
        QVERIFY(SetValue(M, RegValue{u"Number"_s, RegDword, QByteArray("\x2a\0\0\0", 4)}));
        QVERIFY(s.SaveSetting(M, u"Second"_s, QString()));
        QVERIFY(s.SaveSetting(M, u"First"_s, u"one"_s)); // replaced where it stands
        QCOMPARE(s.GetAllSettings(M), (QList<QStringList>{{u"First"_s, u"one"_s}, {u"Second"_s, QString()}}));
        // Nothing for a section without text values, or a missing one.
        QVERIFY(SetValue(u"Numbers"_s, RegValue{u"N"_s, RegDword, QByteArray(4, '\1')}));
        QVERIFY(!s.GetAllSettings(u"Numbers"_s).has_value());
        QVERIFY(!s.GetAllSettings(u"Missing"_s).has_value());
    }

    void damagedFileReadsEmptyAndIsMovedAside_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: a folder stands where the file should be
        const QByteArray head = RegistryHive::signature() + "\n";
        QTest::newRow("unreadable, even by root") << QByteArray();
        QTest::newRow("no signature") << QByteArray("[Software]\n");
        QTest::newRow("value before any key") << head + "\"a\"=\"b\"\n";
        QTest::newRow("unterminated text") << head + "[K]\n\"a\"=\"b\n";
        QTest::newRow("unknown escape") << head + "[K]\n\"a\"=\"\\q\"\n";
        QTest::newRow("short dword") << head + "[K]\n\"a\"=dword:123\n";
        QTest::newRow("bad hex byte") << head + "[K]\n\"a\"=hex(3):0g\n";
        QTest::newRow("unclosed key") << head + "[K\n";
        QTest::newRow("empty key segment") << head + "[A\\\\B]\n";
        QTest::newRow("stray line") << head + "[K]\nhello\n";
        QTest::newRow("invalid UTF-8") << head + "[K\xC3]\n";
    }

    void damagedFileReadsEmptyAndIsMovedAside()
    {
        QFETCH(QByteArray, content);
        QVERIFY(content.isNull() ? QDir().mkpath(m_file) : QDir().mkpath(m_folder) && WriteAll(m_file, content));
        QCOMPARE(RegistryStore::read().state,
                 content.isNull() ? RegistryStore::FileState::Unreadable : RegistryStore::FileState::Corrupt);
        QCOMPARE(get(u"Show IE Message"_s, u"yes"_s), u"yes"_s);
        QVERIFY(!s.GetAllSettings(M).has_value());
        QCOMPARE(ReadAll(m_file), content); // reading changes nothing
        QVERIFY(s.SaveSetting(M, u"Show IE Message"_s, u"no"_s));
        QCOMPARE(get(u"Show IE Message"_s), u"no"_s);
        QCOMPARE(RegistryStore::read().state, RegistryStore::FileState::Ok);
        const QStringList backups = QDir(m_folder).entryList({u"user-registry.txt.corrupt-*"_s},
                                                             QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(backups.size(), 1);
        if (!content.isNull())
            QCOMPARE(ReadAll(m_folder + u'/' + backups.first()), content);
    }

    void folderThatCannotBeCreated()
    {
        const QString blocker = m_dir->filePath(u"blocker"_s);
        QVERIFY(WriteAll(blocker, "a file, not a folder"));
        RegistryStore::setFilePath(blocker + u"/sub/user-registry.txt"_s);
        QString error;
        QVERIFY(!RegistryStore::modify([](RegistryHive &hive) { return hive.createKey(u"K"_s); }, &error));
        QVERIFY2(error.contains(u"blocker"_s), qPrintable(error));
        QVERIFY(!s.SaveSetting(M, u"K"_s, u"v"_s));
        QCOMPARE(get(u"K"_s), u"<default>"_s);
        QVERIFY(!s.DeleteSetting(M, u"K"_s));
        QVERIFY(!s.GetAllSettings(M).has_value());
    }

    void readOnlyFolder()
    {
        QVERIFY(s.SaveSetting(M, u"K"_s, u"old"_s));
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                            | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(m_folder, readOnly));
        QFile probe(m_folder + u"/probe"_s);
        if (!probe.open(QIODevice::WriteOnly)) {
            QCOMPARE(RunChild({u"readonly"_s, m_file}), 0);
            return;
        }
        // Root writes into read-only folders; check as an unprivileged user.
        probe.remove();
        const QString setpriv = QStandardPaths::findExecutable(u"setpriv"_s);
        if (setpriv.isEmpty())
            QSKIP("Running as root without setpriv to check as another user.");
        QVERIFY(QFile::setPermissions(m_dir->path(), readOnly));
        QVERIFY(QFile::setPermissions(m_file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                                  | QFile::ReadOther));
        auto child = StartChild({u"readonly"_s, m_file}, setpriv,
                                {u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s,
                                 QCoreApplication::applicationFilePath()});
        QVERIFY(child->waitForFinished(60000));
        QCOMPARE(child->exitStatus(), QProcess::NormalExit);
        QCOMPARE(child->exitCode(), 0);
        QCOMPARE(get(u"K"_s), u"old"_s);
    }

    void concurrentWritersLoseNothing()
    {
        constexpr int PerWriter = 40;
        std::unique_ptr<QProcess> writers[2];
        for (int w = 0; w < 2; ++w)
            writers[w] = StartChild({u"write"_s, m_file, QString(QChar(u'A' + w)), QString::number(PerWriter)},
                                    QCoreApplication::applicationFilePath());
        for (const auto &process : writers) {
            QVERIFY(process->waitForFinished(120000));
            QCOMPARE(process->exitStatus(), QProcess::NormalExit);
            QCOMPARE(process->exitCode(), 0);
        }
        QCOMPARE(Messages().GetAllSettings(M)->size(), 2 * PerWriter);
        QCOMPARE(get(u"B%1"_s.arg(PerWriter - 1)), u"value %1"_s.arg(PerWriter - 1));
    }
};

QTEST_GUILESS_MAIN(TestRegSettings)
#include "tst_regsettings.moc"
