// The code commands of the main window and the generated code window: option
// checks first, the bare fragments shown and copied as they stand, saving,
// status messages, the browser preview and its pages at closing.
#include "codegen/OptionsValidation.h"
#include "codegen/SavedCodePage.h"
#include "codegen/ui/Form3.h"
#include "codegen/ui/SaveCodeToFile.h"
#include "platform/ui/OpenWithShell.h"
#include "support/Form1Driver.h"
#include "support/ModalWatch.h"
#include "support/TempDirOverride.h"
#include "support/TestFiles.h"

using namespace form1test;

class TestForm1Code : public QObject {
    Q_OBJECT

private:
    QList<QUrl> m_opened;
    bool m_desktopOpens = true;
    std::unique_ptr<QTemporaryDir> m_tmp;
    std::unique_ptr<TempDirOverride> m_tmpOverride;
    std::unique_ptr<Form1> w; // shown, with three items and a menu name
    QString status() { return control<QStatusBar>(*w, "StatusBar1")->currentMessage(); }
    void click(QWidget *window, const char *button) { window->findChild<QPushButton *>(button)->click(); }

private slots:
    void init()
    {
        m_opened.clear();
        privateSettings(); // before the temporary folder changes
        SetShellOpenCheckedHook([this](QWidget *, const QUrl &url) {
            m_opened << url;
            return m_desktopOpens;
        });
        m_tmp = std::make_unique<QTemporaryDir>();
        m_tmpOverride = std::make_unique<TempDirOverride>(m_tmp->path());
        QVERIFY(showWindow(w));
        w->document()->model()->setItems(rows("Home@index.html*,--- Caf\u00e9\u00a0Bar@cafe.html,~"));
        control<QLineEdit>(*w, "txtmnm")->setText("M");
        settle(*w);
    }
    void cleanup()
    {
        w.reset();
        m_tmpOverride.reset();
        m_tmp.reset();
        SetShellOpenCheckedHook({});
        SetSaveCodeFileChooser({});
    }

    void checksComeFirst_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("emptyName"); // else no graphic address
        for (const char *key : {"savecodeclip", "savecodefile", "preview"})
            for (bool emptyName : {true, false})
                QTest::addRow("%s, %s", key, emptyName ? "no menu name" : "no graphic url")
                    << key << emptyName;
    }
    void checksComeFirst()
    {
        QFETCH(QString, key);
        QFETCH(bool, emptyName);
        emptyName ? control<QLineEdit>(*w, "txtmnm")->clear()
                  : control<QRadioButton>(*w, "buttonpropopt_1")->click();
        settle(*w);
        bool chooserAsked = false;
        SetSaveCodeFileChooser([&](QWidget *) {
            chooserAsked = true;
            return QString();
        });
        BoxAnswerer answerer(QMessageBox::Ok);
        w->Toolbar1_ButtonClick(key);
        QCOMPARE(answerer.count, 1); // the check's message, and no code window after it
        QCOMPARE(
            answerer.boxes[0].title + answerer.boxes[0].text,
            "Oops!"
                + OptionsProblemMessage(emptyName ? OptionsProblem::MenuName : OptionsProblem::GraphicUrl));
        QVERIFY(!chooserAsked && m_opened.isEmpty() && QDir(m_tmp->path()).isEmpty());
    }

    // The window shows the bare fragments, fits a 1080p screen at 200 % scale
    // (960 x 540), copies and saves what the boxes hold (the user's edits too, with
    // CR LF line ends) and says so in the main window's status bar.
    void codeWindow()
    {
        const MenuCode code = GenerateMenuCode(codegen::kCodeMode, w->document()->project());
        QVERIFY(!code.body.contains("Menu Preview") && code.body.contains("Caf\u00e9\u00a0Bar"));
        const QString saved = m_tmp->filePath("menu.html");
        SetSaveCodeFileChooser([&](QWidget *) { return saved; });
        QClipboard *clipboard = QApplication::clipboard();
        QStringList seen;
        modalwatch::whenModal(this, [&](QWidget *modal) {
            auto *form3 = qobject_cast<Form3 *>(modal);
            if (!form3)
                return false;
            seen << QString::number(form3->minimumSizeHint().width() <= 960
                                    && form3->minimumSizeHint().height() <= 500
                                    && form3->screen()->availableGeometry().contains(form3->frameGeometry())
                                    && form3->findChild<QLabel *>("Label1")->textFormat() == Qt::PlainText)
                 << form3->headText() + form3->bodyText();
            click(form3, "Command1");
            seen << clipboard->text() << status();
            auto *text2 = form3->findChild<QPlainTextEdit *>("Text2");
            text2->moveCursor(QTextCursor::End);
            QTest::keyClicks(text2, "<!-- mine -->");
            QTest::keyClick(text2, Qt::Key_Return);
            click(form3, "Command2");
            seen << clipboard->text() << status();
            click(form3, "Command3");
            seen << status();
            click(form3, "Command4");
            return true;
        });
        w->Toolbar1_ButtonClick("savecodeclip");
        QCOMPARE(seen, QStringList({"1", code.head + code.body, code.head,
                                    "The script for the head section is on the clipboard.",
                                    code.body + "<!-- mine -->\r\n",
                                    "The HTML code for the body section is on the clipboard.",
                                    "Saved the menu code to " + saved + "."}));
        QCOMPARE(testfiles::readAll(saved),
                 SavedCodePage::bytes({code.head, code.body + "<!-- mine -->\r\n"}));
        QFile::remove(saved);
        action(*w, "mnuFileCodeFile")->trigger();
        QCOMPARE(status(), "Saved the menu code to " + saved + ".");
        QVERIFY(QFile::exists(saved));
    }

    // A classic style that browsers ignore: a bar above the texts switches
    // the project to HTML5 code, as one undo step, and shows the new code.
    void codeWindowNotice()
    {
        const MenuProject before = w->document()->project();
        MenuProject styled = before;
        styled.buttonStyle.bttnFontSize = "16";
        w->document()->applyProject(styled, false);
        QString seen;
        modalwatch::whenModal(this, [&](QWidget *modal) {
            auto *form3 = qobject_cast<Form3 *>(modal);
            QWidget *bar = form3 ? form3->findChild<QWidget *>("IgnoredStylesBar") : nullptr;
            if (!form3 || !bar)
                return false;
            seen = bar->isVisible() ? "bar, " : "hidden bar, ";
            click(form3, "cmdUseHtml5");
            seen += form3->bodyText() == GenerateMenuCode(codegen::kCodeMode, w->document()->project()).body
                            && w->document()->dialect() == CodeDialect::Html5 && bar->isHidden()
                        ? "HTML5"
                        : "unchanged";
            click(form3, "Command4");
            return true;
        });
        w->Toolbar1_ButtonClick("savecodeclip");
        QCOMPARE(seen, "bar, HTML5");
        settle(*w);
        action(*w, "mnuEditUndo")->trigger();
        QVERIFY(w->document()->dialect() == CodeDialect::Classic && w->document()->project() == styled);
    }

    // The preview opens the frameset page; when the desktop cannot open it, a
    // message names the page. Closing takes the pages and their folder along.
    void preview()
    {
        for (bool desktopOpens : {true, false}) {
            m_desktopOpens = desktopOpens;
            m_opened.clear();
            BoxAnswerer answerer(QMessageBox::Ok);
            action(*w, "mnuPrevBr")->trigger();
            QCOMPARE(m_opened.size(), 1);
            const QString frameset = m_opened.first().toLocalFile();
            QVERIFY(frameset.startsWith(m_tmp->path() + "/")
                    && frameset.endsWith("/quillnav_preview_frameset.html"));
            QCOMPARE(QFileInfo(frameset).dir().entryList(QDir::Files).size(), 3);
            QCOMPARE(answerer.count, desktopOpens ? 0 : 1);
            QVERIFY(desktopOpens || answerer.boxes[0].text.endsWith("\n\n" + frameset));
        }
        w->close();
        QVERIFY(QDir(m_tmp->path()).isEmpty());
    }
};

QTEST_MAIN(TestForm1Code)
#include "tst_form1_code.moc"
