// The generated code window: its texts, the fragments it shows, the copy and
// save buttons, and the ways it closes.
#include "codegen/MenuCodeGenerator.h"
#include "codegen/SavedCodePage.h"
#include "codegen/ui/Form3.h"
#include "codegen/ui/SaveCodeToFile.h"
#include "support/ModalWatch.h"

#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

MenuProject sample()
{
    MenuProject p;
    p.options.menuName = "nav";
    p.items = {{"Home", "Yes", "index.html", "Yes"},
               {"--- Caf\u00e9\u00a0Bar", "Yes", "cafe.html", "No"}, MenuItem::separator()};
    return p;
}

template <typename T = QWidget> T *child(QWidget *parent, const QString &name)
{
    if (T *widget = parent->findChild<T *>(name))
        return widget;
    qFatal("no control named %s", qPrintable(name));
}

void click(QWidget *window, const char *button) { child<QPushButton>(window, button)->click(); }

void checkControls(Form3 *window)
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Generated Menu Code"));
    for (const char *name : {"Command3", "Command4", "Frame1", "Frame2"})
        QCOMPARE(child(window, name)->parentWidget(), window);
    // Each group holds its instruction, box and copy button; the instructions
    // name tags and must show them, not read them as markup.
    for (const QString n : {"1", "2"}) {
        for (const char *name : {"Label", "Text", "Command"})
            QCOMPARE(child(window, name + n)->parentWidget()->objectName(), "Frame" + n);
        auto *label = child<QLabel>(window, "Label" + n);
        QVERIFY(label->text().contains(n == "1" ? "<HEAD> and </HEAD>" : "<BODY> and </BODY>"));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        auto *box = child<QPlainTextEdit>(window, "Text" + n);
        QVERIFY(!box->isReadOnly() && box->lineWrapMode() == QPlainTextEdit::NoWrap);
    }
}

} // namespace

class TestForm3 : public QObject {
    Q_OBJECT
private slots:
    void showsBareFragmentsAndCloses_data();
    void showsBareFragmentsAndCloses();
    void buttonsTakeCurrentText();
};

void TestForm3::showsBareFragmentsAndCloses_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Done") << false;
    QTest::newRow("close box") << true;
}

void TestForm3::showsBareFragmentsAndCloses()
{
    QFETCH(bool, closeBox);
    const MenuCode code = GenerateMenuCode(codegen::kCodeMode, sample());
    QVERIFY(!code.body.contains("Menu Preview"));
    QWidget owner;
    QPointer<Form3> shown;
    modalwatch::whenModal(this, [&](QWidget *modal) {
        if (!(shown = qobject_cast<Form3 *>(modal)))
            return false;
        [&] {
            checkControls(shown);
            QCOMPARE(shown->parentWidget(), &owner);
            // The boxes show every character as generated, one line per CR LF.
            const std::pair<const char *, QString> boxes[] = {{"Text1", code.head},
                                                              {"Text2", code.body}};
            for (const auto &[box, text] : boxes)
                QCOMPARE(child<QPlainTextEdit>(shown, box)->document()->toRawText().replace(
                             QChar::ParagraphSeparator, '\n'), QString(text).replace("\r\n", "\n"));
        }();
        closeBox ? void(shown->close()) : click(shown, "Command4");
        return true;
    });
    ShowGeneratedCode(&owner, sample());
    QVERIFY(shown.isNull()); // gone once closed; the next opening starts afresh
    QVERIFY(!QApplication::activeModalWidget());
}

void TestForm3::buttonsTakeCurrentText()
{
    QTemporaryDir dir;
    QFile saved(dir.filePath("menu.html"));
    SetSaveCodeFileChooser([&](QWidget *) { return saved.fileName(); });
    const auto savedBytes = [&] {
        const QByteArray bytes = saved.open(QIODevice::ReadOnly) ? saved.readAll() : "<not saved>";
        saved.close();
        return bytes;
    };
    const MenuCode code = GenerateMenuCode(codegen::kCodeMode, sample());
    QVERIFY(code.body.contains(QString::fromUtf8("Caf\u00e9\u00a0Bar")));
    QVERIFY(code.body.contains("\r\n"));
    Form3 window(code);
    window.show();
    QClipboard *clipboard = QApplication::clipboard();
    click(&window, "Command1");
    QCOMPARE(clipboard->text(), code.head);
    click(&window, "Command2");
    QCOMPARE(clipboard->text(), code.body); // only the body is left
    click(&window, "Command3");
    QCOMPARE(savedBytes(), SavedCodePage::bytes(code));
    QVERIFY(window.isVisible()); // neither copying nor saving closes the window

    // The user's edits are copied and saved, with CR LF line ends.
    auto *text1 = child<QPlainTextEdit>(&window, "Text1");
    auto *text2 = child<QPlainTextEdit>(&window, "Text2");
    text2->moveCursor(QTextCursor::End);
    QTest::keyClicks(text2, "<!-- mine -->");
    QTest::keyClick(text2, Qt::Key_Return);
    click(&window, "Command2");
    QCOMPARE(clipboard->text(), code.body + "<!-- mine -->\r\n");
    text1->selectAll();
    QTest::keyClick(text1, Qt::Key_Delete);
    click(&window, "Command1");
    QCOMPARE(clipboard->text(), QString());
    click(&window, "Command3");
    QCOMPARE(savedBytes(), SavedCodePage::bytes({QString(), code.body + "<!-- mine -->\r\n"}));
    SetSaveCodeFileChooser({});
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
