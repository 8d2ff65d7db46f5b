// List commands of the main window: Move Up/Down, Indent/Un-indent, Make
// Default Selection, Remove, the list toolbar and the popup menu.

#include "support/Form1Driver.h"

#include <QMenu>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QtTest>

using namespace form1test;

class TestForm1List : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> w;
    QTreeView *lv() { return control<QTreeView>(*w, "lv"); }
    QMenu *popup() { return control<QMenu>(*w, "mnuListPop"); }

private slots:
    void init() { QVERIFY(showWindow(w)); }
    void cleanup()
    {
        popup()->hide();
        w.reset();
    }

    // List toolbar buttons clicked the way the user does, each only while enabled.
    // Lists in the notation of rows(); the row at "from" is current to begin with.
    void commands_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("yes"); // the answer to the default-selection question
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("current");
        QTest::newRow("up on row 2 of 2") << "A@a,B@b*" << 2 << "movup" << true << "B@b*,A@a" << 1;
        QTest::newRow("down on next-to-last") << "A@a,B@b*,C" << 2 << "movdn" << true << "A@a,C,B@b*" << 3;
        QTest::newRow("down on first") << "A@a*,B,C@c" << 1 << "movdn" << true << "B,A@a*,C@c" << 2;
        QTest::newRow("separator up from last") << "A,B,~" << 3 << "movup" << true << "A,~,B" << 2;
        QTest::newRow("odd separator up") << "A,~@x*" << 2 << "movup" << true << "~@x*,A" << 1;
        QTest::newRow("indent") << "F,Home" << 2 << "indent" << true << "F,--- Home" << 2;
        QTest::newRow("indent, un-indent") << "F,Home" << 2 << "indent unindent" << true << "F,Home" << 2;
        QTest::newRow("typed prefix un-indents") << "F,--- X" << 2 << "unindent" << true << "F,X" << 2;
        QTest::newRow("prefix only") << "F,--- " << 2 << "unindent" << true << "F," << 2;
        QTest::newRow("one level only") << "F,A" << 2 << "indent indent" << true << "F,--- A" << 2;
        QTest::newRow("separator never indents") << "F,~" << 2 << "indent" << true << "F,~" << 2;
        QTest::newRow("blank text indents") << "F, " << 2 << "indent" << true << "F,---  " << 2;
        QTest::newRow("separator made default") << "F,~" << 2 << "selected" << true << "F,~*" << 2;
        QTest::newRow("default moves on yes") << "F*,~" << 2 << "selected" << true << "F,~*" << 2;
        QTest::newRow("default stays on no") << "F*,~" << 2 << "selected" << false << "F*,~" << 2;
        QTest::newRow("remove the only row") << "A*" << 1 << "delete" << true << "" << 0;
        QTest::newRow("remove: the next row follows") << "A,B*,C" << 2 << "delete" << true << "A,C" << 2;
        QTest::newRow("remove the last: the new last") << "A,B,C*" << 3 << "delete" << true << "A,B" << 2;
    }
    void commands()
    {
        QFETCH(QString, before);
        QFETCH(int, from);
        QFETCH(QString, keys);
        QFETCH(bool, yes);
        QFETCH(QString, after);
        QFETCH(int, current);
        w->listModel()->setItems(rows(before));
        makeCurrent(*w, from);
        BoxAnswerer answerer(yes ? QMessageBox::Yes : QMessageBox::No);
        for (const QString &key : keys.split(' ')) {
            if (QAction *a = action(*w, key.toLatin1().constData()); a->isEnabled())
                a->trigger();
            settle(*w);
        }
        QCOMPARE(state(*w), after);
        QCOMPARE(answerer.count(), keys == "selected" && before.contains('*') ? 1 : 0);
        QCOMPARE(w->currentPosition(), current);
        QVERIFY(!current || lv()->selectionModel()->isRowSelected(current - 1, {}));
        QVERIFY(!current || w->listModel()->index(current - 1, 0).data(Qt::FontRole).value<QFont>().bold());
        if (keys.startsWith("mov") || keys == "delete")
            QCOMPARE(w->focusWidget(), lv());
    }

    // Keys are compared exactly, and on an empty list no key does anything.
    void listToolbarKeys_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("key");
        for (const char *key : {"movup", "movdn", "indent", "unindent", "selected", "edit", "delete"})
            QTest::addRow("empty list, %s", key) << 0 << key;
        for (const char *key : {"Delete", "MOVDN", ""})
            QTest::addRow("two rows, '%s'", key) << 2 << key;
    }
    void listToolbarKeys()
    {
        QFETCH(int, rows);
        QFETCH(QString, key);
        fill(*w, rows);
        const QString before = state(*w);
        BoxAnswerer answerer(QMessageBox::Yes);
        w->tb2_ButtonClick(key);
        settle(*w);
        QCOMPARE(state(*w), before);
        QCOMPARE(answerer.count(), 0);
    }

    // Only a right click on a row opens the popup, and only after a pass has
    // recomputed its entries for the row that the click made current.
    void clicks_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("onRow");
        QTest::newRow("right click on a row") << Qt::RightButton << true;
        QTest::newRow("left click on a row") << Qt::LeftButton << true;
        QTest::newRow("right click on empty space") << Qt::RightButton << false;
    }
    void clicks()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, onRow);
        fill(*w, 2);
        makeCurrent(*w, 1);
        QVERIFY(!action(*w, "mnuListPopMovUp")->isEnabled());
        const QPoint at = onRow ? lv()->visualRect(w->listModel()->index(1, 0)).center()
                                : QPoint(5, lv()->viewport()->height() - 3);
        QCOMPARE(lv()->indexAt(at).isValid(), onRow);
        QTest::mouseClick(lv()->viewport(), button, {}, at);
        QCOMPARE(w->currentPosition(), onRow ? 2 : 1);
        if (onRow && button == Qt::RightButton) {
            QTRY_VERIFY(popup()->isVisible());
            QVERIFY(action(*w, "mnuListPopMovUp")->isEnabled());
            QVERIFY(!action(*w, "mnuListPopMovDn")->isEnabled());
            action(*w, "mnuListPopMovUp")->trigger();
            settle(*w);
            QCOMPARE(texts(*w), (QStringList{"Item 2", "Item 1"}));
            return;
        }
        settle(*w);
        QTest::qWait(20);
        QVERIFY(!popup()->isVisible());
        QVERIFY(!control<QTimer>(*w, "Timer1")->isActive());
    }

    void moveDownThroughALongListKeepsOrderAndScroll()
    {
        const int n = 1500;
        fill(*w, n);
        makeCurrent(*w, 1);
        QStringList expected = texts(*w);
        expected.move(0, n - 1);
        for (int i = 1; i < n; ++i) {
            QVERIFY(action(*w, "movdn")->isEnabled());
            action(*w, "movdn")->trigger();
            settle(*w);
        }
        QVERIFY(!action(*w, "movdn")->isEnabled());
        QCOMPARE(texts(*w), expected);
        QCOMPARE(w->currentPosition(), n);
        QCOMPARE(lv()->verticalScrollBar()->value(), 0);
    }

    // Clicks that arrive faster than the passes neither lose nor duplicate rows.
    void rapidMixedCommandsKeepTheList()
    {
        fill(*w, 60);
        makeCurrent(*w, 30);
        QStringList before = texts(*w);
        BoxAnswerer answerer(QMessageBox::Yes);
        QRandomGenerator random(1234);
        const QStringList keys{"movup", "movdn", "indent", "unindent", "selected"};
        for (int i = 0; i < 800; ++i) {
            w->tb2_ButtonClick(keys.at(random.bounded(keys.size())));
            if (i % 7 == 0)
                makeCurrent(*w, 1 + random.bounded(60));
        }
        settle(*w);
        QStringList after;
        for (const MenuItem &it : w->listModel()->items()) {
            after << (it.isIndented() ? it.text.mid(4) : it.text);
            QCOMPARE(it.url, QStringLiteral("p%1.html").arg(after.last().mid(5)));
        }
        after.sort();
        before.sort();
        QCOMPARE(after, before);
        QVERIFY(state(*w).count('*') <= 1);
        QVERIFY(w->currentPosition() >= 1);
    }
};

QTEST_MAIN(TestForm1List)
#include "tst_form1_list.moc"
