// Help, context help, the About box and the toolbar's dispatch.
#include "app/AppInfo.h"
#include "app/ui/FrmAbt.h"
#include "codegen/ui/Form3.h"
#include "codegen/ui/SaveCodeToFile.h"
#include "help/HelpLocation.h"
#include "help/HelpTopics.h"
#include "help/ui/HelpBrowser.h"
#include "help/ui/HelpViewer.h"
#include "platform/ui/OpenWithShell.h"
#include "styles/ui/ColorRow.h"
#include "styles/ui/FrmAdvBttnOp.h"
#include "styles/ui/frmAdvMnuOp.h"
#include "support/Form1Driver.h"
#include "support/ModalWatch.h"
#include "support/TempDirOverride.h"
#include "support/TestFiles.h"

#include <QHelpContentWidget>

using namespace form1test;

class TestHelp : public QObject {
    Q_OBJECT
    QStringList m_effects;
    std::unique_ptr<Form1> m_window;

    // What a command did: choosers asked, modal windows (and whether they have
    // an owner), addresses and help topics opened, What's This mode, a cleared list.
    QStringList effectsOf(const std::function<void()> &command)
    {
        m_effects.clear();
        QObject context;
        modalwatch::whenModal(&context, [this](QWidget *modal) {
            m_effects << "modal:" + modal->objectName() + (modal->parentWidget() ? "" : " unowned");
            return !modal->close();
        });
        command();
        if (QWhatsThis::inWhatsThisMode())
            m_effects << "whatsthis", QWhatsThis::leaveWhatsThisMode();
        if (const int n = m_window->document()->model()->count(); n != 2)
            m_effects << QString("items:%1").arg(n), fill(*m_window, 2);
        return m_effects;
    }

private slots:
    void init()
    {
        auto record = [this](const QString &what) {
            m_effects << what;
            return QString();
        };
        SetShellOpenHook([this](QWidget *, const QUrl &url) { m_effects << "shell:" + url.toString(); });
        SetSaveCodeFileChooser([record](QWidget *) { return record("code-chooser"); });
        HelpViewer::setOpenHook(
            [this](QWidget *, const QUrl &url) { m_effects << "help:" + url.fileName(); });
        QVERIFY(showWindow(m_window));
        m_window->choosers().openProject = [record](QWidget *) { return record("open-chooser"); };
        m_window->choosers().saveProject = [record](QWidget *) { return record("save-chooser"); };
        fill(*m_window, 2);
        control<QLineEdit>(*m_window, "txtmnm")->setText("M");
        settle(*m_window);
    }
    void cleanup()
    {
        m_window.reset(), m_effects.clear(), SetShellOpenHook({}), SetSaveCodeFileChooser({}),
            HelpViewer::setOpenHook({});
    }

    void toolbarKeysRunTheirMenuCommands_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("menuEntry"); // none: the key runs nothing
        for (const QJsonArray &r : testfiles::tableRows("toolbar-keys.json"))
            QTest::newRow(r[0].toString().isEmpty() ? "separators" : qPrintable(r[0].toString()))
                << r[0].toString() << r[1].toString();
    }
    void toolbarKeysRunTheirMenuCommands()
    {
        QFETCH(QString, key);
        QFETCH(QString, menuEntry);
        QTemporaryDir tmp; // for the preview's pages
        TempDirOverride tmpOverride(tmp.path());
        const QStringList byToolbar = effectsOf([&] {
            m_window->Toolbar1_ButtonClick(key);
            for (QAction *a : control<QToolBar>(*m_window, "Toolbar1")
                                  ->actions()) // the button itself; "" also triggers the separators
                if (a->objectName() == key)
                    a->trigger();
        });
        if (menuEntry.isEmpty())
            QCOMPARE(byToolbar, QStringList());
        else // the key's direct dispatch and its button: twice the menu entry's effect
            QCOMPARE(byToolbar, effectsOf([&] {
                         for (int i = 0; i < 2; ++i)
                             action(*m_window, qPrintable(menuEntry))->trigger();
                     }));
    }

    void everyTableControlCarriesItsTopic()
    {
        Form3 code(MenuCode{}, nullptr);
        for (const auto &entry : HelpTopics::contextEntries()) {
            const QString window = entry.window, prefix = QString(entry.control).remove('*');
            const QHash<QString, QObject *> roots{{"Form1", m_window.get()},
                                                  {"Form3", &code},
                                                  {"frmAdvMnuOp", m_window->menuStyleDialog()},
                                                  {"FrmAdvBttnOp", m_window->buttonStyleDialog()}};
            QObject *root = roots.value(window);
            QVERIFY2(root, qPrintable(window));
            bool found = false;
            for (QObject *o : root->findChildren<QObject *>())
                found |=
                    o->objectName().startsWith(prefix)
                    && o->property("whatsThis").toString().contains(HelpTopics::url(entry.topic).toString());
            QVERIFY2(found, entry.control);
        }
    }

    // Rows: the topic expected and how (the tag), the control, whether through its link.
    void f1AndWhatsThisLinksOpenTopics_data() { testfiles::addTableRows("help-topics-opened.json"); }
    void f1AndWhatsThisLinksOpenTopics()
    {
        QFETCH(QJsonArray, row);
        const QString control = row[1].toString();
        const bool viaLink = row[2].toBool();
        auto *widget = m_window->findChild<QWidget *>(control);
        QWhatsThisClickedEvent click(
            QRegularExpression("href=\"([^\"]+)\"").match(widget->whatsThis()).captured(1));
        viaLink ? void(QApplication::sendEvent(widget, &click)) : QTest::keyClick(widget, Qt::Key_F1);
        QCOMPARE(m_effects.join(""), "help:" + QString(QTest::currentDataTag()).section('|', 0, 0));
    }

    void helpFileIsLookedForBesideAndUnderPrefix()
    {
        for (const QString placedIn : {"bin", "share/quillnav/help", ""}) {
            QTemporaryDir prefix;
            const QString file = prefix.path() + "/" + placedIn + "/quillnav.qch";
            QVERIFY(QDir(prefix.path()).mkpath("bin") && QDir(prefix.path()).mkpath(placedIn + "/."));
            QVERIFY(placedIn.isEmpty() || QFile(file).open(QIODevice::WriteOnly));
            QStringList lookedIn;
            QCOMPARE(HelpLocation::find(prefix.filePath("bin"), &lookedIn),
                     placedIn.isEmpty() ? QString() : file);
            const QString message = HelpViewer::missingHelpMessage(lookedIn);
            QVERIFY(message.contains(prefix.filePath("bin"))
                    && message.contains(prefix.filePath("share/quillnav/help")));
        }
    }

    void aboutBoxLinksAndColourMessageHelp()
    {
        FrmAbt about;
        about.show();
        QCOMPARE(about.findChild<QLabel *>("Label3")->text(),
                 "Find more great software titles from Brookfen at:");
        QCOMPARE(about.findChild<QLabel *>("Label2")->text(), AppInfo::notice());
        for (auto *label : {about.findChild<QLabel *>("Label6"), about.findChild<QLabel *>("Label5")})
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, label->height() / 2));
        QCOMPARE(m_effects,
                 (QStringList{"shell:" + AppInfo::webSite(), "shell:mailto:" + AppInfo::supportAddress()}));
        QTest::mouseClick(about.findChild<QPushButton *>("Command3"), Qt::LeftButton);
        QVERIFY(!about.isVisible());

        // A colour row's message offers the colours page through the style
        // dialog's prompts, as the window supplies them; a row without them
        // offers none.
        QDialog dialog;
        ColorRow bare(0, "Text:", 0, &dialog);
        for (ColorRow *row :
             {m_window->findChild<frmAdvMnuOp *>()->findChild<ColorRow *>("colorrow_1"),
              m_window->findChild<FrmAdvBttnOp *>()->findChild<ColorRow *>("colorrow_1"), &bare}) {
            m_effects.clear();
            row->setText("#123456");
            QObject context;
            modalwatch::whenModal(&context, [](QWidget *modal) {
                auto *box = qobject_cast<QMessageBox *>(modal);
                QAbstractButton *button =
                    box ? box->button(box->button(QMessageBox::Help) ? QMessageBox::Help : QMessageBox::Ok)
                        : nullptr;
                return button && (button->click(), true);
            });
            row->setText("#12G456");
            QCOMPARE(m_effects, row == &bare ? QStringList() : QStringList{"help:colours.html"});
            QCOMPARE(row->text(), "#123456");
        }
    }

    void helpWindowShowsEveryTopic()
    {
        HelpViewer::setOpenHook({});
        HelpViewer::showTopic(nullptr, HelpTopics::kTutorial);
        QWidget *window = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            window = w->objectName() == "HelpWindow" ? w : window;
        QVERIFY(window && window->isVisible());
        auto *browser = window->findChild<HelpBrowser *>();
        QVERIFY(browser->toPlainText().contains("Tutorial: your first menu"));
        for (const QString &topic : HelpTopics::referencedTopics())
            QVERIFY2(!browser->loadResource(QTextDocument::HtmlResource, HelpTopics::url(topic))
                          .toByteArray()
                          .isEmpty(),
                     qPrintable(topic));
        QTRY_VERIFY(window->findChild<QHelpContentWidget *>()->model()->rowCount() > 0);
        delete window;
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
