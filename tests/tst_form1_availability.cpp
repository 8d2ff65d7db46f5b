// The availability pass: every list-dependent enabled state of the main
// window, read from the real controls and actions.

#include "support/Form1Driver.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace form1test;

namespace {
const MenuItem kSep = MenuItem::separator();
const MenuItem kSepDefault{menutext::kSeparatorText, "No", "", "Yes"};
const MenuItem kDefault{"Def", "Yes", "d.html", "Yes"};
} // namespace

class TestForm1Availability : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> w;

    // "1"/"0" for Add, Update, then each list command (toolbar button and popup
    // entry must agree): edit, delete, selected, movup, movdn, indent, unindent.
    QString states()
    {
        static const char *const pairs[][2] = {
            {"edit", "mnuListPopEdt"},       {"delete", "mnuListPopRem"},
            {"selected", "mnuListPopDefSel"}, {"movup", "mnuListPopMovUp"},
            {"movdn", "mnuListPopMovDn"},    {"indent", "mnuListPopInd"},
            {"unindent", "mnuListPopUnind"},
        };
        QString out;
        out += control<QPushButton>(*w, "additemcmd")->isEnabled() ? '1' : '0';
        out += control<QPushButton>(*w, "cmdup")->isEnabled() ? '1' : '0';
        for (const auto &pair : pairs) {
            const bool onToolbar = action(*w, pair[0])->isEnabled();
            const bool inPopup = action(*w, pair[1])->isEnabled();
            if (onToolbar != inPopup)
                return QStringLiteral("mismatch at %1").arg(QLatin1String(pair[0]));
            out += onToolbar ? '1' : '0';
        }
        return out;
    }
    // The main toolbar buttons and menu entries that need a non-empty list.
    QList<bool> listDependent()
    {
        QList<bool> out;
        for (const char *name : {"saveproj", "savecodeclip", "savecodefile", "preview",
                                 "mnuFileSaveProj", "mnuFileCodeFile", "mnuFileCopy", "mnuPrevBr"})
            out << action(*w, name)->isEnabled();
        return out;
    }

private slots:
    void init()
    {
        QVERIFY(showWindow(w));
    }
    void cleanup() { w.reset(); }

    void pass_data()
    {
        QTest::addColumn<QList<MenuItem>>("rows");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("unlinked");
        QTest::addColumn<QString>("expected");
        using L = QList<MenuItem>;
        const MenuItem a = item("A"), b = item("B");
        QTest::newRow("start-up") << L{} << 0 << "" << "" << false << "000000000";
        QTest::newRow("text, no link") << L{} << 0 << "A" << "" << false << "000000000";
        QTest::newRow("link, no text") << L{} << 0 << "" << "x" << false << "000000000";
        QTest::newRow("text, not linked, empty list") << L{} << 0 << "A" << "" << true
                                                       << "100000000";
        QTest::newRow("blanks count as text") << L{} << 0 << " " << " " << false << "100000000";
        QTest::newRow("one row") << L{a} << 1 << "" << "" << false << "001110010";
        QTest::newRow("one row, fields ready") << L{a} << 1 << "B" << "b" << false << "111110010";
        QTest::newRow("two rows, first current") << L{a, b} << 1 << "" << "" << false
                                                 << "001110110";
        QTest::newRow("two rows, second current") << L{a, b} << 2 << "" << "" << false
                                                  << "001111010";
        QTest::newRow("middle of three") << L{a, b, a} << 2 << "" << "" << false << "001111110";
        QTest::newRow("separator current") << L{a, kSep} << 2 << "" << "" << false
                                           << "000111000";
        QTest::newRow("separator that is the default") << L{a, kSepDefault} << 2 << "" << ""
                                                       << false << "000101000";
        QTest::newRow("nineteen hyphens are text")
            << L{item(QString(19, '-'))} << 1 << "" << "" << false << "001110010";
        QTest::newRow("indented current") << L{item("--- X")} << 1 << "" << "" << false
                                          << "001110001";
        QTest::newRow("prefix alone is indented") << L{item("--- ")} << 1 << "" << "" << false
                                                  << "001110001";
        QTest::newRow("three dashes are not") << L{item("---")} << 1 << "" << "" << false
                                              << "001110010";
        QTest::newRow("dashes without blank are not") << L{item("---X")} << 1 << "" << ""
                                                      << false << "001110010";
        QTest::newRow("default current") << L{kDefault, b} << 1 << "" << "" << false
                                         << "001100110";
        QTest::newRow("default elsewhere") << L{kDefault, b} << 2 << "" << "" << false
                                           << "001111010";
    }
    void pass()
    {
        QFETCH(QList<MenuItem>, rows);
        QFETCH(int, current);
        QFETCH(QString, text);
        QFETCH(QString, link);
        QFETCH(bool, unlinked);
        QFETCH(QString, expected);
        w->listModel()->setItems(rows);
        if (current)
            makeCurrent(*w, current);
        control<QLineEdit>(*w, "itemtexttext")->setText(text);
        control<QLineEdit>(*w, "linktext")->setText(link);
        control<QCheckBox>(*w, "notlinkchk")->setChecked(unlinked);
        settle(*w);
        QCOMPARE(states(), expected);
        const bool any = !rows.isEmpty();
        QCOMPARE(listDependent(), QList<bool>(8, any));
        // Separator and the always-available commands are never switched off.
        QVERIFY(control<QPushButton>(*w, "Addsepcmd")->isEnabled());
        for (const char *always : {"newproj", "loadproj", "help", "wthis", "about", "mnuFileNew",
                                   "mnuFileLoad", "mnuFileExit", "mnuHlpCont", "mnuHlpAb"})
            QVERIFY2(action(*w, always)->isEnabled(), always);
    }

    void removingTheLastRowDisablesTheRowCommands()
    {
        w->listModel()->setItems({item("Only")});
        makeCurrent(*w, 1);
        control<QLineEdit>(*w, "itemtexttext")->setText("T");
        control<QLineEdit>(*w, "linktext")->setText("t");
        settle(*w);
        QCOMPARE(states(), QStringLiteral("111110010"));
        action(*w, "delete")->trigger();
        settle(*w);
        QCOMPARE(states(), QStringLiteral("100000000"));
        QCOMPARE(listDependent(), QList<bool>(8, false));
    }

    void everyInputArmsAPass_data()
    {
        QTest::addColumn<QString>("input");
        for (const char *input : {"itemtexttext", "linktext", "notlinkchk", "chkindent", "chksel",
                                  "row inserted", "row removed", "row rewritten", "current row",
                                  "list reset", "mouse press on the list"})
            QTest::newRow(input) << QString::fromLatin1(input);
    }
    void everyInputArmsAPass()
    {
        QFETCH(QString, input);
        fill(*w, 3);
        makeCurrent(*w, 1);
        auto *timer = control<QTimer>(*w, "Timer1");
        QVERIFY(!timer->isActive());
        if (input == "itemtexttext" || input == "linktext")
            control<QLineEdit>(*w, input.toLatin1().constData())->setText("changed");
        else if (input.startsWith("chk") || input == "notlinkchk")
            control<QCheckBox>(*w, input.toLatin1().constData())->toggle();
        else if (input == "row inserted")
            w->listModel()->appendItem(item("New"));
        else if (input == "row removed")
            w->listModel()->removeItem(3);
        else if (input == "row rewritten")
            w->listModel()->setText(1, "--- Item 1");
        else if (input == "current row")
            control<QTreeView>(*w, "lv")->setCurrentIndex(w->listModel()->index(1, 0));
        else if (input == "list reset")
            w->listModel()->clear();
        else
            QTest::mousePress(control<QTreeView>(*w, "lv")->viewport(), Qt::LeftButton, {},
                              QPoint(2, 2));
        QVERIFY(timer->isActive());
        settle(*w);
        QVERIFY(!timer->isActive());
    }

    void anIdleWindowRunsNoPasses()
    {
        fill(*w, 5);
        makeCurrent(*w, 2);
        QSignalSpy passes(control<QTimer>(*w, "Timer1"), &QTimer::timeout);
        QTest::qWait(200);
        QCOMPARE(passes.count(), 0);
    }
};

QTEST_MAIN(TestForm1Availability)
#include "tst_form1_availability.moc"
