// The keys around dialogs, messages and notices: each takes the keyboard focus
// when it opens (Return acts on it, never on the window behind) and gives it
// back when it closes, to the control the window's own rules name. Run on the
// offscreen platform and, as tst_focus_xvfb, on an X display without a window
// manager.
#include "app/AdvisoryFlags.h"
#include "app/ui/IgnoredStylesMessage.h"
#include "styles/ui/frmAdvMnuOp.h"
#include "support/Form1Driver.h"

using namespace form1test;

class TestFocus : public QObject {
    Q_OBJECT

private slots:
    void keysAroundDialogs_data()
    {
        QTest::addColumn<QString>("from");    // the control with the focus
        QTest::addColumn<QString>("command"); // a menu entry, or Space on `from`
        QTest::addColumn<QString>("seen");    // each window that took the keys, in turn
        QTest::addColumn<QString>("back");    // the control with the focus afterwards
        QTest::newRow("ignored-styles notice") << "cmdAdvMnu"
                                               << ""
                                               << "iemsgfrm frmAdvMnuOp IgnoredStylesMessage"
                                               << "cmdAdvMnu";
        QTest::newRow("option check's message: its field") << "itemtexttext"
                                                           << "mnuFileCopy"
                                                           << "QMessageBox"
                                                           << "txtmnm";
        QTest::newRow("About box, no owner") << "lv"
                                             << "mnuHlpAb"
                                             << "FrmAbt"
                                             << "lv";
    }

    void keysAroundDialogs()
    {
        QFETCH(QString, from);
        QFETCH(QString, command);
        QFETCH(QString, seen);
        QFETCH(QString, back);
        std::unique_ptr<Form1> w;
        QVERIFY(showWindow(w));
        AdvisoryFlags::Write(AdvisoryFlags::ShowIeMessage, true);
        AdvisoryFlags::Write(AdvisoryFlags::ShowIgnoredStylesMessage, true);
        w->document()->setDialect(CodeDialect::Classic);
        w->document()->model()->setItems({{"Home", "Yes", "index.html", "No"}});
        control<QLineEdit>(*w, "txtmnm")->clear();
        settle(*w);
        control(*w, qPrintable(from))->setFocus();
        QCOMPARE(QApplication::focusWidget(), control(*w, qPrintable(from)));

        QStringList windows;
        const auto took = [&windows](QWidget *window) {
            windows << (window->objectName().isEmpty() ? window->metaObject()->className()
                                                       : window->objectName());
        };
        QObject watch;
        int turns = 0;
        modalwatch::whenModal(&watch, [&](QWidget *modal) {
            if (!modal->isActiveWindow() && ++turns < 2000)
                return false; // not yet (an X server answers in its time); never: rejected below
            if (!modal->isActiveWindow())
                return static_cast<QDialog *>(modal)->reject(), false;
            took(modal);
            if (modal == w->menuStyleDialog()) {
                modal->findChild<QAbstractButton *>("chkmnufntI")->click();
                modal->findChild<QAbstractButton *>("Command8")->click();
            } else {
                QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Return);
            }
            return false;
        });
        if (command.isEmpty())
            QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Space);
        else
            action(*w, qPrintable(command))->trigger();
        // The notice does not block: it is open now, and Return is its OK.
        if (QPointer<IgnoredStylesMessage> notice = w->findChild<IgnoredStylesMessage *>()) {
            QVERIFY(QTest::qWaitForWindowActive(notice));
            // An X server without a window manager settles the focus in its time.
            QTRY_COMPARE(QGuiApplication::focusWindow(), notice->windowHandle());
            QTest::qWait(50);
            QCOMPARE(QGuiApplication::focusWindow(), notice->windowHandle());
            took(notice);
            QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Return);
            QTRY_VERIFY(!notice);
        }
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QCOMPARE(windows.join(' '), seen);
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), back);
    }
};

QTEST_MAIN(TestFocus)
#include "tst_focus.moc"
