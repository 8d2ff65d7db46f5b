// A colour row driven through its real widgets: typing, pasting, leaving the
// box and the "Select" button with the run's custom colours.
#include "styles/ui/ColorRow.h"
#include "support/ModalWatch.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <QtWidgets>

using namespace mColorSelect;
using namespace Qt::StringLiterals;
using modalwatch::MessageBoxCatcher;

static const QString SelectMessage =
    u"Please enter a valid color value or click \"Select\" to choose a color."_s;
static const QString InvalidMessage = u"Please enter a valid color value."_s;

class TestColorRow : public QObject {
    Q_OBJECT

    QDialog *m_dialog = nullptr;
    ColorRow *m_row = nullptr;
    ColorRow *m_row1 = nullptr;
    QLineEdit *m_box = nullptr;
    QLineEdit *m_other = nullptr;

    void clearBox() // as the user does: select all, Delete
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
        QTest::addColumn<quint32>("swatch"); // 1000000: blank, keeping the last colour 3C2B1A unpainted
        QTest::addColumn<QString>("message");
        for (const QJsonArray &r : testfiles::tableRows(u"colour-box-edits.json"_s)) {
            const QString message = r[5].toString();
            QTest::newRow(qPrintable(r[0].toString()))
                << r[1].toString() << r[2].toString() << r[3].toString()
                << r[4].toString().toUInt(nullptr, 16)
                << (message == "select"_L1    ? SelectMessage
                    : message == "invalid"_L1 ? InvalidMessage
                                              : QString());
        }
    }

    void editingTheBox()
    {
        QFETCH(QString, how);
        QFETCH(QString, input);
        QFETCH(QString, text);
        QFETCH(quint32, swatch);
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
            input == "\x16"_L1 ? QTest::keyClick(m_box, Qt::Key_V, Qt::ControlModifier)
                               : QTest::keyClicks(m_box, input);
            QCOMPARE(m_box->cursorPosition(), m_box->text().size());
            if (how == "leave"_L1)
                m_other->setFocus(Qt::TabFocusReason);
        }
        QCoreApplication::processEvents();
        const bool painted = swatch != 0x1000000;
        QCOMPARE(m_box->text(), text);
        QCOMPARE(m_row->swatchColor(), painted ? swatch : 0x003C2B1Au);
        QCOMPARE(m_row->isPainted() && m_row->lblclr()->autoFillBackground(), painted);
        if (painted)
            QCOMPARE(m_row->lblclr()->palette().color(QPalette::Window), ToQColor(swatch));
        QCOMPARE(u"%1 %2 %3 "_s.arg(catcher.count).arg(catcher.title).arg(catcher.icon) + catcher.text,
                 message.isEmpty() ? u"0  0 "_s : u"1 Oops! 2 "_s + message);
        if (how == "leave"_L1 || message == SelectMessage) {
            // After the message the box takes the focus back, the digits after "#" selected.
            QVERIFY(QTest::qWaitForWindowActive(m_dialog));
            QCOMPARE(QApplication::focusWidget(), message.isEmpty() ? m_other : m_box);
            QCOMPARE(m_box->selectedText(), message.isEmpty() ? QString() : text.mid(1));
        }
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
        QString seen; // owner, starting colour, first two custom colours
        QObject watch;
        modalwatch::whenModal(&watch, [&](QWidget *modal) {
            auto *chooser = qobject_cast<QColorDialog *>(modal);
            if (chooser) {
                seen = u"%1 %2 %3 %4"_s.arg(chooser->parentWidget() == m_dialog)
                           .arg(chooser->currentColor().name(), QColorDialog::customColor(0).name(),
                                QColorDialog::customColor(1).name());
                QColorDialog::setCustomColor(3, Qt::black);
                chooser->setCurrentColor(chosen.isValid() ? chosen : QColor(Qt::blue));
                chosen.isValid() ? chooser->accept() : chooser->reject();
            }
            return chooser != nullptr;
        });
        QTest::mouseClick(m_row->cmdclr(), Qt::LeftButton);
        QCOMPARE(seen, u"1 #1a2b3c #ffffff #332211"_s);
        QCOMPARE(m_row->text() + ' ' + QString::number(m_row->swatchColor(), 16),
                 text + ' ' + QString::number(swatch, 16));
        QCOMPARE(CustomColors()[3], chosen.isValid() ? 0u : 0x00FFFFFFu);
    }
};

QTEST_MAIN(TestColorRow)
#include "tst_colorrow.moc"
