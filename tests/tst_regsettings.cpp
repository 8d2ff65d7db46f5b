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

namespace {

// When set, this executable runs as one of the concurrent writers:
// "<store file>|<key prefix>|<count>".
const char WriterVariable[] = "QUILLNAV_TEST_REG_WRITER";

int RunWriter(const QString &arguments)
{
    const QStringList parts = arguments.split(QLatin1Char('|'));
    if (parts.size() != 3)
        return 2;
    RegistryStore::setFilePath(parts.at(0));
    CRegSettings settings;
    settings.setAppName(QStringLiteral("Quillnav 1.2"));
    settings.setCompany(QStringLiteral("Brookfen"));
    const int count = parts.at(2).toInt();
    for (int i = 0; i < count; ++i) {
        if (!settings.SaveSetting(QStringLiteral("Messages"), parts.at(1) + QString::number(i),
                                  QStringLiteral("value %1").arg(i)))
            return 1;
    }
    return 0;
}

// When set, this executable checks, as a user who may not write the store's
// folder, that writes fail cleanly and reads still work: "<store file>".
const char ReadOnlyVariable[] = "QUILLNAV_TEST_REG_READONLY";

int RunReadOnlyCheck(const QString &file)
{
    RegistryStore::setFilePath(file);
    CRegSettings settings;
    settings.setAppName(QStringLiteral("Quillnav 1.2"));
    settings.setCompany(QStringLiteral("Brookfen"));
    if (settings.SaveSetting(QStringLiteral("Messages"), QStringLiteral("K"), QStringLiteral("new")))
        return 1;
    if (settings.DeleteSetting(QStringLiteral("Messages"), QStringLiteral("K")))
        return 2;
    if (settings.GetSetting(QStringLiteral("Messages"), QStringLiteral("K")) != QLatin1String("old"))
        return 3;
    return 0;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestRegSettings : public QObject
{
    Q_OBJECT

public:
    TestRegSettings()
    {
        if (qEnvironmentVariableIsSet(WriterVariable))
            std::exit(RunWriter(qEnvironmentVariable(WriterVariable)));
        if (qEnvironmentVariableIsSet(ReadOnlyVariable))
            std::exit(RunReadOnlyCheck(qEnvironmentVariable(ReadOnlyVariable)));
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void defaultLocationIsTheUsersConfigFolder();
    void neverWrittenReadsDefaultAndCreatesNothing();
    void saveCreatesTheWholePath();
    void emptyTextIsNotMissing();
    void unnamedValue();
    void emptySectionIsTheApplicationKey();
    void namesIgnoreCase();
    void propertyAssignment_data();
    void propertyAssignment();
    void deleteValueKeepsKey();
    void deleteSectionKey();
    void deleteFailures_data();
    void deleteFailures();
    void getAllSettings();
    void getAllSettingsEmpty_data();
    void getAllSettingsEmpty();
    void nonTextValueReadsAsDefault();
    void textsRoundTrip_data();
    void textsRoundTrip();
    void hiveFormatRoundTrip();
    void malformedHive_data();
    void malformedHive();
    void corruptFileReadsEmptyAndIsKeptAside();
    void unreadableFileReadsEmptyAndIsMovedAside();
    void folderThatCannotBeCreated();
    void readOnlyFolder();
    void concurrentWritersLoseNothing();

private:
    CRegSettings messages() const;
    QString m_file;
    QScopedPointer<QTemporaryDir> m_dir;
};

CRegSettings TestRegSettings::messages() const
{
    CRegSettings settings;
    settings.setAppName(QStringLiteral("Quillnav 1.2"));
    settings.setCompany(QStringLiteral("Brookfen"));
    return settings;
}

void TestRegSettings::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestRegSettings::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_file = m_dir->filePath(QStringLiteral("config/user-registry.txt"));
    RegistryStore::setFilePath(m_file);
}

void TestRegSettings::cleanup()
{
    RegistryStore::setFilePath(QString());
    // Leave nothing read-only behind for QTemporaryDir to trip over.
    QFile::setPermissions(m_dir->path() + QStringLiteral("/config"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_dir.reset();
}

void TestRegSettings::defaultLocationIsTheUsersConfigFolder()
{
    RegistryStore::setFilePath(QString());
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QVERIFY(RegistryStore::filePath().startsWith(config + QLatin1Char('/')));
    QCOMPARE(RegistryStore::filePath(), RegistryStore::defaultFilePath());
    // Test mode keeps the real user's settings out of reach.
    QVERIFY(config.contains(QStringLiteral("qttest")));
    RegistryStore::setFilePath(m_file);
    QCOMPARE(RegistryStore::filePath(), m_file);
}

void TestRegSettings::neverWrittenReadsDefaultAndCreatesNothing()
{
    const CRegSettings settings = messages();
    QCOMPARE(settings.GetSetting(QStringLiteral("Messages"), QStringLiteral("Show IE Message"),
                                 QStringLiteral("yes")),
             QStringLiteral("yes"));
    QCOMPARE(settings.GetSetting(QStringLiteral("Messages"), QStringLiteral("Show IE Message")),
             QString());
    QVERIFY(!QFile::exists(m_file));
    QVERIFY(!QDir(m_dir->filePath(QStringLiteral("config"))).exists());
}

void TestRegSettings::saveCreatesTheWholePath()
{
    CRegSettings settings = messages();
    QVERIFY(settings.SaveSetting(QStringLiteral("Messages"), QStringLiteral("Show IE Message"),
                                 QStringLiteral("no")));
    QCOMPARE(settings.GetSetting(QStringLiteral("Messages"), QStringLiteral("Show IE Message"),
                                 QStringLiteral("yes")),
             QStringLiteral("no"));

    const RegistryHive hive = RegistryStore::read().hive;
    for (const char *path : {"Software", "Software\\Brookfen", "Software\\Brookfen\\Quillnav 1.2",
                             "Software\\Brookfen\\Quillnav 1.2\\Messages"})
        QVERIFY2(hive.keyExists(QString::fromLatin1(path)), path);

    const QByteArray text = ReadAll(m_file);
    QVERIFY(text.contains("[Software\\Brookfen\\Quillnav 1.2\\Messages]\n\"Show IE Message\"=\"no\"\n"));
    // No temporary or lock files are left behind.
    const QStringList left = QDir(m_dir->filePath(QStringLiteral("config"))).entryList(QDir::Files);
    QCOMPARE(left, QStringList{QStringLiteral("user-registry.txt")});
}

void TestRegSettings::emptyTextIsNotMissing()
{
    CRegSettings settings = messages();
    QVERIFY(settings.SaveSetting(QStringLiteral("Messages"), QStringLiteral("Empty"), QString()));
    QCOMPARE(settings.GetSetting(QStringLiteral("Messages"), QStringLiteral("Empty"),
                                 QStringLiteral("default")),
             QString());
    QVERIFY(!settings.GetSetting(QStringLiteral("Messages"), QStringLiteral("Empty"),
                                 QStringLiteral("default")).isNull());
    // A text value of no bytes at all reads as missing.
    QVERIFY(RegistryStore::modify([&](RegistryHive &hive) {
        return hive.setValue(settings.sectionKeyPath(QStringLiteral("Messages")),
                             RegValue{QStringLiteral("NoBytes"), RegSz, QByteArray()});
    }));
    QCOMPARE(settings.GetSetting(QStringLiteral("Messages"), QStringLiteral("NoBytes"),
                                 QStringLiteral("default")),
             QStringLiteral("default"));
}

void TestRegSettings::unnamedValue()
{
    CRegSettings settings = messages();
    const QString section = QStringLiteral("Messages");
    QVERIFY(settings.SaveSetting(section, QStringLiteral("*"), QStringLiteral("unnamed")));
    QCOMPARE(settings.GetSetting(section, QStringLiteral("*")), QStringLiteral("unnamed"));

    const auto stored = RegistryStore::read().hive.value(settings.sectionKeyPath(section), QString());
    QVERIFY(stored.has_value());
    QCOMPARE(stored->data, RegValue::textData(QStringLiteral("unnamed")));
    QVERIFY(ReadAll(m_file).contains("@=\"unnamed\""));

    // A value literally named "*" is not reachable through the class.
    QVERIFY(RegistryStore::modify([&](RegistryHive &hive) {
        return hive.setValue(settings.sectionKeyPath(section),
                             RegValue{QStringLiteral("*"), RegSz, RegValue::textData(QStringLiteral("star"))});
    }));
    QCOMPARE(settings.GetSetting(section, QStringLiteral("*")), QStringLiteral("unnamed"));

    QVERIFY(settings.DeleteSetting(section, QStringLiteral("*")));
    QCOMPARE(settings.GetSetting(section, QStringLiteral("*"), QStringLiteral("gone")),
             QStringLiteral("gone"));
    QVERIFY(RegistryStore::read().hive.value(settings.sectionKeyPath(section), QStringLiteral("*")));
}

void TestRegSettings::emptySectionIsTheApplicationKey()
{
    CRegSettings settings = messages();
    QCOMPARE(settings.sectionKeyPath(QString()), QStringLiteral("Software\\Brookfen\\Quillnav 1.2"));
    QVERIFY(settings.SaveSetting(QString(), QStringLiteral("Top"), QStringLiteral("level")));
    QCOMPARE(settings.GetSetting(QString(), QStringLiteral("Top")), QStringLiteral("level"));
    const RegistryHive hive = RegistryStore::read().hive;
    QVERIFY(hive.value(QStringLiteral("Software\\Brookfen\\Quillnav 1.2"), QStringLiteral("Top")));
    QVERIFY(hive.subkeys(QStringLiteral("Software\\Brookfen\\Quillnav 1.2")).isEmpty());
}

void TestRegSettings::namesIgnoreCase()
{
    CRegSettings settings = messages();
    QVERIFY(settings.SaveSetting(QStringLiteral("Messages"), QStringLiteral("Show IE Message"),
                                 QStringLiteral("no")));
    settings.setCompany(QStringLiteral("BROOKFEN"));
    QCOMPARE(settings.GetSetting(QStringLiteral("messages"), QStringLiteral("show ie message")),
             QStringLiteral("no"));
    QVERIFY(settings.SaveSetting(QStringLiteral("MESSAGES"), QStringLiteral("SHOW IE MESSAGE"),
                                 QStringLiteral("yes")));
    const auto all = messages().GetAllSettings(QStringLiteral("Messages"));
    QVERIFY(all.has_value());
    QCOMPARE(all->size(), 1);
    // The first spelling of the names stays.
    QCOMPARE(all->first(), (QStringList{QStringLiteral("Show IE Message"), QStringLiteral("yes")}));
}

void TestRegSettings::propertyAssignment_data()
{
    QTest::addColumn<QString>("company");
    QTest::addColumn<QString>("appName");
    QTest::addColumn<QString>("expectedCompany");
    QTest::addColumn<QString>("expectedAppName");
    QTest::newRow("spaces are trimmed") << "  Brookfen  " << "  Quillnav 1.2  " << "Brookfen" << "Quillnav 1.2";
    QTest::newRow("inner spaces stay") << "Brook  fen" << "Quill nav" << "Brook  fen" << "Quill nav";
    QTest::newRow("empty restores the defaults") << "" << "" << CRegSettings::DefaultCompany()
                                                 << CRegSettings::DefaultAppName();
    QTest::newRow("spaces only restore the defaults") << "   " << "   " << CRegSettings::DefaultCompany()
                                                      << CRegSettings::DefaultAppName();
}

void TestRegSettings::propertyAssignment()
{
    QFETCH(QString, company);
    QFETCH(QString, appName);
    QFETCH(QString, expectedCompany);
    QFETCH(QString, expectedAppName);
    CRegSettings settings;
    settings.setCompany(QStringLiteral("Other"));
    settings.setAppName(QStringLiteral("Other"));
    settings.setCompany(company);
    settings.setAppName(appName);
    QCOMPARE(settings.Company(), expectedCompany);
    QCOMPARE(settings.AppName(), expectedAppName);
    QCOMPARE(CRegSettings().AppName(), QStringLiteral("Quillnav"));
    QVERIFY(!CRegSettings().Company().isEmpty());
}

void TestRegSettings::deleteValueKeepsKey()
{
    CRegSettings settings = messages();
    QVERIFY(settings.SaveSetting(QStringLiteral("Messages"), QStringLiteral("A"), QStringLiteral("1")));
    QVERIFY(settings.SaveSetting(QStringLiteral("Messages"), QStringLiteral("B"), QStringLiteral("2")));
    QVERIFY(settings.DeleteSetting(QStringLiteral("Messages"), QStringLiteral("A")));
    QCOMPARE(settings.GetSetting(QStringLiteral("Messages"), QStringLiteral("A"), QStringLiteral("d")),
             QStringLiteral("d"));
    QCOMPARE(settings.GetSetting(QStringLiteral("Messages"), QStringLiteral("B")), QStringLiteral("2"));
    QVERIFY(settings.DeleteSetting(QStringLiteral("Messages"), QStringLiteral("B")));
    QVERIFY(RegistryStore::read().hive.keyExists(settings.sectionKeyPath(QStringLiteral("Messages"))));
}

void TestRegSettings::deleteSectionKey()
{
    CRegSettings settings = messages();
    QVERIFY(settings.SaveSetting(QStringLiteral("Messages"), QStringLiteral("A"), QStringLiteral("1")));
    QVERIFY(settings.SaveSetting(QString(), QStringLiteral("Top"), QStringLiteral("t")));
    QVERIFY(settings.DeleteSetting(QStringLiteral("Messages")));
    const RegistryHive hive = RegistryStore::read().hive;
    QVERIFY(!hive.keyExists(settings.sectionKeyPath(QStringLiteral("Messages"))));
    QVERIFY(hive.keyExists(settings.applicationKeyPath()));
    QCOMPARE(settings.GetSetting(QString(), QStringLiteral("Top")), QStringLiteral("t"));
}

void TestRegSettings::deleteFailures_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::newRow("missing value") << "Messages" << "Nope";
    QTest::newRow("value of a missing section") << "Missing" << "A";
    QTest::newRow("missing section") << "Missing" << "";
    QTest::newRow("section with subkeys") << "Parent" << "";
    QTest::newRow("no section and no key") << "" << "";
}

void TestRegSettings::deleteFailures()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    CRegSettings settings = messages();
    QVERIFY(settings.SaveSetting(QStringLiteral("Messages"), QStringLiteral("A"), QStringLiteral("1")));
    QVERIFY(settings.SaveSetting(QStringLiteral("Parent\\Child"), QStringLiteral("C"), QStringLiteral("c")));
    const QByteArray before = ReadAll(m_file);
    QVERIFY(!settings.DeleteSetting(section, key));
    QCOMPARE(ReadAll(m_file), before);
}

void TestRegSettings::getAllSettings()
{
    CRegSettings settings = messages();
    QVERIFY(settings.SaveSetting(QStringLiteral("Messages"), QStringLiteral("First"), QStringLiteral("1")));
    QVERIFY(RegistryStore::modify([&](RegistryHive &hive) {
        QByteArray number(4, '\0');
        number[0] = 42;
        return hive.setValue(settings.sectionKeyPath(QStringLiteral("Messages")),
                             RegValue{QStringLiteral("Number"), RegDword, number});
    }));
    QVERIFY(settings.SaveSetting(QStringLiteral("Messages"), QStringLiteral("Second"), QString()));
    QVERIFY(settings.SaveSetting(QStringLiteral("Messages"), QStringLiteral("First"), QStringLiteral("one")));

    const auto all = settings.GetAllSettings(QStringLiteral("Messages"));
    QVERIFY(all.has_value());
    const QList<QStringList> expected{{QStringLiteral("First"), QStringLiteral("one")},
                                      {QStringLiteral("Second"), QString()}};
    QCOMPARE(*all, expected);
    QVERIFY(ReadAll(m_file).contains("\"Number\"=dword:0000002a"));
}

void TestRegSettings::getAllSettingsEmpty_data()
{
    QTest::addColumn<bool>("createNumbers");
    QTest::newRow("missing section") << false;
    QTest::newRow("only non-text values") << true;
}

void TestRegSettings::getAllSettingsEmpty()
{
    QFETCH(bool, createNumbers);
    CRegSettings settings = messages();
    if (createNumbers) {
        QVERIFY(RegistryStore::modify([&](RegistryHive &hive) {
            const QString path = settings.sectionKeyPath(QStringLiteral("Numbers"));
            return hive.createKey(path)
                   && hive.setValue(path, RegValue{QStringLiteral("N"), RegDword, QByteArray(4, '\1')})
                   && hive.setValue(path, RegValue{QStringLiteral("B"), RegBinary, QByteArray("\x01\x02", 2)});
        }));
    }
    QVERIFY(!settings.GetAllSettings(QStringLiteral("Numbers")).has_value());
}

void TestRegSettings::nonTextValueReadsAsDefault()
{
    CRegSettings settings = messages();
    QVERIFY(RegistryStore::modify([&](RegistryHive &hive) {
        const QString path = settings.sectionKeyPath(QStringLiteral("Messages"));
        return hive.createKey(path)
               && hive.setValue(path, RegValue{QStringLiteral("Show IE Message"), RegBinary,
                                               QByteArray("yes\0", 4)});
    }));
    QCOMPARE(settings.GetSetting(QStringLiteral("Messages"), QStringLiteral("Show IE Message"),
                                 QStringLiteral("fallback")),
             QStringLiteral("fallback"));
}

void TestRegSettings::textsRoundTrip_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("quotes and backslashes") << "Messages" << "Path \"q\"" << "C:\\dir\\\"file\"";
    QTest::newRow("line breaks and tabs") << "Messages" << "Multi\nline" << "a\r\nb\tc";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Stra\xC3\x9F" "e") << QString::fromUtf8("\xE2\x82\xAC")
                               << QString::fromUtf8("gr\xC3\xBC\xC3\x9F" " \xE6\x97\xA5");
    QTest::newRow("section names that look like markup") << "[odd] 100%" << "=" << "@";
    QTest::newRow("leading and trailing spaces") << "Messages" << " k " << "  v  ";
}

void TestRegSettings::textsRoundTrip()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, text);
    CRegSettings settings = messages();
    QVERIFY(settings.SaveSetting(section, key, text));
    QVERIFY(settings.SaveSetting(QStringLiteral("After"), QStringLiteral("k"), QStringLiteral("v")));
    QCOMPARE(RegistryStore::read().state, RegistryStore::FileState::Ok);
    QCOMPARE(messages().GetSetting(section, key, QStringLiteral("missing")), text);
    QCOMPARE(messages().GetSetting(QStringLiteral("After"), QStringLiteral("k")), QStringLiteral("v"));
}

void TestRegSettings::hiveFormatRoundTrip()
{
    RegistryHive hive;
    QVERIFY(hive.createKey(QStringLiteral("Software\\A\\B")));
    QVERIFY(hive.createKey(QStringLiteral("Software\\Empty")));
    QVERIFY(hive.setValue(QStringLiteral("Software\\A\\B"), RegValue{QString(), RegSz, RegValue::textData("d")}));
    QVERIFY(hive.setValue(QStringLiteral("Software\\A\\B"),
                          RegValue{QStringLiteral("dw"), RegDword, QByteArray("\x78\x56\x34\x12", 4)}));
    QVERIFY(hive.setValue(QStringLiteral("Software\\A\\B"),
                          RegValue{QStringLiteral("bin"), RegBinary, QByteArray("\x00\xFF", 2)}));
    QVERIFY(hive.setValue(QStringLiteral("Software\\A\\B"),
                          RegValue{QStringLiteral("empty bin"), RegNone, QByteArray()}));
    QVERIFY(hive.setValue(QStringLiteral("Software\\A\\B"),
                          RegValue{QStringLiteral("no zero"), RegSz, QByteArray("abc")}));
    QVERIFY(hive.setValue(QStringLiteral("Software\\A\\B"),
                          RegValue{QStringLiteral("inner zero"), RegSz, QByteArray("a\0b\0", 4)}));
    const QByteArray text = hive.serialize();
    QVERIFY(text.startsWith(RegistryHive::signature() + '\n'));
    QVERIFY(text.contains("\"dw\"=dword:12345678"));
    QVERIFY(text.contains("[Software\\Empty]"));
    const auto parsed = RegistryHive::parse(text);
    QVERIFY(parsed.has_value());
    QVERIFY(*parsed == hive);
    QCOMPARE(parsed->subkeys(QStringLiteral("Software")),
             (QStringList{QStringLiteral("A"), QStringLiteral("Empty")}));
    // Windows line ends from a hand edit read the same.
    QByteArray crlf = text;
    crlf.replace("\n", "\r\n");
    QVERIFY(RegistryHive::parse(crlf) == hive);
}

void TestRegSettings::malformedHive_data()
{
    QTest::addColumn<QByteArray>("text");
    const QByteArray head = RegistryHive::signature() + "\n";
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("no signature") << QByteArray("[Software]\n");
    QTest::newRow("binary garbage") << QByteArray("\x00\xFF\xFE garbage", 12);
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

void TestRegSettings::malformedHive()
{
    QFETCH(QByteArray, text);
    QVERIFY(!RegistryHive::parse(text).has_value());
}

void TestRegSettings::corruptFileReadsEmptyAndIsKeptAside()
{
    QVERIFY(QDir().mkpath(QFileInfo(m_file).absolutePath()));
    const QByteArray garbage("this is not a settings hive\n[[[\n");
    QVERIFY(WriteAll(m_file, garbage));

    CRegSettings settings = messages();
    QCOMPARE(settings.GetSetting(QStringLiteral("Messages"), QStringLiteral("Show IE Message"),
                                 QStringLiteral("yes")),
             QStringLiteral("yes"));
    QVERIFY(!settings.GetAllSettings(QStringLiteral("Messages")).has_value());
    QCOMPARE(ReadAll(m_file), garbage); // reading changes nothing

    QVERIFY(settings.SaveSetting(QStringLiteral("Messages"), QStringLiteral("Show IE Message"),
                                 QStringLiteral("no")));
    QCOMPARE(settings.GetSetting(QStringLiteral("Messages"), QStringLiteral("Show IE Message")),
             QStringLiteral("no"));
    const QStringList backups = QDir(QFileInfo(m_file).absolutePath())
                                    .entryList({QStringLiteral("user-registry.txt.corrupt-*")}, QDir::Files);
    QCOMPARE(backups.size(), 1);
    QCOMPARE(ReadAll(QFileInfo(m_file).absolutePath() + QLatin1Char('/') + backups.first()), garbage);
    QCOMPARE(RegistryStore::read().state, RegistryStore::FileState::Ok);
}

void TestRegSettings::unreadableFileReadsEmptyAndIsMovedAside()
{
    // A folder where the file should be cannot be read as a file, even by root.
    QVERIFY(QDir().mkpath(m_file));
    CRegSettings settings = messages();
    QCOMPARE(RegistryStore::read().state, RegistryStore::FileState::Unreadable);
    QCOMPARE(settings.GetSetting(QStringLiteral("Messages"), QStringLiteral("K"), QStringLiteral("d")),
             QStringLiteral("d"));
    QVERIFY(settings.SaveSetting(QStringLiteral("Messages"), QStringLiteral("K"), QStringLiteral("v")));
    QCOMPARE(settings.GetSetting(QStringLiteral("Messages"), QStringLiteral("K")), QStringLiteral("v"));
    const QStringList backups = QDir(QFileInfo(m_file).absolutePath())
                                    .entryList({QStringLiteral("user-registry.txt.corrupt-*")}, QDir::Dirs);
    QCOMPARE(backups.size(), 1);
}

void TestRegSettings::folderThatCannotBeCreated()
{
    const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
    QVERIFY(WriteAll(blocker, "a file, not a folder"));
    RegistryStore::setFilePath(blocker + QStringLiteral("/sub/user-registry.txt"));
    CRegSettings settings = messages();
    QString error;
    QVERIFY(!RegistryStore::modify([](RegistryHive &hive) { return hive.createKey("K"); }, &error));
    QVERIFY2(error.contains(QStringLiteral("blocker")), qPrintable(error));
    QVERIFY(!settings.SaveSetting(QStringLiteral("Messages"), QStringLiteral("K"), QStringLiteral("v")));
    QCOMPARE(settings.GetSetting(QStringLiteral("Messages"), QStringLiteral("K"), QStringLiteral("d")),
             QStringLiteral("d"));
    QVERIFY(!settings.DeleteSetting(QStringLiteral("Messages"), QStringLiteral("K")));
    QVERIFY(!settings.GetAllSettings(QStringLiteral("Messages")).has_value());
}

void TestRegSettings::readOnlyFolder()
{
    CRegSettings settings = messages();
    QVERIFY(settings.SaveSetting(QStringLiteral("Messages"), QStringLiteral("K"), QStringLiteral("old")));
    const QString folder = QFileInfo(m_file).absolutePath();
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                        | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(folder, readOnly));
    QFile probe(folder + QStringLiteral("/probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        // Root writes into read-only folders; check as an unprivileged user.
        probe.close();
        probe.remove();
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (setpriv.isEmpty())
            QSKIP("Running as root without setpriv to check as another user.");
        QVERIFY(QFile::setPermissions(m_dir->path(), readOnly));
        QVERIFY(QFile::setPermissions(m_file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                                  | QFile::ReadOther));
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(ReadOnlyVariable), m_file);
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(setpriv, {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                              QStringLiteral("--clear-groups"), QCoreApplication::applicationFilePath()});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(settings.GetSetting(QStringLiteral("Messages"), QStringLiteral("K")), QStringLiteral("old"));
        return;
    }
    QVERIFY(!settings.SaveSetting(QStringLiteral("Messages"), QStringLiteral("K"), QStringLiteral("new")));
    QCOMPARE(settings.GetSetting(QStringLiteral("Messages"), QStringLiteral("K")), QStringLiteral("old"));
    QVERIFY(!settings.DeleteSetting(QStringLiteral("Messages"), QStringLiteral("K")));
    QCOMPARE(settings.GetSetting(QStringLiteral("Messages"), QStringLiteral("K")), QStringLiteral("old"));
}

void TestRegSettings::concurrentWritersLoseNothing()
{
    constexpr int PerWriter = 40;
    QList<QProcess *> writers;
    for (const char *prefix : {"A", "B"}) {
        auto *process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(WriterVariable),
                   QStringLiteral("%1|%2|%3").arg(m_file, QString::fromLatin1(prefix)).arg(PerWriter));
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->start(QCoreApplication::applicationFilePath(), {});
        writers << process;
    }
    for (QProcess *process : writers) {
        QVERIFY(process->waitForFinished(120000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 0);
    }
    const auto all = messages().GetAllSettings(QStringLiteral("Messages"));
    QVERIFY(all.has_value());
    QCOMPARE(all->size(), 2 * PerWriter);
    for (const char *prefix : {"A", "B"}) {
        for (int i = 0; i < PerWriter; ++i)
            QCOMPARE(messages().GetSetting(QStringLiteral("Messages"),
                                           QString::fromLatin1(prefix) + QString::number(i)),
                     QStringLiteral("value %1").arg(i));
    }
    qDeleteAll(writers);
}

QTEST_GUILESS_MAIN(TestRegSettings)
#include "tst_regsettings.moc"
