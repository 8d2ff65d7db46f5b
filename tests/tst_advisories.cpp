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

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QStringList AllFlags{AdvisoryFlags::ShowIeMessage, AdvisoryFlags::ShowButtonBorderMessage,
                           AdvisoryFlags::ShowRestoreDefaultsMessage};

struct Shown {
    QString objectName;
    bool checkedOnLoad = false;
    QWidget *owner = nullptr;
};

// Answers every advisory that opens while it lives: unchecks its box if asked
// to, then presses the given button, or closes it with the close box when the
// button is empty.
class AdvisoryAnswerer : public QObject
{
public:
    explicit AdvisoryAnswerer(const QString &button, bool uncheck = false)
    {
        auto *timer = new QTimer(this);
        timer->setInterval(5);
        connect(timer, &QTimer::timeout, this, [this, button, uncheck] {
            auto *dialog = qobject_cast<AdvisoryDialog *>(QApplication::activeModalWidget());
            if (!dialog || dialog == m_last)
                return;
            m_last = dialog;
            shown.append({dialog->objectName(), dialog->Check1()->isChecked(), dialog->parentWidget()});
            if (button.isEmpty()) {
                dialog->close();
                return;
            }
            if (uncheck)
                QTest::mouseClick(dialog->Check1(), Qt::LeftButton, {}, QPoint(4, dialog->Check1()->height() / 2));
            QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
        });
        timer->start();
    }

    QList<Shown> shown;

private:
    QPointer<QWidget> m_last;
};

CRegSettings MessagesSettings()
{
    // A fresh object each time, as after a restart: nothing is cached.
    CRegSettings settings;
    settings.setAppName(u"Quillnav 1.2"_s);
    settings.setCompany(u"Brookfen"_s);
    return settings;
}

} // namespace

class TestAdvisories : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        RegistryStore::setFilePath(m_dir->filePath(u"user-registry.txt"_s));
    }

    void cleanup() { RegistryStore::setFilePath(QString()); }

    void dialogLayout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("twips");
        QTest::addColumn<int>("buttons");
        QTest::newRow("browser advisory") << "iemsgfrm" << QSize(3990, 2190) << 1;
        QTest::newRow("border advisory") << "Form4" << QSize(4185, 2070) << 1;
        QTest::newRow("restore-defaults warning") << "Form5" << QSize(4080, 1980) << 2;
    }

    void dialogLayout()
    {
        QFETCH(QString, name);
        QFETCH(QSize, twips);
        QFETCH(int, buttons);
        std::unique_ptr<AdvisoryDialog> dialog;
        if (name == "iemsgfrm"_L1)
            dialog = std::make_unique<iemsgfrm>();
        else if (name == "Form4"_L1)
            dialog = std::make_unique<Form4>();
        else
            dialog = std::make_unique<Form5>();
        QCOMPARE(dialog->objectName(), name);
        QVERIFY(!dialog->Image1()->pixmap().isNull());
        QCOMPARE(dialog->findChildren<QPushButton *>().size(), buttons);
        // The designed client area (15 twips to the pixel at 96 dots per inch), never smaller.
        QCOMPARE(AdvisoryDialog::TwipsToPixels(twips, 96), twips / 15);
        const qreal dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
        QCOMPARE(dialog->designedClientSize(), AdvisoryDialog::TwipsToPixels(twips, dpi));
        dialog->show();
        QVERIFY(dialog->width() >= dialog->designedClientSize().width());
        QVERIFY(dialog->height() >= dialog->designedClientSize().height());
        // Fixed size, and the whole message fits.
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QVERIFY(dialog->Label1()->height() >= dialog->Label1()->heightForWidth(dialog->Label1()->width()));
    }

    void gate_data()
    {
        QTest::addColumn<QString>("stored"); // null: nothing stored
        QTest::addColumn<bool>("enabled");
        QTest::newRow("missing") << QString() << true;
        QTest::newRow("yes") << "yes" << true;
        QTest::newRow("no") << "no" << false;
        QTest::newRow("other capitals") << "Yes" << false;
        QTest::newRow("all capitals") << "YES" << false;
        QTest::newRow("stored empty text") << "" << false;
        QTest::newRow("surrounding space") << " yes" << false;
        QTest::newRow("damaged store reads as yes") << "<damaged>" << true;
    }

    void gate()
    {
        QFETCH(QString, stored);
        QFETCH(bool, enabled);
        if (stored == "<damaged>"_L1) {
            QFile file(RegistryStore::filePath());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a hive") > 0);
        }
        for (const QString &key : AllFlags) {
            if (!stored.isNull() && stored != "<damaged>"_L1)
                QVERIFY(MessagesSettings().SaveSetting(u"Messages"_s, key, stored));
            QCOMPARE(AdvisoryEnabled(key), enabled);
        }
        // The advisories show exactly when the gate opens; a form loads with its box checked only for "yes".
        AdvisoryAnswerer answerer(u"Command1"_s);
        QWidget owner;
        ShowIeMessage();
        ShowButtonBorderMessage(&owner);
        QVERIFY(ConfirmRestoreDefaults(&owner));
        QCOMPARE(answerer.shown.size(), enabled ? 3 : 0);
        QCOMPARE(Form5().Check1()->isChecked(), enabled);
        QCOMPARE(Form5().RestoreCancelled, false);
    }

    void answeringAnAdvisory_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("button"); // empty: close box
        QTest::addColumn<bool>("uncheck");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("goAhead"); // the warning's answer
        for (const auto &[name, key] : {std::pair{"iemsgfrm", AdvisoryFlags::ShowIeMessage},
                                        {"Form4", AdvisoryFlags::ShowButtonBorderMessage},
                                        {"Form5", AdvisoryFlags::ShowRestoreDefaultsMessage}}) {
            const char *ok = qstrcmp(name, "Form5") == 0 ? "Yes" : "OK";
            QTest::addRow("%s: %s, box checked", name, ok) << name << key << "Command1" << false << "yes" << true;
            QTest::addRow("%s: %s, box unchecked", name, ok) << name << key << "Command1" << true << "no" << true;
            QTest::addRow("%s: close box", name) << name << key << "" << false << "<missing>" << true;
        }
        const QString key = AdvisoryFlags::ShowRestoreDefaultsMessage;
        QTest::newRow("Form5: No, box checked") << "Form5" << key << "Command2" << false << "yes" << false;
        QTest::newRow("Form5: No, box unchecked") << "Form5" << key << "Command2" << true << "no" << false;
    }

    void answeringAnAdvisory()
    {
        QFETCH(QString, name);
        QFETCH(QString, key);
        QFETCH(QString, button);
        QFETCH(bool, uncheck);
        QFETCH(QString, stored);
        QFETCH(bool, goAhead);
        QWidget owner;
        AdvisoryAnswerer answerer(button, uncheck);
        const auto request = [&] {
            if (name == "Form5"_L1)
                return ConfirmRestoreDefaults(&owner);
            name == "iemsgfrm"_L1 ? ShowIeMessage() : ShowButtonBorderMessage(&owner);
            return true;
        };
        QCOMPARE(request(), goAhead);
        QCOMPARE(answerer.shown.size(), 1);
        QCOMPARE(answerer.shown.first().objectName, name);
        QVERIFY(answerer.shown.first().checkedOnLoad); // first run: the box starts checked
        QCOMPARE(answerer.shown.first().owner, name == "iemsgfrm"_L1 ? nullptr : &owner);
        for (const QString &flag : AllFlags) // only its own flag is written
            QCOMPARE(MessagesSettings().GetSetting(u"Messages"_s, flag, u"<missing>"_s),
                     flag == key ? stored : u"<missing>"_s);
        // On disk, where later runs read it.
        QFile file(RegistryStore::filePath());
        if (stored != "<missing>"_L1) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.readAll().contains("[Software\\Brookfen\\Quillnav 1.2\\Messages]\n\"" + key.toUtf8()
                                            + "\"=\"" + stored.toUtf8() + '"'));
        }
        // Once silenced, the advisory no longer shows, and a restore goes ahead without asking.
        const bool silenced = stored == "no"_L1;
        QCOMPARE(request(), silenced || goAhead);
        QCOMPARE(answerer.shown.size(), silenced ? 1 : 2);
    }
};

QTEST_MAIN(TestAdvisories)
#include "tst_advisories.moc"
