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
#include "support/Form1Driver.h"
#include "support/ModalWatch.h"
#include "support/TempDirOverride.h"
#include "support/TestPaths.h"

#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolBar>
#include <QWhatsThis>
#include <QWhatsThisClickedEvent>
#include <QtTest>

using namespace form1test;

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_effects.clear();
        auto record = [this](const QString &what) { m_effects << what; return QString(); };
        SetShellOpenHook([this](QWidget *, const QUrl &url) { m_effects << "shell:" + url.toString(); });
        SetSaveCodeFileChooser([record](QWidget *) { return record("code-chooser"); });
        HelpViewer::setOpenHook([this](QWidget *, const QUrl &url) { m_effects << "help:" + url.fileName(); });
        m_window = std::make_unique<Form1>();
        m_window->setOpenFileChooser([record](QWidget *) { return record("open-chooser"); });
        m_window->setSaveFileChooser([record](QWidget *) { return record("save-chooser"); });
        fill(*m_window, 2);
        control<QLineEdit>(*m_window, "txtmnm")->setText("M");
        m_window->show();
        settle(*m_window);
    }
    void cleanup()
    {
        m_window.reset();
        SetShellOpenHook({});
        SetSaveCodeFileChooser({});
        HelpViewer::setOpenHook({});
    }
    void toolbarKeysRunTheirMenuCommands_data();
    void toolbarKeysRunTheirMenuCommands();
    void everyTopicIsInTheCompiledHelp();
    void f1AndWhatsThisLinksOpenTopics_data();
    void f1AndWhatsThisLinksOpenTopics();
    void helpFileIsLookedForBesideAndUnderPrefix_data();
    void helpFileIsLookedForBesideAndUnderPrefix();
    void aboutBoxLinksAndColourMessageHelp();
    void helpWindowShowsTheCompiledPages();

private:
    // What a command did: choosers asked, modal windows, addresses opened,
    // help topics, What's This mode and a cleared list.
    QStringList effectsOf(const std::function<void()> &command)
    {
        m_effects.clear();
        QObject context;
        modalwatch::whenModal(&context, [this](QWidget *modal) {
            m_effects << "modal:" + modal->objectName() + (modal->parentWidget() ? "" : " unowned");
            modal->close();
            return false;
        });
        command();
        if (QWhatsThis::inWhatsThisMode()) {
            m_effects << "whatsthis";
            QWhatsThis::leaveWhatsThisMode();
        }
        if (m_window->listModel()->count() != 2) {
            m_effects << QString("items:%1").arg(m_window->listModel()->count());
            fill(*m_window, 2);
        }
        return m_effects;
    }

    QStringList m_effects;
    std::unique_ptr<Form1> m_window;
};

void TestHelp::toolbarKeysRunTheirMenuCommands_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("menuEntry");
    const char *rows[][2] = {{"newproj", "mnuFileNew"},     {"loadproj", "mnuFileLoad"},
                             {"saveproj", "mnuFileSaveProj"}, {"savecodeclip", "mnuFileCopy"},
                             {"savecodefile", "mnuFileCodeFile"}, {"preview", "mnuPrevBr"},
                             {"help", "mnuHlpCont"},        {"wthis", "mnuHelpCtx"},
                             {"about", "mnuHlpAb"},         {"", ""},
                             {"Help", ""}, {"NEWPROJ", ""}, {"about ", ""}, {"mnuFileNew", ""}};
    for (const auto &row : rows)
        QTest::newRow(*row[0] ? row[0] : "separators") << row[0] << row[1];
}

void TestHelp::toolbarKeysRunTheirMenuCommands()
{
    QFETCH(QString, key);
    QFETCH(QString, menuEntry);
    QTemporaryDir tmp;
    TempDirOverride tmpOverride(tmp.path());
    auto *toolbar = control<QToolBar>(*m_window, "Toolbar1");
    const QStringList byToolbar = effectsOf([&] {
        if (QAction *button = toolbar->findChild<QAction *>(key); button && !key.isEmpty())
            button->trigger();
        else
            m_window->Toolbar1_ButtonClick(key);
        if (key.isEmpty()) // the three separators
            for (QAction *a : toolbar->actions())
                if (a->isSeparator())
                    a->trigger();
    });
    if (menuEntry.isEmpty())
        QCOMPARE(byToolbar, QStringList());
    else {
        QVERIFY(!byToolbar.isEmpty());
        QCOMPARE(byToolbar, effectsOf([&] { action(*m_window, qPrintable(menuEntry))->trigger(); }));
    }
}

void TestHelp::everyTopicIsInTheCompiledHelp()
{
    QTemporaryDir dir;
    QHelpEngineCore engine(dir.filePath("check.qhc"));
    engine.setReadOnly(false);
    QVERIFY(engine.setupData());
    QVERIFY(engine.registerDocumentation(QFileInfo(testpaths::binary()).dir().filePath("quillnav.qch")));
    for (const QString &topic : HelpTopics::referencedTopics())
        QVERIFY2(!engine.fileData(HelpTopics::url(topic)).isEmpty(), qPrintable(topic));
    // Every control the table names exists and carries its topic's link.
    Form3 code(MenuCode{}, nullptr);
    for (const auto &entry : HelpTopics::contextEntries()) {
        const QString window = entry.window, prefix = QString(entry.control).remove('*');
        QObject *root = window == "Form1" ? static_cast<QObject *>(m_window.get()) : window == "Form3" ? &code : nullptr;
        bool found = !root;
        for (QObject *o : root ? root->findChildren<QObject *>() : QList<QObject *>())
            found |= o->objectName().startsWith(prefix)
                     && o->property("whatsThis").toString().contains(HelpTopics::url(entry.topic).toString());
        QVERIFY2(found, entry.control);
    }
}

void TestHelp::f1AndWhatsThisLinksOpenTopics_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("viaLink");
    QTest::addColumn<QString>("topic");
    QTest::newRow("F1 field") << "itemtexttext" << false << "item-properties.html";
    QTest::newRow("F1 label, its frame") << "itemtextlbl" << false << "item-properties.html";
    QTest::newRow("F1 style button") << "cmdAdvMnu" << false << "menu-style.html";
    QTest::newRow("F1 no topic") << "StatusBar1Panel" << false << "index.html";
    QTest::newRow("link list") << "lv" << true << "menu-list.html";
    QTest::newRow("link graphics") << "Command1" << true << "button-options.html";
}

void TestHelp::f1AndWhatsThisLinksOpenTopics()
{
    QFETCH(QString, control);
    QFETCH(bool, viaLink);
    QFETCH(QString, topic);
    auto *widget = m_window->findChild<QWidget *>(control);
    QVERIFY(widget);
    if (viaLink) {
        const auto href = QRegularExpression("href=\"([^\"]+)\"").match(widget->whatsThis()).captured(1);
        QWhatsThisClickedEvent click(href);
        QApplication::sendEvent(widget, &click);
    } else {
        QTest::keyClick(widget, Qt::Key_F1);
    }
    QCOMPARE(m_effects, QStringList{"help:" + topic});
}

void TestHelp::helpFileIsLookedForBesideAndUnderPrefix_data()
{
    QTest::addColumn<QString>("placedIn");
    QTest::newRow("beside") << "bin";
    QTest::newRow("under prefix") << "share/quillnav/help";
    QTest::newRow("missing") << "";
}

void TestHelp::helpFileIsLookedForBesideAndUnderPrefix()
{
    QFETCH(QString, placedIn);
    QTemporaryDir prefix;
    QDir(prefix.path()).mkpath("bin");
    const QString file = prefix.path() + "/" + placedIn + "/quillnav.qch";
    if (!placedIn.isEmpty())
        QVERIFY(QDir(prefix.path()).mkpath(placedIn) && QFile(file).open(QIODevice::WriteOnly));
    QStringList lookedIn;
    QCOMPARE(HelpLocation::find(prefix.filePath("bin"), &lookedIn), placedIn.isEmpty() ? QString() : file);
    const QString message = HelpViewer::missingHelpMessage(lookedIn);
    QVERIFY(message.contains(prefix.filePath("bin")) && message.contains(prefix.filePath("share/quillnav/help")));
}

void TestHelp::aboutBoxLinksAndColourMessageHelp()
{
    FrmAbt about;
    about.show();
    QCOMPARE(about.findChild<QLabel *>("Label3")->text(), "Find more great software titles from Brookfen at:");
    QCOMPARE(about.findChild<QLabel *>("Label2")->text(), AppInfo::notice());
    for (const char *name : {"Label6", "Label5"}) {
        auto *label = about.findChild<QLabel *>(name);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, label->height() / 2));
    }
    QCOMPARE(m_effects, (QStringList{"shell:" + AppInfo::webSite(), "shell:mailto:" + AppInfo::supportAddress()}));
    QTest::mouseClick(about.findChild<QPushButton *>("Command3"), Qt::LeftButton);
    QVERIFY(!about.isVisible());

    m_effects.clear();
    QDialog dialog;
    ColorRow row(0, "Text:", 0, &dialog);
    row.setText("#123456");
    QObject context;
    modalwatch::whenModal(&context, [](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        return box && box->button(QMessageBox::Help) && (box->button(QMessageBox::Help)->click(), true);
    });
    row.setText("#12G456");
    QCOMPARE(m_effects, QStringList{"help:colours.html"});
    QCOMPARE(row.text(), "#123456");
}

void TestHelp::helpWindowShowsTheCompiledPages()
{
    HelpViewer::setOpenHook({});
    HelpViewer::showTopic(nullptr, HelpTopics::kTutorial);
    QWidget *window = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == "HelpWindow" && w->isVisible())
            window = w;
    QVERIFY(window);
    QVERIFY(window->findChild<HelpBrowser *>()->toPlainText().contains("Tutorial: your first menu"));
    QTRY_VERIFY(window->findChild<QHelpContentWidget *>()->model()->rowCount() > 0);
    delete window;
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
