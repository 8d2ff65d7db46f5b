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
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace form1test;

class TestForm1Code : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_opened.clear();
        SetShellOpenHook([this](QWidget *, const QUrl &url) { m_opened << url; });
        m_tmp = std::make_unique<QTemporaryDir>();
        m_tmpOverride = std::make_unique<TempDirOverride>(m_tmp->path());
        m_window = std::make_unique<Form1>();
        m_window->show();
        fill(*m_window, 3);
        control<QLineEdit>(*m_window, "txtmnm")->setText("M");
        settle(*m_window);
    }
    void cleanup()
    {
        m_window.reset();
        m_tmpOverride.reset();
        m_tmp.reset();
        SetShellOpenHook({});
        SetSaveCodeFileChooser({});
    }
    void checksComeFirst_data();
    void checksComeFirst();
    void codeWindowShowsBareCode();
    void saveCodeWritesThePage();
    void previewOpensAndClosingDeletesPages();
    void closingWithoutPreviewDeletesNothing();

private:
    QList<QUrl> m_opened;
    std::unique_ptr<QTemporaryDir> m_tmp;
    std::unique_ptr<TempDirOverride> m_tmpOverride;
    std::unique_ptr<Form1> m_window; // shown, with three items and a menu name
};

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
    if (emptyName)
        control<QLineEdit>(*m_window, "txtmnm")->clear();
    else
        control<QRadioButton>(*m_window, "buttonpropopt_1")->click();
    settle(*m_window);
    bool chooserAsked = false;
    SetSaveCodeFileChooser([&](QWidget *) { chooserAsked = true; return QString(); });
    BoxAnswerer answerer(QMessageBox::Ok);
    m_window->Toolbar1_ButtonClick(key);
    QCOMPARE(answerer.count(), 1); // the check's message, and no code window after it
    QCOMPARE(answerer.boxes[0].title, QString("Oops!"));
    QVERIFY2(answerer.boxes[0].text.startsWith(message), qPrintable(answerer.boxes[0].text));
    QVERIFY(!chooserAsked && m_opened.isEmpty() && QDir(m_tmp->path()).isEmpty());
}

void TestForm1Code::codeWindowShowsBareCode()
{
    const MenuCode expected = GenerateMenuCode(codegen::kCodeMode, m_window->currentProject());
    QString head, body;
    QTimer::singleShot(0, [&] {
        if (auto *form3 = qobject_cast<Form3 *>(QApplication::activeModalWidget())) {
            head = form3->headText();
            body = form3->bodyText();
            form3->findChild<QPushButton *>("Command4")->click();
        }
    });
    m_window->Toolbar1_ButtonClick("savecodeclip");
    QCOMPARE(head, expected.head);
    QCOMPARE(body, expected.body);
}

void TestForm1Code::saveCodeWritesThePage()
{
    const QString path = m_tmp->filePath("menu.html");
    SetSaveCodeFileChooser([&](QWidget *) { return path; });
    action(*m_window, "mnuFileCodeFile")->trigger();
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const MenuCode code = GenerateMenuCode(codegen::kCodeMode, m_window->currentProject());
    QCOMPARE(saved.readAll(), SavedCodePage::bytes(code));
}

void TestForm1Code::previewOpensAndClosingDeletesPages()
{
    action(*m_window, "mnuPrevBr")->trigger();
    QCOMPARE(m_opened.size(), 1);
    const QString frameset = m_opened.first().toLocalFile();
    QVERIFY(frameset.startsWith(m_tmp->path() + "/")
            && frameset.endsWith("/quillnav_preview_frameset.html"));
    const QDir folder = QFileInfo(frameset).dir();
    QCOMPARE(folder.entryList(QDir::Files).size(), 3);
    m_window->Toolbar1_ButtonClick("preview"); // the toolbar key does the same
    QCOMPARE(m_opened, QList<QUrl>({m_opened.first(), m_opened.first()}));

    m_window->close(); // takes the pages and their folder along
    QVERIFY(QDir(m_tmp->path()).isEmpty());
}

void TestForm1Code::closingWithoutPreviewDeletesNothing()
{
    QFile planted(m_tmp->filePath("98127630.html"));
    QVERIFY(planted.open(QIODevice::WriteOnly) && planted.write("keep me"));
    planted.close();
    m_window->close();
    m_window.reset();
    QCOMPARE(QDir(m_tmp->path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
             QStringList({"98127630.html"}));
}

QTEST_MAIN(TestForm1Code)
#include "tst_form1_code.moc"
