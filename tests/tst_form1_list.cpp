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

    // Clicks a list toolbar button the way the user does: only when enabled.
    bool press(const QString &key)
    {
        settle(*w);
        QAction *a = action(*w, key.toLatin1().constData());
        if (!a->isEnabled())
            return false;
        a->trigger();
        settle(*w);
        return true;
    }
    QPoint rowCenter(int position)
    {
        return lv()->visualRect(w->listModel()->index(position - 1, 0)).center();
    }

private slots:
    void init()
    {
        QVERIFY(showWindow(w));
    }
    void cleanup()
    {
        popup()->hide();
        w.reset();
    }

    void moves_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("current");
        QTest::newRow("up on row 2 of 2") << 2 << 2 << "movup"
                                          << QStringList{"Item 2", "Item 1"} << 1;
        QTest::newRow("down on next-to-last") << 3 << 2 << "movdn"
                                              << QStringList{"Item 1", "Item 3", "Item 2"} << 3;
        QTest::newRow("down on first") << 3 << 1 << "movdn"
                                       << QStringList{"Item 2", "Item 1", "Item 3"} << 2;
        QTest::newRow("up on last") << 3 << 3 << "movup"
                                    << QStringList{"Item 1", "Item 3", "Item 2"} << 2;
    }
    void moves()
    {
        QFETCH(int, rows);
        QFETCH(int, start);
        QFETCH(QString, key);
        QFETCH(QStringList, expected);
        QFETCH(int, current);
        fill(*w, rows);
        makeCurrent(*w, start);
        QVERIFY(press(key));
        QCOMPARE(texts(*w), expected);
        QCOMPARE(w->currentPosition(), current);
        QVERIFY(lv()->selectionModel()->isRowSelected(current - 1, {}));
        QCOMPARE(lv()->model()->data(lv()->model()->index(current - 1, 0), Qt::FontRole)
                     .value<QFont>()
                     .bold(),
                 true);
        QCOMPARE(w->focusWidget(), lv());
    }

    void movesCarryAllColumns_data()
    {
        QTest::addColumn<MenuItem>("moved");
        QTest::addColumn<QString>("key");
        QTest::newRow("default selection down") << MenuItem{"Home", "Yes", "h.html", "Yes"}
                                                << "movdn";
        QTest::newRow("separator up") << MenuItem::separator() << "movup";
        QTest::newRow("odd separator columns up")
            << MenuItem{menutext::kSeparatorText, "Yes", "x.html", "Yes"} << "movup";
    }
    void movesCarryAllColumns()
    {
        QFETCH(MenuItem, moved);
        QFETCH(QString, key);
        const MenuItem other{"Other", "No", "", "No"};
        w->listModel()->setItems(key == "movdn" ? QList<MenuItem>{moved, other}
                                                : QList<MenuItem>{other, moved});
        makeCurrent(*w, key == "movdn" ? 1 : 2);
        QVERIFY(press(key));
        const int now = key == "movdn" ? 2 : 1;
        QCOMPARE(w->listModel()->at(now), moved);
        QCOMPARE(w->listModel()->at(3 - now), other);
        QCOMPARE(w->currentPosition(), now);
    }

    void indentation_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("indent") << "Home" << QStringList{"indent"} << "--- Home";
        QTest::newRow("indent then un-indent") << "Home" << QStringList{"indent", "unindent"}
                                               << "Home";
        QTest::newRow("typed prefix un-indents") << "--- X" << QStringList{"unindent"} << "X";
        QTest::newRow("prefix only") << "--- " << QStringList{"unindent"} << "";
        QTest::newRow("indent twice stays one level") << "A" << QStringList{"indent", "indent"}
                                                      << "--- A";
        QTest::newRow("separator never indents") << menutext::kSeparatorText
                                                 << QStringList{"indent"}
                                                 << menutext::kSeparatorText;
        QTest::newRow("blank text indents") << " " << QStringList{"indent"} << "---  ";
    }
    void indentation()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, keys);
        QFETCH(QString, expected);
        w->listModel()->setItems({item("First"), item(text)});
        makeCurrent(*w, 2);
        for (const QString &key : keys)
            press(key);
        QCOMPARE(w->listModel()->at(2).text, expected);
        QCOMPARE(w->listModel()->at(1).text, QStringLiteral("First"));
        QCOMPARE(w->currentPosition(), 2);
    }

    void makeDefault_data()
    {
        QTest::addColumn<int>("existingDefault");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("questions");
        QTest::newRow("separator without other default: no question")
            << 0 << QMessageBox::Yes << "NNY" << 0;
        QTest::newRow("moves on yes") << 1 << QMessageBox::Yes << "NNY" << 1;
        QTest::newRow("stays on no") << 1 << QMessageBox::No << "YNN" << 1;
    }
    void makeDefault()
    {
        QFETCH(int, existingDefault);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, expected);
        QFETCH(int, questions);
        w->listModel()->setItems({item("A"), item("B"), MenuItem::separator()});
        if (existingDefault)
            w->listModel()->setSelected(existingDefault, "Yes");
        makeCurrent(*w, 3);
        BoxAnswerer answerer(answer);
        QVERIFY(press("selected"));
        QCOMPARE(answerer.count(), questions);
        QString column;
        for (const MenuItem &it : w->listModel()->items())
            column += it.selected == "Yes" ? 'Y' : 'N';
        QCOMPARE(column, expected);
    }

    void remove_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("start");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("current");
        QTest::newRow("only row") << 1 << 1 << QStringList{} << 0;
        QTest::newRow("middle row: the next one takes its place")
            << 3 << 2 << QStringList{"Item 1", "Item 3"} << 2;
        QTest::newRow("last row: the new last one") << 3 << 3 << QStringList{"Item 1", "Item 2"}
                                                    << 2;
    }
    void remove()
    {
        QFETCH(int, rows);
        QFETCH(int, start);
        QFETCH(QStringList, expected);
        QFETCH(int, current);
        fill(*w, rows);
        w->listModel()->setSelected(start, "Yes");
        makeCurrent(*w, start);
        BoxAnswerer answerer(QMessageBox::Yes);
        QVERIFY(press("delete"));
        QCOMPARE(answerer.count(), 0);
        QCOMPARE(texts(*w), expected);
        QCOMPARE(w->currentPosition(), current);
        QCOMPARE(w->listModel()->findDefault(), 0);
        if (current)
            QVERIFY(lv()->selectionModel()->isRowSelected(current - 1, {}));
        // The next pass disables what needs a row.
        for (const char *key : {"delete", "edit", "movup", "movdn", "indent", "unindent", "selected"})
            QCOMPARE(action(*w, key)->isEnabled(), rows > 1 && strcmp(key, "unindent") != 0
                                                       && strcmp(key, "movdn") != 0);
    }

    void listToolbarOnEmptyListDoesNothing_data()
    {
        QTest::addColumn<QString>("key");
        for (const char *key :
             {"movup", "movdn", "indent", "unindent", "selected", "edit", "delete", "Delete", ""})
            QTest::newRow(*key ? key : "empty key") << QString::fromLatin1(key);
    }
    void listToolbarOnEmptyListDoesNothing()
    {
        QFETCH(QString, key);
        BoxAnswerer answerer(QMessageBox::Yes);
        w->tb2_ButtonClick(key);
        settle(*w);
        QCOMPARE(w->listModel()->count(), 0);
        QCOMPARE(answerer.count(), 0);
    }

    void listToolbarKeysAreExact()
    {
        fill(*w, 2);
        makeCurrent(*w, 1);
        w->tb2_ButtonClick("Delete");
        w->tb2_ButtonClick("MOVDN");
        settle(*w);
        QCOMPARE(texts(*w), (QStringList{"Item 1", "Item 2"}));
        w->tb2_ButtonClick("movdn");
        QCOMPARE(texts(*w), (QStringList{"Item 2", "Item 1"}));
    }

    void rightClickOpensPopupAfterAPass()
    {
        fill(*w, 2);
        makeCurrent(*w, 1);
        // Row 1 is current: Move Up is disabled until a pass has seen row 2.
        QVERIFY(!action(*w, "mnuListPopMovUp")->isEnabled());
        QTest::mousePress(lv()->viewport(), Qt::RightButton, {}, rowCenter(2));
        QTest::mouseRelease(lv()->viewport(), Qt::RightButton, {}, rowCenter(2));
        QTRY_VERIFY(popup()->isVisible());
        QCOMPARE(w->currentPosition(), 2);
        QVERIFY(action(*w, "mnuListPopMovUp")->isEnabled());
        QVERIFY(!action(*w, "mnuListPopMovDn")->isEnabled());
        QVERIFY(action(*w, "mnuListPopRem")->isEnabled());
        // The chosen entry runs its command.
        action(*w, "mnuListPopMovUp")->trigger();
        popup()->hide();
        settle(*w);
        QCOMPARE(texts(*w), (QStringList{"Item 2", "Item 1"}));
        QCOMPARE(w->currentPosition(), 1);
    }

    void clicksThatOpenNothing_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("onRow");
        QTest::newRow("left click on a row") << Qt::LeftButton << true;
        QTest::newRow("right click on empty space") << Qt::RightButton << false;
    }
    void clicksThatOpenNothing()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, onRow);
        fill(*w, 2);
        makeCurrent(*w, 1);
        const QPoint at = onRow ? rowCenter(2) : QPoint(5, lv()->viewport()->height() - 3);
        QVERIFY(!lv()->indexAt(at).isValid() || onRow);
        QTest::mouseClick(lv()->viewport(), button, {}, at);
        settle(*w);
        QTest::qWait(20);
        QVERIFY(!popup()->isVisible());
        QCOMPARE(w->currentPosition(), onRow ? 2 : 1);
        QVERIFY(!control<QTimer>(*w, "Timer1")->isActive());
    }

    void moveDownThroughALongListKeepsOrderAndScroll()
    {
        const int n = 1500;
        fill(*w, n);
        makeCurrent(*w, 1);
        lv()->verticalScrollBar()->setValue(0);
        for (int i = 1; i < n; ++i)
            QVERIFY(press("movdn"));
        QVERIFY(!action(*w, "movdn")->isEnabled());
        QCOMPARE(w->currentPosition(), n);
        QCOMPARE(w->listModel()->at(n).text, QStringLiteral("Item 1"));
        for (int i = 1; i < n; ++i)
            QCOMPARE(w->listModel()->at(i).text, QStringLiteral("Item %1").arg(i + 1));
        QCOMPARE(lv()->verticalScrollBar()->value(), 0);
    }

    void rapidMixedCommandsKeepTheList()
    {
        fill(*w, 60);
        makeCurrent(*w, 30);
        QMultiMap<QString, QString> before;
        for (const MenuItem &it : w->listModel()->items())
            before.insert(it.url, it.text);
        BoxAnswerer answerer(QMessageBox::Yes);
        QRandomGenerator random(1234);
        const QStringList keys{"movup", "movdn", "indent", "unindent", "selected"};
        for (int i = 0; i < 800; ++i) {
            // Clicks arrive faster than the passes: no settling between them.
            w->tb2_ButtonClick(keys.at(random.bounded(keys.size())));
            if (i % 7 == 0)
                makeCurrent(*w, 1 + random.bounded(60));
        }
        settle(*w);
        QCOMPARE(w->listModel()->count(), 60);
        int defaults = 0;
        QMultiMap<QString, QString> after;
        for (const MenuItem &it : w->listModel()->items()) {
            QString text = it.text;
            if (text.startsWith(menutext::kIndentPrefix))
                text = text.mid(4);
            QVERIFY2(!text.startsWith(menutext::kIndentPrefix), qPrintable(it.text));
            after.insert(it.url, text);
            defaults += it.isDefault();
        }
        QCOMPARE(after, before);
        QVERIFY(defaults <= 1);
        QVERIFY(w->currentPosition() >= 1);
    }
};

QTEST_MAIN(TestForm1List)
#include "tst_form1_list.moc"
