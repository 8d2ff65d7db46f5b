// The three advisory messages, their show-again flags and the gate in front
// of them, with the settings store in a temporary folder.
#include "app/AdvisoryFlags.h"
#include "app/ui/Advisories.h"
#include "app/ui/Form4.h"
#include "app/ui/Form5.h"
#include "app/ui/iemsgfrm.h"
#include "platform/CRegSettings.h"
#include "platform/RegistryStore.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <functional>
#include <memory>

namespace {

// Set for the second run of the restart check: the store file to read.
const char SecondRunVariable[] = "QUILLNAV_TEST_ADVISORY_STORE";

// What the test does with an advisory when it appears.
enum class Answer { KeepChecked, Uncheck, CloseBox };

struct Shown {
    QString objectName;
    QString title;
    bool checkedOnLoad = false;
    QWidget *owner = nullptr;
};

// Answers every advisory that opens while it lives.
class AdvisoryAnswerer : public QObject
{
public:
    AdvisoryAnswerer(Answer answer, const QString &button) : m_answer(answer), m_button(button)
    {
        auto *timer = new QTimer(this);
        timer->setInterval(5);
        connect(timer, &QTimer::timeout, this, [this] {
            auto *dialog = qobject_cast<AdvisoryDialog *>(QApplication::activeModalWidget());
            if (!dialog || dialog == m_last)
                return;
            m_last = dialog;
            shown.append({dialog->objectName(), dialog->windowTitle(), dialog->Check1()->isChecked(),
                          dialog->parentWidget()});
            if (m_answer == Answer::CloseBox) {
                dialog->close();
                return;
            }
            if (m_answer == Answer::Uncheck)
                QTest::mouseClick(dialog->Check1(), Qt::LeftButton, {}, QPoint(4, dialog->Check1()->height() / 2));
            QTest::mouseClick(dialog->findChild<QPushButton *>(m_button), Qt::LeftButton);
        });
        timer->start();
    }

    QList<Shown> shown;

private:
    Answer m_answer;
    QString m_button;
    QPointer<QWidget> m_last;
};

CRegSettings MessagesSettings()
{
    // A fresh object each time, as after a restart: nothing is cached.
    CRegSettings settings;
    settings.setAppName(QStringLiteral("Quillnav 1.2"));
    settings.setCompany(QStringLiteral("Brookfen"));
    return settings;
}

QString StoredFlag(const QString &key)
{
    return MessagesSettings().GetSetting(QStringLiteral("Messages"), key, QStringLiteral("<missing>"));
}

} // namespace

class TestAdvisories : public QObject
{
    Q_OBJECT

public:
    TestAdvisories()
    {
        // A second run of the program, for the restart check: it only reads the gate.
        const QString store = qEnvironmentVariable(SecondRunVariable);
        if (store.isEmpty())
            return;
        RegistryStore::setFilePath(store);
        const bool ok = !AdvisoryEnabled(AdvisoryFlags::ShowIeMessage)
                        && AdvisoryEnabled(AdvisoryFlags::ShowButtonBorderMessage);
        std::exit(ok ? 0 : 1);
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void dialogContents_data();
    void dialogContents();
    void gate_data();
    void gate();
    void informingAdvisories_data();
    void informingAdvisories();
    void silencedAdvisoryStaysSilentAfterRestart();
    void restoreDefaultsWarning_data();
    void restoreDefaultsWarning();
    void loadReflectsStoredFlag_data();
    void loadReflectsStoredFlag();
    void unreadableStoreKeepsShowing();

private:
    QScopedPointer<QTemporaryDir> m_dir;
};

void TestAdvisories::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestAdvisories::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    RegistryStore::setFilePath(m_dir->filePath(QStringLiteral("user-registry.txt")));
}

void TestAdvisories::cleanup()
{
    RegistryStore::setFilePath(QString());
    m_dir.reset();
}

void TestAdvisories::dialogContents_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("twips");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("buttons");

    QTest::newRow("browser advisory")
        << "iemsgfrm" << "Important Message" << QSize(3990, 2190)
        << "Advanced properties (colors, font, etc.) for menus and buttons will only show up if the "
           "menu is viewed in Microsoft Internet Explorer. Netscape always uses one default font and "
           "style for Javascript menu elements."
        << QStringList{"OK"};
    QTest::newRow("border advisory")
        << "Form4" << "Important Message" << QSize(4185, 2070)
        << "Changing this value has no effect when \"Use Default User System Button Colors\" is "
           "checked. A border is only displayed if you are using non-default colors."
        << QStringList{"OK"};
    QTest::newRow("restore-defaults warning")
        << "Form5" << "Warning" << QSize(4080, 1980)
        << "This will restore all values in this dialog to the program default settings. All current "
           "settings will be lost. Do you wish to continue?"
        << QStringList{"Yes", "No"};
}

void TestAdvisories::dialogContents()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QSize, twips);
    QFETCH(QString, message);
    QFETCH(QStringList, buttons);

    std::unique_ptr<AdvisoryDialog> dialog;
    if (name == QLatin1String("iemsgfrm"))
        dialog = std::make_unique<iemsgfrm>();
    else if (name == QLatin1String("Form4"))
        dialog = std::make_unique<Form4>();
    else
        dialog = std::make_unique<Form5>();

    QCOMPARE(dialog->objectName(), name);
    QCOMPARE(dialog->windowTitle(), caption);
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("Label1"))->text(), message);
    QCOMPARE(dialog->findChild<QCheckBox *>(QStringLiteral("Check1"))->text(),
             QStringLiteral("Show this message again in the future."));
    auto *image = dialog->findChild<QLabel *>(QStringLiteral("Image1"));
    QVERIFY(image);
    QVERIFY(!image->pixmap().isNull());
    QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("Command1"))->text(), buttons.value(0));
    auto *second = dialog->findChild<QPushButton *>(QStringLiteral("Command2"));
    QCOMPARE(second != nullptr, buttons.size() == 2);
    if (second)
        QCOMPARE(second->text(), buttons.value(1));

    const qreal dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
    const QSize designed(qRound(twips.width() * dpi / 1440.0), qRound(twips.height() * dpi / 1440.0));
    QCOMPARE(dialog->designedClientSize(), designed);
    QCOMPARE(AdvisoryDialog::TwipsToPixels(twips, 96), QSize(twips.width() / 15, twips.height() / 15));
    dialog->show();
    QVERIFY(dialog->width() >= designed.width());
    QVERIFY(dialog->height() >= designed.height());
    // Fixed size, and the whole message fits.
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    auto *label = dialog->findChild<QLabel *>(QStringLiteral("Label1"));
    QVERIFY(label->height() >= label->heightForWidth(label->width()));
    QVERIFY(dialog->isModal());
}

void TestAdvisories::gate_data()
{
    QTest::addColumn<QString>("stored"); // "<missing>" stores nothing
    QTest::addColumn<bool>("enabled");
    QTest::newRow("missing") << "<missing>" << true;
    QTest::newRow("yes") << "yes" << true;
    QTest::newRow("no") << "no" << false;
    QTest::newRow("other capitals") << "Yes" << false;
    QTest::newRow("all capitals") << "YES" << false;
    QTest::newRow("stored empty text") << "" << false;
    QTest::newRow("surrounding space") << " yes" << false;
}

void TestAdvisories::gate()
{
    QFETCH(QString, stored);
    QFETCH(bool, enabled);
    const QStringList keys{AdvisoryFlags::ShowIeMessage, AdvisoryFlags::ShowButtonBorderMessage,
                           AdvisoryFlags::ShowRestoreDefaultsMessage};
    for (const QString &key : keys) {
        if (stored != QLatin1String("<missing>")) {
            CRegSettings settings = MessagesSettings();
            QVERIFY(settings.SaveSetting(QStringLiteral("Messages"), key, stored));
        }
        QCOMPARE(AdvisoryEnabled(key), enabled);
    }

    // The convenience functions show their dialogs exactly when the gate opens.
    AdvisoryAnswerer answerer(Answer::KeepChecked, QStringLiteral("Command1"));
    QWidget owner;
    ShowIeMessage();
    ShowButtonBorderMessage(&owner);
    QCOMPARE(ConfirmRestoreDefaults(&owner), true);
    QCOMPARE(answerer.shown.size(), enabled ? 3 : 0);
}

void TestAdvisories::informingAdvisories_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("stored");

    const QList<std::pair<const char *, QString>> advisories{
        {"iemsgfrm", AdvisoryFlags::ShowIeMessage}, {"Form4", AdvisoryFlags::ShowButtonBorderMessage}};
    for (const auto &[name, key] : advisories) {
        QTest::addRow("%s: OK with the box checked", name) << name << key << int(Answer::KeepChecked) << "yes";
        QTest::addRow("%s: OK with the box unchecked", name) << name << key << int(Answer::Uncheck) << "no";
        QTest::addRow("%s: close box stores nothing", name) << name << key << int(Answer::CloseBox)
                                                            << "<missing>";
    }
}

void TestAdvisories::informingAdvisories()
{
    QFETCH(QString, name);
    QFETCH(QString, key);
    QFETCH(int, answer);
    QFETCH(QString, stored);

    QWidget owner;
    AdvisoryAnswerer answerer(Answer(answer), QStringLiteral("Command1"));
    if (name == QLatin1String("iemsgfrm"))
        ShowIeMessage();
    else
        ShowButtonBorderMessage(&owner);

    QCOMPARE(answerer.shown.size(), 1);
    QCOMPARE(answerer.shown.first().objectName, name);
    QVERIFY(answerer.shown.first().checkedOnLoad); // first run: the box starts checked
    QCOMPARE(answerer.shown.first().owner, name == QLatin1String("iemsgfrm") ? nullptr : &owner);
    QCOMPARE(StoredFlag(key), stored);
    QCOMPARE(AdvisoryEnabled(key), stored != QLatin1String("no"));
    // The other flags are untouched.
    for (const QString &other : {AdvisoryFlags::ShowIeMessage, AdvisoryFlags::ShowButtonBorderMessage,
                                 AdvisoryFlags::ShowRestoreDefaultsMessage}) {
        if (other != key)
            QCOMPARE(StoredFlag(other), QStringLiteral("<missing>"));
    }
}

void TestAdvisories::silencedAdvisoryStaysSilentAfterRestart()
{
    {
        AdvisoryAnswerer answerer(Answer::Uncheck, QStringLiteral("Command1"));
        ShowIeMessage();
        QCOMPARE(answerer.shown.size(), 1);
    }
    // The flag is in the file, at the place other copies of the program read.
    QFile file(RegistryStore::filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("[Software\\Brookfen\\Quillnav 1.2\\Messages]"));
    QVERIFY(text.contains("\"Show IE Message\"=\"no\""));

    // A second run of this test program reads the same file.
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(SecondRunVariable), RegistryStore::filePath());
    second.setProcessEnvironment(env);
    second.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(second.exitCode(), 0);

    AdvisoryAnswerer answerer(Answer::KeepChecked, QStringLiteral("Command1"));
    ShowIeMessage();
    QCOMPARE(answerer.shown.size(), 0);
}

void TestAdvisories::restoreDefaultsWarning_data()
{
    QTest::addColumn<QString>("button"); // empty: close box
    QTest::addColumn<bool>("uncheck");
    QTest::addColumn<bool>("goAhead");
    QTest::addColumn<QString>("stored");
    QTest::newRow("Yes, box checked") << "Command1" << false << true << "yes";
    QTest::newRow("Yes, box unchecked") << "Command1" << true << true << "no";
    QTest::newRow("No, box checked") << "Command2" << false << false << "yes";
    QTest::newRow("No, box unchecked") << "Command2" << true << false << "no";
    QTest::newRow("close box") << "" << false << true << "<missing>";
}

void TestAdvisories::restoreDefaultsWarning()
{
    QFETCH(QString, button);
    QFETCH(bool, uncheck);
    QFETCH(bool, goAhead);
    QFETCH(QString, stored);

    const Answer answer = button.isEmpty() ? Answer::CloseBox : uncheck ? Answer::Uncheck : Answer::KeepChecked;
    QWidget owner;
    {
        AdvisoryAnswerer answerer(answer, button);
        QCOMPARE(ConfirmRestoreDefaults(&owner), goAhead);
        QCOMPARE(answerer.shown.size(), 1);
        QCOMPARE(answerer.shown.first().objectName, QStringLiteral("Form5"));
        QCOMPARE(answerer.shown.first().owner, &owner);
    }
    QCOMPARE(StoredFlag(AdvisoryFlags::ShowRestoreDefaultsMessage), stored);

    // The dialog's own field carries the same answer (shown again as on a
    // first run, with the box checked).
    {
        CRegSettings settings = MessagesSettings();
        settings.DeleteSetting(QStringLiteral("Messages"), AdvisoryFlags::ShowRestoreDefaultsMessage);
        Form5 dialog(&owner);
        QCOMPARE(dialog.RestoreCancelled, false);
        AdvisoryAnswerer answerer(answer, button);
        dialog.exec();
        QCOMPARE(answerer.shown.size(), 1);
        QCOMPARE(dialog.RestoreCancelled, !goAhead);
    }
    QCOMPARE(StoredFlag(AdvisoryFlags::ShowRestoreDefaultsMessage), stored);

    // Once silenced, later restores go ahead without asking.
    AdvisoryAnswerer later(Answer::KeepChecked, QStringLiteral("Command2"));
    const bool silenced = stored == QLatin1String("no");
    QCOMPARE(ConfirmRestoreDefaults(&owner), silenced ? true : false);
    QCOMPARE(later.shown.size(), silenced ? 0 : 1);
}

void TestAdvisories::loadReflectsStoredFlag_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("checked");
    QTest::newRow("yes") << "yes" << true;
    QTest::newRow("no") << "no" << false;
    QTest::newRow("other capitals") << "Yes" << false;
}

void TestAdvisories::loadReflectsStoredFlag()
{
    QFETCH(QString, stored);
    QFETCH(bool, checked);
    CRegSettings settings = MessagesSettings();
    QVERIFY(settings.SaveSetting(QStringLiteral("Messages"), AdvisoryFlags::ShowRestoreDefaultsMessage, stored));
    Form5 dialog;
    QCOMPARE(dialog.Check1()->isChecked(), checked);
    QCOMPARE(dialog.RestoreCancelled, false);
}

void TestAdvisories::unreadableStoreKeepsShowing()
{
    QFile garbage(RegistryStore::filePath());
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a hive");
    garbage.close();
    for (const QString &key : {AdvisoryFlags::ShowIeMessage, AdvisoryFlags::ShowButtonBorderMessage,
                               AdvisoryFlags::ShowRestoreDefaultsMessage})
        QVERIFY(AdvisoryEnabled(key));
    AdvisoryAnswerer answerer(Answer::Uncheck, QStringLiteral("Command1"));
    ShowIeMessage();
    QCOMPARE(answerer.shown.size(), 1);
    QVERIFY(answerer.shown.first().checkedOnLoad);
    // The damaged file was kept aside and the choice is stored.
    QCOMPARE(StoredFlag(AdvisoryFlags::ShowIeMessage), QStringLiteral("no"));
}

QTEST_MAIN(TestAdvisories)
#include "tst_advisories.moc"
