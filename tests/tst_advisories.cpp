// The three advisory messages, their show-again flags and the gate in front
// of them, with the settings store in a temporary folder.
#include "app/AdvisoryFlags.h"
#include "app/ui/Advisories.h"
#include "app/ui/Form4.h"
#include "app/ui/Form5.h"
#include "app/ui/IgnoredStylesMessage.h"
#include "app/ui/iemsgfrm.h"
#include "platform/CRegSettings.h"
#include "platform/RegistryStore.h"
#include "support/ModalWatch.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

static const QStringList AllFlags{AdvisoryFlags::ShowIeMessage, AdvisoryFlags::ShowButtonBorderMessage,
                                  AdvisoryFlags::ShowRestoreDefaultsMessage,
                                  AdvisoryFlags::ShowIgnoredStylesMessage};

class TestAdvisories : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        RegistryStore::setFilePath(m_dir->filePath(u"user-registry.txt"_s));
    }

    void cleanup() { RegistryStore::setFilePath(QString()); }

    // Never smaller than the designed client area, fixed, and large enough
    // for the whole message.
    void dialogLayout()
    {
        QCOMPARE(AdvisoryDialog::TwipsToPixels(QSize(3990, 2190), 96), QSize(266, 146));
        for (AdvisoryDialog *d : std::initializer_list<AdvisoryDialog *>{new iemsgfrm, new Form4, new Form5,
                                                                         new IgnoredStylesMessage}) {
            const std::unique_ptr<AdvisoryDialog> owned(d);
            d->show();
            QVERIFY(!d->Image1()->pixmap().isNull() && d->minimumSize() == d->maximumSize());
            QCOMPARE(d->findChildren<QPushButton *>().size(),
                     QStringList({"Form4", "iemsgfrm"}).contains(d->objectName()) ? 1 : 2);
            QVERIFY(d->width() >= d->designedClientSize().width()
                    && d->height() >= d->designedClientSize().height()
                    && d->Label1()->height() >= d->Label1()->heightForWidth(d->Label1()->width()));
        }
    }

    void gate_data()
    {
        QTest::addColumn<QString>("stored"); // null: nothing stored
        QTest::addColumn<bool>("enabled");
        QTest::newRow("missing") << QString() << true;
        QTest::newRow("yes") << "yes" << true;
        QTest::newRow("no") << "no" << false;
        QTest::newRow("other capitals") << "Yes" << false;
        QTest::newRow("damaged store reads as yes") << "<damaged>" << true;
    }

    void gate()
    {
        QFETCH(QString, stored);
        QFETCH(bool, enabled);
        if (stored == "<damaged>"_L1)
            QVERIFY(testfiles::writeAll(RegistryStore::filePath(), "not a hive"));
        CRegSettings settings;
        settings.setAppName(AdvisoryFlags::AppName);
        settings.setCompany(AdvisoryFlags::Company);
        for (const QString &key : AllFlags) {
            if (!stored.isNull() && stored != "<damaged>"_L1)
                QVERIFY(settings.SaveSetting(AdvisoryFlags::Section, key, stored));
            QCOMPARE(AdvisoryEnabled(key), enabled);
        }
    }

    void answering_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("uncheck");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("goAhead"); // the warning's answer
        for (const char *name : {"iemsgfrm", "Form4", "Form5"}) {
            QTest::addRow("%s: first button", name) << name << "Command1" << false << "yes" << true;
            QTest::addRow("%s: first button, box unchecked", name)
                << name << "Command1" << true << "no" << true;
        }
        QTest::newRow("Form5: No, box unchecked") << "Form5"
                                                  << "Command2" << true << "no" << false;
    }

    // A button stores the advisory's own flag; once silenced it shows no more.
    void answering()
    {
        QFETCH(QString, name);
        QFETCH(QString, button);
        QFETCH(bool, uncheck);
        QFETCH(QString, stored);
        QFETCH(bool, goAhead);
        QWidget owner;
        QStringList shown; // "<name>:<box checked><owned>"
        QObject watch;
        modalwatch::whenModal(&watch, [&](QWidget *modal) {
            auto *d = qobject_cast<AdvisoryDialog *>(modal);
            if (d && d->isVisible()) {
                shown << d->objectName() + ':' + (d->Check1()->isChecked() ? '1' : '0')
                             + (d->parentWidget() ? '1' : '0');
                if (uncheck)
                    d->Check1()->click();
                d->findChild<QPushButton *>(button)->click();
            }
            return false;
        });
        const auto request = [&] {
            return name == "Form5"_L1   ? ConfirmRestoreDefaults(&owner)
                   : name == "Form4"_L1 ? (ShowButtonBorderMessage(&owner), true)
                                        : (ShowIeMessage(), true);
        };
        QCOMPARE(request(), goAhead);
        QCOMPARE(shown.value(0), name + (name == "iemsgfrm"_L1 ? ":10" : ":11")); // box checked; owned
        const QString key = AllFlags.at(name == "iemsgfrm"_L1 ? 0 : name == "Form4"_L1 ? 1 : 2);
        // Only its own flag is written, where later runs read it.
        const QByteArray hive = testfiles::readAll(RegistryStore::filePath());
        for (const QString &flag : AllFlags)
            QCOMPARE(hive.contains("Messages]\n\"" + flag.toUtf8() + "\"=\"" + stored.toUtf8() + '"'),
                     flag == key);
        const bool silenced = stored == "no"_L1;
        QCOMPARE(request(), silenced || goAhead);
        QCOMPARE(shown.size(), silenced ? 1 : 2);
    }
};

QTEST_MAIN(TestAdvisories)
#include "tst_advisories.moc"
