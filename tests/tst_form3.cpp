// The generated code window: its texts, the fragments it shows, the copy
// buttons, saving, and the ways it closes.
#include "codegen/MenuCodeGenerator.h"
#include "codegen/SavedCodePage.h"
#include "codegen/ui/Form3.h"
#include "codegen/ui/SaveCodeToFile.h"
#include "support/ModalWatch.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

MenuProject sample(int variant)
{
    MenuProject p;
    p.options.menuName = "nav";
    p.items = {{"Home", "Yes", "index.html", "Yes"},
               {"--- Caf\u00e9\u00a0Bar", "Yes", "cafe.html", "No"},
               MenuItem::separator()};
    if (variant == 1) {
        p.options.linkTarget = MenuOptions::DifferentFrame;
        p.options.frameName = "content";
        p.options.navigation = MenuOptions::OnItemChange;
    } else if (variant == 2) {
        p.options.linkTarget = MenuOptions::NewWindow;
        p.options.buttonKind = MenuOptions::GraphicButton;
        p.options.graphicUrl = "go.gif";
        p.options.graphicWidth = "40";
    }
    return p;
}

template <typename T> T *child(QWidget *parent, const char *name)
{
    T *widget = parent->findChild<T *>(QLatin1String(name));
    if (!widget)
        qWarning("no %s named %s", T::staticMetaObject.className(), name);
    return widget;
}

// What a plain-text box displays for a text with CR LF line ends.
QString shown(const QString &text)
{
    return QString(text).replace("\r\n", "\n");
}

// What a box displays, every character as it is (plain-text export would
// turn non-breaking spaces into blanks).
QString displayed(const QPlainTextEdit *box)
{
    return box->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

void moveToEnd(QPlainTextEdit *box)
{
    QTextCursor cursor = box->textCursor();
    cursor.movePosition(QTextCursor::End);
    box->setTextCursor(cursor);
}

} // namespace

class TestForm3 : public QObject {
    Q_OBJECT
private slots:
    void controlsAndTexts();
    void showsBareFragments_data();
    void showsBareFragments();
    void copyButtons();
    void copyTakesCurrentText();
    void saveButtonSavesShownCode();
    void closes_data();
    void closes();
};

void TestForm3::controlsAndTexts()
{
    Form3 window(GenerateMenuCode(codegen::kCodeMode, sample(0)));
    QCOMPARE(window.objectName(), QStringLiteral("Form3"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Generated Menu Code"));

    QCOMPARE(child<QGroupBox>(&window, "Frame1")->title(), QStringLiteral("Javascript Function Code"));
    QCOMPARE(child<QGroupBox>(&window, "Frame2")->title(), QStringLiteral("HTML Code"));
    // The labels name tags; they must show them, not read them as markup.
    QLabel *label1 = child<QLabel>(&window, "Label1");
    QLabel *label2 = child<QLabel>(&window, "Label2");
    QCOMPARE(label1->text(),
             QStringLiteral("Copy and paste this code into the head section of your page "
                            "(anywhere between the <HEAD> and </HEAD> tags)."));
    QCOMPARE(label2->text(),
             QStringLiteral("Copy and paste this code into the body section of your page "
                            "(anywhere between the <BODY> and </BODY> tags) wherever you want the "
                            "menu to appear."));
    QCOMPARE(label1->textFormat(), Qt::PlainText);
    QCOMPARE(label2->textFormat(), Qt::PlainText);
    QCOMPARE(child<QPushButton>(&window, "Command1")->text(), QStringLiteral("Copy to Clipboard"));
    QCOMPARE(child<QPushButton>(&window, "Command2")->text(), QStringLiteral("Copy to Clipboard"));
    QCOMPARE(child<QPushButton>(&window, "Command3")->text(), QStringLiteral("Save to File"));
    QCOMPARE(child<QPushButton>(&window, "Command4")->text(), QStringLiteral("Done"));
    // Each group holds its own box and button.
    QCOMPARE(child<QPlainTextEdit>(&window, "Text1")->parentWidget()->objectName(), QStringLiteral("Frame1"));
    QCOMPARE(child<QPushButton>(&window, "Command2")->parentWidget()->objectName(), QStringLiteral("Frame2"));
    for (const char *name : {"Text1", "Text2"}) {
        QPlainTextEdit *box = child<QPlainTextEdit>(&window, name);
        QVERIFY(!box->isReadOnly());
        QCOMPARE(box->lineWrapMode(), QPlainTextEdit::NoWrap);
    }
}

void TestForm3::showsBareFragments_data()
{
    QTest::addColumn<int>("variant");
    QTest::newRow("button, same window") << 0;
    QTest::newRow("item change, frame") << 1;
    QTest::newRow("graphic, new window") << 2;
}

void TestForm3::showsBareFragments()
{
    QFETCH(int, variant);
    const MenuProject project = sample(variant);
    const MenuCode code = GenerateMenuCode(codegen::kCodeMode, project);
    QWidget owner;
    bool seen = false;
    modalwatch::whenModal(this, [&](QWidget *modal) {
        auto *window = qobject_cast<Form3 *>(modal);
        if (!window)
            return false;
        seen = true;
        [&] {
            QCOMPARE(window->parentWidget(), &owner);
            QVERIFY(window->isModal());
            QCOMPARE(displayed(child<QPlainTextEdit>(window, "Text1")), shown(code.head));
            QCOMPARE(displayed(child<QPlainTextEdit>(window, "Text2")), shown(code.body));
            QCOMPARE(window->headText(), code.head);
            QCOMPARE(window->bodyText(), code.body);
            QVERIFY(!window->bodyText().contains("Menu Preview"));
        }();
        child<QPushButton>(window, "Command4")->click();
        return true;
    });
    ShowGeneratedCode(&owner, project);
    QVERIFY(seen);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestForm3::copyButtons()
{
    const MenuCode code = GenerateMenuCode(codegen::kCodeMode, sample(0));
    Form3 window(code);
    window.show();
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->setText("before");

    child<QPushButton>(&window, "Command1")->click();
    QCOMPARE(clipboard->text(), code.head);
    QVERIFY(clipboard->text().contains("\r\n"));
    QVERIFY(window.isVisible()); // copying does not close the window

    child<QPushButton>(&window, "Command2")->click();
    QCOMPARE(clipboard->text(), code.body); // only the body is left
    QVERIFY(clipboard->text().contains(QString::fromUtf8("Caf\u00e9\u00a0Bar")));
}

void TestForm3::copyTakesCurrentText()
{
    const MenuCode code = GenerateMenuCode(codegen::kCodeMode, sample(0));
    Form3 window(code);
    window.show();
    QPlainTextEdit *text1 = child<QPlainTextEdit>(&window, "Text1");
    QPlainTextEdit *text2 = child<QPlainTextEdit>(&window, "Text2");

    moveToEnd(text2);
    QTest::keyClicks(text2, "<!-- mine -->");
    QTest::keyClick(text2, Qt::Key_Return);
    child<QPushButton>(&window, "Command2")->click();
    QCOMPARE(QApplication::clipboard()->text(), code.body + "<!-- mine -->\r\n");

    // Emptying the head box leaves an empty text on the clipboard.
    text1->selectAll();
    QTest::keyClick(text1, Qt::Key_Delete);
    child<QPushButton>(&window, "Command1")->click();
    QCOMPARE(QApplication::clipboard()->text(), QString());
}

void TestForm3::saveButtonSavesShownCode()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("menu.html");
    const SaveCodeFileChooser previous =
        SetSaveCodeFileChooser([&](QWidget *) { return path; });
    const MenuCode code = GenerateMenuCode(codegen::kCodeMode, sample(1));
    Form3 window(code);
    window.show();

    child<QPushButton>(&window, "Command3")->click();
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), SavedCodePage::bytes(code));
    saved.close();
    QVERIFY(window.isVisible());

    // After an edit, the file carries what the window shows.
    QPlainTextEdit *text1 = child<QPlainTextEdit>(&window, "Text1");
    moveToEnd(text1);
    QTest::keyClicks(text1, "// edited");
    child<QPushButton>(&window, "Command3")->click();
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QVERIFY(bytes.contains((code.head + "// edited").toUtf8()));
    QCOMPARE(bytes, SavedCodePage::bytes({code.head + "// edited", code.body}));
    SetSaveCodeFileChooser(previous);
}

void TestForm3::closes_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Done") << false;
    QTest::newRow("close box") << true;
}

void TestForm3::closes()
{
    QFETCH(bool, closeBox);
    QPointer<Form3> shownWindow;
    modalwatch::whenModal(this, [&](QWidget *modal) {
        auto *window = qobject_cast<Form3 *>(modal);
        if (!window)
            return false;
        shownWindow = window;
        if (closeBox)
            window->close();
        else
            child<QPushButton>(window, "Command4")->click();
        return true;
    });
    ShowGeneratedCode(nullptr, sample(0));
    QVERIFY(shownWindow.isNull()); // gone once closed; the next opening starts afresh
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
