// A colour row driven through its real widgets: typing, pasting, leaving the
// box and the "Select" button with the run's custom colours.
#include "styles/ui/ColorRow.h"
#include "support/ModalWatch.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace mColorSelect;
using namespace Qt::StringLiterals;
using modalwatch::MessageBoxCatcher;

namespace {
const QString SelectMessage = u"Please enter a valid color value or click \"Select\" to choose a color."_s;
const QString InvalidMessage = u"Please enter a valid color value."_s;
} // namespace

class TestColorRow : public QObject
{
    Q_OBJECT

    QDialog *m_dialog = nullptr;
    ColorRow *m_row = nullptr;
    ColorRow *m_row1 = nullptr;
    QLineEdit *m_box = nullptr;
    QLineEdit *m_other = nullptr;

    // Empties the box as the user does: select all, Delete.
    void clearBox()
    {
        m_box->selectAll();
        QTest::keyClick(m_box, Qt::Key_Delete);
        QCOMPARE(m_box->text(), u"#"_s);
    }

private slots:
    void init()
    {
        m_dialog = new QDialog;
        auto *layout = new QVBoxLayout(m_dialog);
        m_row = new ColorRow(0, u"Text:"_s, SysColor(8), m_dialog);
        m_row1 = new ColorRow(1, u"Background:"_s, SysColor(5), m_dialog);
        m_other = new QLineEdit(m_dialog);
        for (QWidget *w : m_dialog->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            layout->addWidget(w);
        m_dialog->show();
        QApplication::setActiveWindow(m_dialog);
        QVERIFY(QTest::qWaitForWindowActive(m_dialog));
        m_row->setText(u"#1A2B3C"_s);
        m_row1->setText(u"#FFFFFF"_s);
        m_box = m_row->txtclr();
        m_box->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
    }

    void cleanup() { delete m_dialog; }

    void editingTheBox_data()
    {
        // how: type (into the emptied box), leave (after typing), set, insert, backspace (after the "#")
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("text");
        QTest::addColumn<quint32>("swatch");
        QTest::addColumn<bool>("painted");
        QTest::addColumn<QString>("message");
        const quint32 last = 0x003C2B1Au; // the row's colour before the edit; a blank swatch keeps it
        const QString none;
        QTest::newRow("typing a digit after the hash") << "type" << "1" << "#1" << last << false << none;
        QTest::newRow("typed lower case becomes upper") << "type" << "1a2b3c" << "#1A2B3C" << last << true << none;
        QTest::newRow("letters beyond F, hash, minus, space") << "type" << "g1h#- z" << "#1" << last << false << none;
        QTest::newRow("typing stops at seven") << "type" << "fedcba98" << "#FEDCBA" << 0x00BADCFEu << true << none;
        QTest::newRow("deleting the hash puts it back") << "backspace" << "" << "#1A2B3C" << last << true << none;
        for (const char *how : {"set", "insert"}) {
            QTest::addRow("%s: non-hex digit restores the last colour", how)
                << how << "#12G456" << "#1A2B3C" << last << true << SelectMessage;
            QTest::addRow("%s: control character among the digits", how)
                << how << u"#12\b456"_s << "#1A2B3C" << last << true << SelectMessage;
            QTest::addRow("%s: lower case is kept as pasted", how)
                << how << "#ff8000" << "#ff8000" << 0x000080FFu << true << none;
            QTest::addRow("%s: seven digits get a hash and are cut", how)
                << how << "1234567" << "#123456" << 0x00563412u << true << none;
            QTest::addRow("%s: longer text is cut", how)
                << how << "#ABCDEF99" << "#ABCDEF" << 0x00EFCDABu << true << none;
            QTest::addRow("%s: value that cannot be converted", how)
                << how << QString::fromUtf8("\xC3\xA9" "123456") << "#000000" << 0u << true << InvalidMessage;
        }
        for (const char *typed : {"", "ABC", "ABCDE"})
            QTest::addRow("leaving with #%s", typed) << "leave" << typed << "#000000" << 0u << true << SelectMessage;
        QTest::newRow("leaving complete") << "leave" << "ABCDEF" << "#ABCDEF" << 0x00EFCDABu << true << none;
    }

    void editingTheBox()
    {
        QFETCH(QString, how);
        QFETCH(QString, input);
        QFETCH(QString, text);
        QFETCH(quint32, swatch);
        QFETCH(bool, painted);
        QFETCH(QString, message);
        MessageBoxCatcher catcher;
        if (how == "set"_L1) {
            m_row->setText(input);
        } else if (how == "insert"_L1) {
            m_box->selectAll();
            m_box->insert(input);
        } else if (how == "backspace"_L1) {
            m_box->setCursorPosition(1);
            QTest::keyClick(m_box, Qt::Key_Backspace);
        } else {
            clearBox();
            QTest::keyClicks(m_box, input);
            QCOMPARE(m_box->cursorPosition(), m_box->text().size());
            if (how == "leave"_L1)
                m_other->setFocus(Qt::TabFocusReason);
        }
        QCoreApplication::processEvents();
        QCOMPARE(m_box->text(), text);
        QCOMPARE(m_row->swatchColor(), swatch);
        QCOMPARE(m_row->isPainted(), painted);
        QCOMPARE(m_row->lblclr()->autoFillBackground(), painted);
        if (painted)
            QCOMPARE(m_row->lblclr()->palette().color(QPalette::Window), ToQColor(swatch));
        QCOMPARE(u"%1 %2 %3 "_s.arg(catcher.count).arg(catcher.title).arg(catcher.icon) + catcher.text,
                 message.isEmpty() ? u"0  0 "_s : u"1 Oops! 2 "_s + message);
        if (message.isEmpty() && how == "leave"_L1)
            QCOMPARE(QApplication::focusWidget(), m_other);
        if (message == SelectMessage) {
            // The box takes the focus back, with the digits after "#" selected.
            QVERIFY(QTest::qWaitForWindowActive(m_dialog));
            QCOMPARE(QApplication::focusWidget(), m_box);
            QCOMPARE(m_box->selectedText(), text.mid(1));
        }
    }

    void ctrlVIsDiscardedAndEnterMovesOn()
    {
        MessageBoxCatcher catcher;
        QApplication::clipboard()->setText(u"#445566"_s);
        m_box->selectAll();
        QTest::keyClick(m_box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(m_box, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(m_box->text(), u"#1A2B3C"_s);
        QCOMPARE(QApplication::focusWidget(), m_row->cmdclr());
        QCOMPARE(catcher.count, 0);
    }

    // The box has the focus with an incomplete text when a pasted bad text in
    // another row raises a message: only that one message appears.
    void messageBoxDoesNotCountAsLeaving()
    {
        MessageBoxCatcher catcher;
        clearBox();
        m_row1->setText(u"#GGGGGG"_s);
        QCoreApplication::processEvents();
        QCOMPARE(catcher.count, 1);
        QCOMPARE(m_row1->text(), u"#FFFFFF"_s);
        QCOMPARE(m_box->text(), u"#"_s);
    }

    void selectButton_data()
    {
        QTest::addColumn<QColor>("chosen"); // invalid: cancel
        QTest::addColumn<QString>("text");
        QTest::addColumn<quint32>("swatch");
        QTest::newRow("orange") << QColor(0xFF, 0x80, 0x00) << "#FF8000" << 0x000080FFu;
        QTest::newRow("black") << QColor(0, 0, 0) << "#000000" << 0u;
        QTest::newRow("cancel changes nothing") << QColor() << "#1A2B3C" << 0x003C2B1Au;
    }

    // The chooser opens over the dialog at the row's colour with the run's custom
    // colours, empty (0) slots white; only an accepted choice takes them back, so
    // a black custom colour is stored as 0 and opens white the next time.
    void selectButton()
    {
        QFETCH(QColor, chosen);
        QFETCH(QString, text);
        QFETCH(quint32, swatch);
        CustomColors().fill(0);
        CustomColors()[1] = 0x00112233;
        QPointer<QWidget> owner;
        QColor initial;
        QList<QColor> shown;
        QObject watch;
        modalwatch::whenModal(&watch, [&](QWidget *modal) {
            auto *chooser = qobject_cast<QColorDialog *>(modal);
            if (!chooser)
                return false;
            owner = chooser->parentWidget();
            initial = chooser->currentColor();
            for (int i = 0; i < 2; ++i)
                shown << QColorDialog::customColor(i);
            QColorDialog::setCustomColor(3, Qt::black);
            chooser->setCurrentColor(chosen.isValid() ? chosen : QColor(Qt::blue));
            chosen.isValid() ? chooser->accept() : chooser->reject();
            return true;
        });
        QTest::mouseClick(m_row->cmdclr(), Qt::LeftButton);
        QCOMPARE(owner.data(), m_dialog);
        QCOMPARE(initial, QColor(0x1A, 0x2B, 0x3C));
        QCOMPARE(m_row->text(), text);
        QCOMPARE(m_row->swatchColor(), swatch);
        QCOMPARE(shown, (QList<QColor>{Qt::white, QColor(0x33, 0x22, 0x11)}));
        QCOMPARE(CustomColors()[3], chosen.isValid() ? 0u : 0x00FFFFFFu);
    }
};

QTEST_MAIN(TestColorRow)
#include "tst_colorrow.moc"
