// A colour row driven through its real widgets: typing, pasting, leaving the
// box, the "Select" button and the hook that dialogs use for border sync.
#include "styles/ui/ColorRow.h"
#include "styles/ui/ShowColorDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>

using namespace mColorSelect;

namespace {

const QString SelectMessage =
    QStringLiteral("Please enter a valid color value or click \"Select\" to choose a color.");
const QString InvalidMessage = QStringLiteral("Please enter a valid color value.");

// Answers every modal window that opens while it lives; each one is handed to
// the action once.
class ModalAnswerer : public QObject
{
public:
    explicit ModalAnswerer(std::function<void(QWidget *)> action) : m_action(std::move(action))
    {
        auto *timer = new QTimer(this);
        timer->setInterval(5);
        connect(timer, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || modal == m_last)
                return;
            m_last = modal;
            m_action(modal);
        });
        timer->start();
    }

private:
    std::function<void(QWidget *)> m_action;
    QPointer<QWidget> m_last;
};

struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QStringList buttons;
};

// Records the message boxes and presses OK.
class MessageCatcher : public ModalAnswerer
{
public:
    MessageCatcher()
        : ModalAnswerer([this](QWidget *modal) {
              auto *box = qobject_cast<QMessageBox *>(modal);
              if (!box)
                  return;
              QStringList buttons;
              for (QAbstractButton *b : box->buttons())
                  buttons << b->text().remove(QLatin1Char('&'));
              seen.append({box->windowTitle(), box->text(), box->icon(), buttons});
              box->button(QMessageBox::Ok)->click();
          })
    {
    }
    QList<SeenMessage> seen;
};

} // namespace

class TestColorRow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void widgetsAndNames();
    void typingBuildsColourText();
    void typedKeysAreFiltered_data();
    void typedKeysAreFiltered();
    void ctrlVIsDiscardedWhileTyping();
    void enterMovesToNextControl();
    void deletingHashPutsItBack();
    void clearingLeavesHashAndBlankSwatch();
    void pastedTexts_data();
    void pastedTexts();
    void programTextIsCutToSeven();
    void leavingIncompleteBoxIsRefused_data();
    void leavingIncompleteBoxIsRefused();
    void leavingCompleteBoxSaysNothing();
    void messageBoxDoesNotCountAsLeaving();
    void handlerSignalDrivesBorderSync();
    void rowEnabledAndPainted();
    void selectCancelChangesNothing();
    void selectChoosesColour_data();
    void selectChoosesColour();
    void blackCustomColourTurnsWhite();

private:
    void typeInto(QLineEdit *box, const QString &keys);

    QDialog *m_dialog = nullptr;
    ColorRow *m_row = nullptr;
    ColorRow *m_row1 = nullptr;
    QLineEdit *m_other = nullptr;
};

void TestColorRow::init()
{
    CustomColors().fill(0);
    m_dialog = new QDialog;
    auto *layout = new QVBoxLayout(m_dialog);
    m_row = new ColorRow(0, QStringLiteral("Text:"), SysColor(8), m_dialog);
    m_row1 = new ColorRow(1, QStringLiteral("Background:"), SysColor(5), m_dialog);
    for (ColorRow *row : {m_row, m_row1}) {
        layout->addWidget(row->lbldesc());
        layout->addWidget(row->lblclr());
        layout->addWidget(row->txtclr());
        layout->addWidget(row->cmdclr());
    }
    m_other = new QLineEdit(m_dialog);
    m_other->setObjectName(QStringLiteral("other"));
    layout->addWidget(m_other);
    m_dialog->show();
    QApplication::setActiveWindow(m_dialog);
    QVERIFY(QTest::qWaitForWindowActive(m_dialog));
    m_row->setText(QStringLiteral("#1A2B3C"));
    m_row1->setText(QStringLiteral("#FFFFFF"));
    m_row->txtclr()->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
}

void TestColorRow::cleanup()
{
    delete m_dialog;
    m_dialog = nullptr;
}

void TestColorRow::typeInto(QLineEdit *box, const QString &keys)
{
    QTest::keyClicks(box, keys);
    QCoreApplication::processEvents();
}

void TestColorRow::widgetsAndNames()
{
    QCOMPARE(m_dialog->findChild<QLabel *>(QStringLiteral("lbldesc_0")), m_row->lbldesc());
    QCOMPARE(m_dialog->findChild<QLabel *>(QStringLiteral("lblclr_1")), m_row1->lblclr());
    QCOMPARE(m_dialog->findChild<QLineEdit *>(QStringLiteral("txtclr_0")), m_row->txtclr());
    QCOMPARE(m_dialog->findChild<QPushButton *>(QStringLiteral("cmdclr_1")), m_row1->cmdclr());
    QCOMPARE(m_row->lbldesc()->text(), QStringLiteral("Text:"));
    QCOMPARE(m_row->cmdclr()->text(), QStringLiteral("Select"));
    QCOMPARE(m_row->txtclr()->maxLength(), 7);
    QCOMPARE(m_row->index(), 0);
}

void TestColorRow::typingBuildsColourText()
{
    MessageCatcher catcher;
    QLineEdit *box = m_row->txtclr();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QStringLiteral("#"));
    QVERIFY(!m_row->isPainted());

    typeInto(box, QStringLiteral("1"));
    QCOMPARE(box->text(), QStringLiteral("#1"));
    QCOMPARE(box->cursorPosition(), 2);
    QVERIFY(!m_row->isPainted());

    typeInto(box, QStringLiteral("a2b3c"));
    QCOMPARE(box->text(), QStringLiteral("#1A2B3C"));
    QVERIFY(m_row->isPainted());
    QCOMPARE(m_row->swatchColor(), 0x003C2B1Au);
    QCOMPARE(m_row->lblclr()->palette().color(QPalette::Window), QColor(0x1A, 0x2B, 0x3C));
    QVERIFY(m_row->lblclr()->autoFillBackground());
    QVERIFY(catcher.seen.isEmpty());
}

void TestColorRow::typedKeysAreFiltered_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("letters beyond F") << "g1hz" << "#1";
    QTest::newRow("hash cannot be typed") << "##2" << "#2";
    QTest::newRow("minus and space") << "- 3" << "#3";
    QTest::newRow("lower case becomes upper") << "abcdef" << "#ABCDEF";
    QTest::newRow("typing stops at seven characters") << "12345678" << "#123456";
}

void TestColorRow::typedKeysAreFiltered()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    MessageCatcher catcher;
    QLineEdit *box = m_row->txtclr();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("#"));
    typeInto(box, keys);
    QCOMPARE(box->text(), text);
    QCOMPARE(m_row->isPainted(), text.size() == 7);
    QVERIFY(catcher.seen.isEmpty());
}

void TestColorRow::ctrlVIsDiscardedWhileTyping()
{
    MessageCatcher catcher;
    QApplication::clipboard()->setText(QStringLiteral("#445566"));
    QLineEdit *box = m_row->txtclr();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), QStringLiteral("#1A2B3C"));
    // Pasting through the box itself (as its context menu does) is accepted.
    box->selectAll();
    box->paste();
    QCOMPARE(box->text(), QStringLiteral("#445566"));
    QVERIFY(catcher.seen.isEmpty());
}

void TestColorRow::enterMovesToNextControl()
{
    MessageCatcher catcher;
    QLineEdit *box = m_row->txtclr();
    box->setCursorPosition(7);
    QTest::keyClick(box, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(box->text(), QStringLiteral("#1A2B3C"));
    QCOMPARE(QApplication::focusWidget(), m_row->cmdclr());
    QVERIFY(catcher.seen.isEmpty());
}

void TestColorRow::deletingHashPutsItBack()
{
    QLineEdit *box = m_row->txtclr();
    box->setCursorPosition(1);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("#1A2B3C"));
    QVERIFY(m_row->isPainted());
    QCOMPARE(m_row->swatchColor(), 0x003C2B1Au);
}

void TestColorRow::clearingLeavesHashAndBlankSwatch()
{
    QLineEdit *box = m_row->txtclr();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QStringLiteral("#"));
    QVERIFY(!m_row->isPainted());
    QVERIFY(!m_row->lblclr()->autoFillBackground());
    // A blank swatch keeps its last colour.
    QCOMPARE(m_row->swatchColor(), 0x003C2B1Au);
}

void TestColorRow::pastedTexts_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<bool>("byProgram"); // setText, else insert over a selection
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("swatch");
    QTest::addColumn<QString>("message");

    for (const bool byProgram : {true, false}) {
        const char *how = byProgram ? "set" : "inserted";
        QTest::addRow("%s: non-hex digit restores the last colour", how)
            << "#12G456" << byProgram << "#1A2B3C" << 0x003C2B1Au << SelectMessage;
        QTest::addRow("%s: lower case is kept as pasted", how)
            << "#ff8000" << byProgram << "#ff8000" << 0x000080FFu << QString();
        QTest::addRow("%s: seven digits get a hash and are cut", how)
            << "1234567" << byProgram << "#123456" << 0x00563412u << QString();
        QTest::addRow("%s: six digits get a hash", how)
            << "ABCDEF" << byProgram << "#ABCDEF" << 0x00EFCDABu << QString();
        QTest::addRow("%s: value that cannot be converted", how)
            << QString::fromUtf8("\xC3\xA9" "123456") << byProgram << "#000000" << 0x0u
            << InvalidMessage;
        QTest::addRow("%s: control character among the digits", how)
            << QStringLiteral("#12\b456") << byProgram << "#1A2B3C" << 0x003C2B1Au << SelectMessage;
        QTest::addRow("%s: longer text is cut by the box", how)
            << "#ABCDEF99" << byProgram << "#ABCDEF" << 0x00EFCDABu << QString();
    }
}

void TestColorRow::pastedTexts()
{
    QFETCH(QString, pasted);
    QFETCH(bool, byProgram);
    QFETCH(QString, text);
    QFETCH(quint32, swatch);
    QFETCH(QString, message);

    MessageCatcher catcher;
    QLineEdit *box = m_row->txtclr();
    if (byProgram) {
        m_row->setText(pasted);
    } else {
        box->selectAll();
        box->insert(pasted);
    }
    QCoreApplication::processEvents();
    QCOMPARE(box->text(), text);
    QCOMPARE(m_row->swatchColor(), swatch);
    QVERIFY(m_row->isPainted());
    if (message.isEmpty()) {
        QVERIFY(catcher.seen.isEmpty());
        return;
    }
    QCOMPARE(catcher.seen.size(), 1);
    QCOMPARE(catcher.seen.first().title, QStringLiteral("Oops!"));
    QCOMPARE(catcher.seen.first().text, message);
    QCOMPARE(catcher.seen.first().icon, QMessageBox::Warning);
    QCOMPARE(catcher.seen.first().buttons, QStringList{QStringLiteral("OK")});
    if (message == SelectMessage) {
        QCOMPARE(m_dialog->focusWidget(), box);
        QVERIFY(QTest::qWaitForWindowActive(m_dialog));
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->selectedText(), text.mid(1));
    }
}

void TestColorRow::programTextIsCutToSeven()
{
    m_row->setText(QStringLiteral("#12345678"));
    QCOMPARE(m_row->text(), QStringLiteral("#123456"));
    QCOMPARE(m_row->swatchColor(), 0x00563412u);
}

void TestColorRow::leavingIncompleteBoxIsRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("only hash") << "#";
    QTest::newRow("three digits") << "#ABC";
    QTest::newRow("six characters") << "#ABCDE";
}

void TestColorRow::leavingIncompleteBoxIsRefused()
{
    QFETCH(QString, text);
    MessageCatcher catcher;
    QLineEdit *box = m_row->txtclr();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    typeInto(box, text.mid(1));
    QCOMPARE(box->text(), text);

    m_other->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();

    QCOMPARE(catcher.seen.size(), 1);
    QCOMPARE(catcher.seen.first().title, QStringLiteral("Oops!"));
    QCOMPARE(catcher.seen.first().text, SelectMessage);
    QCOMPARE(catcher.seen.first().icon, QMessageBox::Warning);
    QCOMPARE(box->text(), QStringLiteral("#000000"));
    QVERIFY(m_row->isPainted());
    QCOMPARE(m_row->swatchColor(), 0u);
    QCOMPARE(m_dialog->focusWidget(), box);
    QVERIFY(QTest::qWaitForWindowActive(m_dialog));
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(box->selectedText(), QStringLiteral("000000"));
}

void TestColorRow::leavingCompleteBoxSaysNothing()
{
    MessageCatcher catcher;
    m_other->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QVERIFY(catcher.seen.isEmpty());
    QCOMPARE(QApplication::focusWidget(), m_other);
    QCOMPARE(m_row->text(), QStringLiteral("#1A2B3C"));
}

void TestColorRow::messageBoxDoesNotCountAsLeaving()
{
    // The box has the focus with an incomplete text when a pasted bad text in
    // another row raises a message: only that one message appears.
    MessageCatcher catcher;
    QLineEdit *box = m_row->txtclr();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QStringLiteral("#"));
    m_row1->setText(QStringLiteral("#GGGGGG"));
    QCoreApplication::processEvents();
    QCOMPARE(catcher.seen.size(), 1);
    QCOMPARE(m_row1->text(), QStringLiteral("#FFFFFF"));
    QCOMPARE(box->text(), QStringLiteral("#"));
}

void TestColorRow::handlerSignalDrivesBorderSync()
{
    QStringList followed;
    connect(m_row, &ColorRow::textChangedByHandler, m_row1, [&](int index) {
        QCOMPARE(index, 0);
        m_row1->setText(m_row->text());
        followed << m_row1->text();
    });
    QLineEdit *box = m_row->txtclr();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    typeInto(box, QStringLiteral("FF0000"));
    QCOMPARE(m_row->text(), QStringLiteral("#FF0000"));
    QCOMPARE(m_row1->text(), QStringLiteral("#FF0000"));
    QCOMPARE(m_row1->swatchColor(), 0x000000FFu);
    QVERIFY(m_row1->isPainted());
    followed.removeDuplicates();
    const QStringList expected{"#", "#F", "#FF", "#FF0", "#FF00", "#FF000", "#FF0000"};
    QCOMPARE(followed, expected);
}

void TestColorRow::rowEnabledAndPainted()
{
    m_row->setRowEnabled(false);
    QVERIFY(!m_row->isRowEnabled());
    for (QWidget *w : {static_cast<QWidget *>(m_row->lbldesc()), static_cast<QWidget *>(m_row->lblclr()),
                       static_cast<QWidget *>(m_row->txtclr()), static_cast<QWidget *>(m_row->cmdclr())})
        QVERIFY(!w->isEnabled());
    QVERIFY(m_row1->isRowEnabled());
    m_row->setPainted(false);
    QVERIFY(!m_row->lblclr()->autoFillBackground());
    QCOMPARE(m_row->swatchColor(), 0x003C2B1Au);
    m_row->setRowEnabled(true);
    m_row->setPainted(true);
    QCOMPARE(m_row->lblclr()->palette().color(QPalette::Window), QColor(0x1A, 0x2B, 0x3C));
    // A swatch set to a system colour reference shows the current system colour.
    m_row->setSwatchColor(SysColor(5));
    QCOMPARE(mColorSelect::FromQColor(m_row->lblclr()->palette().color(QPalette::Window)),
             TranslateSysColor(SysColor(5)));
}

void TestColorRow::selectCancelChangesNothing()
{
    CustomColors().fill(0x00112233);
    bool opened = false;
    ModalAnswerer answerer([&](QWidget *modal) {
        auto *chooser = qobject_cast<QColorDialog *>(modal);
        if (!chooser)
            return;
        opened = true;
        QCOMPARE(chooser->currentColor(), QColor(0x1A, 0x2B, 0x3C));
        QColorDialog::setCustomColor(0, Qt::red);
        chooser->setCurrentColor(Qt::blue);
        chooser->reject();
    });
    QTest::mouseClick(m_row->cmdclr(), Qt::LeftButton);
    QVERIFY(opened);
    QCOMPARE(m_row->text(), QStringLiteral("#1A2B3C"));
    QCOMPARE(m_row->swatchColor(), 0x003C2B1Au);
    for (const quint32 slot : CustomColors())
        QCOMPARE(slot, 0x00112233u);
}

void TestColorRow::selectChoosesColour_data()
{
    QTest::addColumn<QColor>("chosen");
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("swatch");
    QTest::newRow("orange") << QColor(0xFF, 0x80, 0x00) << "#FF8000" << 0x000080FFu;
    QTest::newRow("black") << QColor(0, 0, 0) << "#000000" << 0u;
    QTest::newRow("same colour again") << QColor(0x1A, 0x2B, 0x3C) << "#1A2B3C" << 0x003C2B1Au;
}

void TestColorRow::selectChoosesColour()
{
    QFETCH(QColor, chosen);
    QFETCH(QString, text);
    QFETCH(quint32, swatch);
    QPointer<QWidget> owner;
    ModalAnswerer answerer([&](QWidget *modal) {
        auto *chooser = qobject_cast<QColorDialog *>(modal);
        if (!chooser)
            return;
        owner = chooser->parentWidget();
        chooser->setCurrentColor(chosen);
        chooser->accept();
    });
    m_row->setPainted(false);
    QTest::mouseClick(m_row->cmdclr(), Qt::LeftButton);
    QCOMPARE(owner.data(), m_dialog);
    QCOMPARE(m_row->text(), text);
    QCOMPARE(m_row->swatchColor(), swatch);
}

void TestColorRow::blackCustomColourTurnsWhite()
{
    QList<QColor> shownCustom;
    int round = 0;
    ModalAnswerer answerer([&](QWidget *modal) {
        auto *chooser = qobject_cast<QColorDialog *>(modal);
        if (!chooser)
            return;
        shownCustom.clear();
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            shownCustom << QColorDialog::customColor(i);
        if (round++ == 0) {
            QColorDialog::setCustomColor(3, Qt::black);
            QColorDialog::setCustomColor(4, QColor(0x10, 0x20, 0x30));
        }
        chooser->accept();
    });
    QCOMPARE(ShowColorDialog(m_dialog, 0x00FF0000, true), qint32(0x00FF0000));
    QCOMPARE(QColorDialog::customCount(), 16);
    for (const QColor &c : shownCustom)
        QCOMPARE(c, QColor(Qt::white)); // empty slots open white
    QCOMPARE(CustomColors()[3], 0u);
    QCOMPARE(CustomColors()[4], 0x00302010u);

    QCOMPARE(ShowColorDialog(m_dialog, SysColor(5), false), qint32(TranslateSysColor(SysColor(5))));
    QCOMPARE(shownCustom.value(3), QColor(Qt::white));
    QCOMPARE(shownCustom.value(4), QColor(0x10, 0x20, 0x30));
    QCOMPARE(CustomColors()[3], 0x00FFFFFFu);
}

QTEST_MAIN(TestColorRow)
#include "tst_colorrow.moc"
