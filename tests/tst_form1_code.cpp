// The main window's code commands: the code window, saving code and the
// browser preview run the option checks first, and the preview's pages go
// when the window closes.
#include "codegen/SavedCodePage.h"
#include "codegen/ui/Form3.h"
#include "codegen/ui/SaveCodeToFile.h"
#include "platform/ui/OpenWithShell.h"
#include "support/Form1Driver.h"
#include "support/TempDirOverride.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace form1test;

namespace {

void fillValid(Form1 &window)
{
    fill(window, 3);
    control<QLineEdit>(window, "txtmnm")->setText("M");
    settle(window);
}

} // namespace

class TestForm1Code : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void checksComeFirst_data();
    void checksComeFirst();
    void codeWindowShowsBareCode();
    void saveCodeWritesThePage();
    void previewOpensAndClosingDeletesPages();
    void closingWithoutPreviewDeletesNothing();

private:
    QList<QUrl> m_opened;
    QTemporaryDir m_dir;
};

void TestForm1Code::init()
{
    m_opened.clear();
    SetShellOpenHook([this](QWidget *, const QUrl &url) { m_opened << url; });
}

void TestForm1Code::cleanup()
{
    SetShellOpenHook({});
    SetSaveCodeFileChooser({});
}

void TestForm1Code::checksComeFirst_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("emptyName");
    QTest::addColumn<QString>("message");

    for (const char *key : {"savecodeclip", "savecodefile", "preview"}) {
        QTest::addRow("%s no menu name", key)
            << key << true << "You must specify a name for the menu to be used in the code.";
        QTest::addRow("%s no graphic url", key)
            << key << false << "You have chosen to use a graphical submit button style";
    }
}

void TestForm1Code::checksComeFirst()
{
    QFETCH(QString, key);
    QFETCH(bool, emptyName);
    QFETCH(QString, message);
    TempDirOverride tmp(m_dir.path());
    Form1 window;
    window.show();
    fillValid(window);
    if (emptyName)
        control<QLineEdit>(window, "txtmnm")->clear();
    else
        control<QRadioButton>(window, "buttonpropopt_1")->click();
    settle(window);
    bool chooserAsked = false;
    SetSaveCodeFileChooser([&](QWidget *) {
        chooserAsked = true;
        return QString();
    });

    BoxAnswerer answerer(QMessageBox::Ok);
    window.Toolbar1_ButtonClick(key);
    QCOMPARE(answerer.count(), 1);
    QCOMPARE(answerer.boxes[0].title, QString("Oops!"));
    QVERIFY(answerer.boxes[0].text.startsWith(message));
    QVERIFY(!chooserAsked);
    QVERIFY(m_opened.isEmpty());
    QVERIFY(QDir(m_dir.path()).isEmpty());
}

void TestForm1Code::codeWindowShowsBareCode()
{
    Form1 window;
    window.show();
    fillValid(window);
    const MenuCode expected = GenerateMenuCode(codegen::kCodeMode, window.currentProject());
    QString head;
    QString body;
    QTimer::singleShot(0, [&] {
        auto *form3 = qobject_cast<Form3 *>(QApplication::activeModalWidget());
        if (!form3)
            return;
        head = form3->headText();
        body = form3->bodyText();
        form3->findChild<QPushButton *>("Command4")->click();
    });
    window.Toolbar1_ButtonClick("savecodeclip");
    QCOMPARE(head, expected.head);
    QCOMPARE(body, expected.body);
    QVERIFY(!body.contains("Menu Preview"));
}

void TestForm1Code::saveCodeWritesThePage()
{
    Form1 window;
    window.show();
    fillValid(window);
    const QString path = m_dir.filePath("menu.html");
    SetSaveCodeFileChooser([&](QWidget *) { return path; });
    action(window, "mnuFileCodeFile")->trigger();
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(),
             SavedCodePage::bytes(GenerateMenuCode(codegen::kCodeMode, window.currentProject())));
}

void TestForm1Code::previewOpensAndClosingDeletesPages()
{
    QTemporaryDir tmpRoot;
    TempDirOverride tmp(tmpRoot.path());
    auto window = std::make_unique<Form1>();
    window->show();
    fillValid(*window);
    action(*window, "mnuPrevBr")->trigger();
    QCOMPARE(m_opened.size(), 1);
    const QString frameset = m_opened.first().toLocalFile();
    QVERIFY(frameset.endsWith("/quillnav_preview_frameset.html"));
    QVERIFY(frameset.startsWith(tmpRoot.path() + "/"));
    const QDir folder = QFileInfo(frameset).dir();
    QCOMPARE(folder.entryList(QDir::Files).size(), 3);

    window->Toolbar1_ButtonClick("preview"); // a second preview overwrites the same pages
    QCOMPARE(m_opened.size(), 2);
    QCOMPARE(m_opened.last(), m_opened.first());
    QCOMPARE(folder.entryList(QDir::Files).size(), 3);

    window->close();
    QVERIFY(!QFileInfo::exists(frameset));
    QVERIFY(!folder.exists());
    QVERIFY(QDir(tmpRoot.path()).isEmpty());
}

void TestForm1Code::closingWithoutPreviewDeletesNothing()
{
    QTemporaryDir tmpRoot;
    TempDirOverride tmp(tmpRoot.path());
    QFile planted(tmpRoot.filePath("98127630.html"));
    QVERIFY(planted.open(QIODevice::WriteOnly));
    planted.write("keep me");
    planted.close();
    {
        Form1 window;
        window.show();
        fillValid(window);
        window.close();
    }
    QVERIFY(QFileInfo::exists(planted.fileName()));
    QCOMPARE(QDir(tmpRoot.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 1);
}

QTEST_MAIN(TestForm1Code)
#include "tst_form1_code.moc"
