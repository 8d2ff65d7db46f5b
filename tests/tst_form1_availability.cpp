// The availability pass: every list-dependent enabled state of the main
// window, read from the real controls and actions.

#include "support/Form1Driver.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using namespace form1test;

class TestForm1Availability : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> w;

    // "1"/"0" for Add, Update, then each list command (toolbar button and popup
    // entry must agree): edit, delete, selected, movup, movdn, indent, unindent;
    // then, after a blank, the main toolbar buttons and menu entries that need a row.
    QString states()
    {
        static const char *const pairs[][2] = {
            {"edit", "mnuListPopEdt"}, {"delete", "mnuListPopRem"}, {"selected", "mnuListPopDefSel"},
            {"movup", "mnuListPopMovUp"}, {"movdn", "mnuListPopMovDn"}, {"indent", "mnuListPopInd"},
            {"unindent", "mnuListPopUnind"}};
        QString out;
        for (const char *button : {"additemcmd", "cmdup"})
            out += control(*w, button)->isEnabled() ? '1' : '0';
        for (const auto &[onToolbar, inPopup] : pairs) {
            if (action(*w, onToolbar)->isEnabled() != action(*w, inPopup)->isEnabled())
                return QStringLiteral("mismatch at %1").arg(QLatin1String(onToolbar));
            out += action(*w, onToolbar)->isEnabled() ? '1' : '0';
        }
        out += ' ';
        for (const char *name : {"saveproj", "savecodeclip", "savecodefile", "preview", "mnuFileSaveProj",
                                 "mnuFileCodeFile", "mnuFileCopy", "mnuPrevBr"})
            out += action(*w, name)->isEnabled() ? '1' : '0';
        return out;
    }
    void type(const QString &text, const QString &link, bool unlinked = false)
    {
        control<QLineEdit>(*w, "itemtexttext")->setText(text);
        control<QLineEdit>(*w, "linktext")->setText(link);
        control<QCheckBox>(*w, "notlinkchk")->setChecked(unlinked);
        settle(*w);
    }

private slots:
    void init() { QVERIFY(showWindow(w)); }
    void cleanup() { w.reset(); }

    // Lists in the notation of rows().
    void pass_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("typed"); // "item text|link|N" with N for Not linked
        QTest::addColumn<QString>("expected");
        const QString none = "||";
        QTest::newRow("start-up") << "" << 0 << none << "000000000 00000000";
        QTest::newRow("text, no link") << "" << 0 << "A||" << "000000000 00000000";
        QTest::newRow("link, no text") << "" << 0 << "|x|" << "000000000 00000000";
        QTest::newRow("text, not linked") << "" << 0 << "A||N" << "100000000 00000000";
        QTest::newRow("blanks count as text") << "" << 0 << " | |" << "100000000 00000000";
        QTest::newRow("one row") << "A" << 1 << none << "001110010 11111111";
        QTest::newRow("one row, fields ready") << "A" << 1 << "B|b|" << "111110010 11111111";
        QTest::newRow("two rows, first current") << "A,B" << 1 << none << "001110110 11111111";
        QTest::newRow("two rows, second current") << "A,B" << 2 << none << "001111010 11111111";
        QTest::newRow("middle of three") << "A,B,C" << 2 << none << "001111110 11111111";
        QTest::newRow("separator current") << "A,~" << 2 << none << "000111000 11111111";
        QTest::newRow("separator that is the default") << "A,~*" << 2 << none << "000101000 11111111";
        QTest::newRow("nineteen hyphens are text") << QString(19, '-') << 1 << none << "001110010 11111111";
        QTest::newRow("indented current") << "--- X" << 1 << none << "001110001 11111111";
        QTest::newRow("prefix alone is indented") << "--- " << 1 << none << "001110001 11111111";
        QTest::newRow("three dashes are not") << "---" << 1 << none << "001110010 11111111";
        QTest::newRow("dashes without blank are not") << "---X" << 1 << none << "001110010 11111111";
        QTest::newRow("default current") << "D*,B" << 1 << none << "001100110 11111111";
        QTest::newRow("default elsewhere") << "D*,B" << 2 << none << "001111010 11111111";
    }
    void pass()
    {
        QFETCH(QString, list);
        QFETCH(int, current);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        w->listModel()->setItems(rows(list));
        if (current)
            makeCurrent(*w, current);
        type(typed.section('|', 0, 0), typed.section('|', 1, 1), typed.endsWith('N'));
        QCOMPARE(states(), expected);
        // Separator and the commands that need no row are never switched off.
        QVERIFY(control(*w, "Addsepcmd")->isEnabled());
        for (const char *always : {"newproj", "loadproj", "help", "wthis", "about", "mnuFileNew",
                                   "mnuFileLoad", "mnuFileExit", "mnuHlpCont", "mnuHlpAb"})
            QVERIFY2(action(*w, always)->isEnabled(), always);
    }

    void removingTheLastRowDisablesTheRowCommands()
    {
        fill(*w, 1);
        makeCurrent(*w, 1);
        type("T", "t");
        action(*w, "delete")->trigger();
        settle(*w);
        QCOMPARE(states(), QStringLiteral("100000000 00000000"));
    }

    // The pass runs when one of its inputs changes; missing one leaves stale states.
    void everyInputArmsAPass()
    {
        fill(*w, 3);
        makeCurrent(*w, 1);
        auto *timer = control<QTimer>(*w, "Timer1");
        auto *lv = control<QTreeView>(*w, "lv");
        MenuItemModel *model = w->listModel();
        // A check box is toggled by its name.
        const std::pair<const char *, std::function<void()>> inputs[] = {
            {"item text", [&] { control<QLineEdit>(*w, "itemtexttext")->setText("changed"); }},
            {"link", [&] { control<QLineEdit>(*w, "linktext")->setText("changed"); }},
            {"notlinkchk", {}}, {"chkindent", {}}, {"chksel", {}},
            {"row inserted", [&] { model->appendItem(item("New")); }},
            {"row removed", [&] { model->removeItem(4); }},
            {"row rewritten", [&] { model->setText(1, "--- Item 1"); }},
            {"current row", [&] { lv->setCurrentIndex(model->index(1, 0)); }},
            {"mouse press", [&] { QTest::mousePress(lv->viewport(), Qt::LeftButton, {}, {2, 2}); }},
            {"list reset", [&] { model->clear(); }}};
        for (const auto &[name, change] : inputs) {
            QVERIFY2(!timer->isActive(), name);
            change ? change() : control<QCheckBox>(*w, name)->toggle();
            QVERIFY2(timer->isActive(), name);
            settle(*w);
        }
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
