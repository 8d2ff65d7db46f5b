// The menu item list: its commands (list toolbar, popup menu, keys), the
// availability pass that enables them, and the mouse handling of the popup.

#include "support/Form1Driver.h"
#include "support/TestFiles.h"

using namespace form1test;

class TestForm1List : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> w;
    QTableView *lv() { return control<QTableView>(*w, "lv"); }
    QMenu *popup() { return control<QMenu>(*w, "mnuListPop"); }
    // "1"/"0" for Add, Update, then each list command (toolbar button and popup entry
    // must agree), then after a blank the main toolbar buttons and menu entries that need a row.
    QString states()
    {
        static const char *const pairs[][2] = {{"edit", "mnuListPopEdt"},        {"delete", "mnuListPopRem"},
                                               {"selected", "mnuListPopDefSel"}, {"movup", "mnuListPopMovUp"},
                                               {"movdn", "mnuListPopMovDn"},     {"indent", "mnuListPopInd"},
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
                                 "mnuFileSaveAs", "mnuFileCodeFile", "mnuFileCopy", "mnuPrevBr"})
            out += action(*w, name)->isEnabled() ? '1' : '0';
        return out;
    }

private slots:
    void init() { QVERIFY(showWindow(w)); }
    void cleanup()
    {
        popup()->hide();
        w.reset();
    }

    // Lists in the notation of rows(), typed in that of itemFields().
    void pass_data() { testfiles::addTableRows("list-pass.json"); }
    void pass()
    {
        QFETCH(QJsonArray, row);
        const QString list = row[1].toString(), typed = row[3].toString(), expected = row[4].toString();
        const int current = row[2].toInt();
        w->document()->model()->setItems(rows(list));
        if (current)
            makeCurrent(*w, current);
        typeItem(*w, typed);
        QCOMPARE(states(), expected);
        // Separator and the commands that need no row are never switched off.
        for (const char *always : {"newproj", "loadproj", "help", "wthis", "about", "mnuFileNew",
                                   "mnuFileLoad", "mnuFileExit", "mnuHlpCont", "mnuHlpAb"})
            QVERIFY2(action(*w, always)->isEnabled(), always);
        QVERIFY(control(*w, "Addsepcmd")->isEnabled());
    }

    // The pass runs when one of its inputs changes, and never while the window is idle.
    void everyInputArmsAPass()
    {
        fill(*w, 3);
        makeCurrent(*w, 1);
        action(*w, "movdn")->trigger();
        settle(*w);
        auto *timer = control<QTimer>(*w, "Timer1");
        MenuItemModel *model = w->document()->model();
        const std::pair<const char *, std::function<void()>> inputs[] = {
            {"item text", [&] { control<QLineEdit>(*w, "itemtexttext")->setText("changed"); }},
            {"link", [&] { control<QLineEdit>(*w, "linktext")->setText("changed"); }},
            {"notlinkchk", {}},
            {"chkindent", {}},
            {"chksel", {}}, // toggled by name
            {"row inserted", [&] { model->appendItem(rows("New@n")[0]); }},
            {"row removed", [&] { model->removeItem(4); }},
            {"row rewritten", [&] { model->setText(1, "--- Item 1"); }},
            {"current row", [&] { lv()->setCurrentIndex(model->index(0, 0)); }},
            {"mouse press",
             [&] {
                 QTest::mousePress(lv()->viewport(), Qt::LeftButton, {}, {2, 2});
             }},
            {"undo", [&] { action(*w, "mnuEditUndo")->trigger(); }},
            {"list reset", [&] { model->clear(); }}};
        QSignalSpy idle(timer, &QTimer::timeout);
        QTest::qWait(100);
        QCOMPARE(idle.count(), 0);
        for (const auto &[name, change] : inputs) {
            change ? change() : control<QCheckBox>(*w, name)->toggle();
            QVERIFY2(timer->isActive(), name);
            settle(*w);
        }
    }

    // List commands run the way the user does (toolbar button, or a key while the
    // list has the focus), each only while enabled. Lists in the notation of rows().
    // Rows: the list before, the current row, the keys, the answer to the default-selection
    // question (yes), the list after and the current row then.
    void commands_data() { testfiles::addTableRows("list-commands.json"); }
    void commands()
    {
        QFETCH(QJsonArray, row);
        const QString before = row[1].toString(), keys = row[3].toString(), after = row[5].toString();
        const int from = row[2].toInt(), current = row[6].toInt();
        const bool yes = row[4].toBool();
        w->document()->model()->setItems(rows(before));
        makeCurrent(*w, from);
        lv()->setFocus();
        BoxAnswerer answerer(yes ? QMessageBox::Yes : QMessageBox::No);
        for (const QString &key : keys.split(' ')) {
            if (key.startsWith("drop>")) { // the model's part of dropping the current row into a gap
                MenuItemModel *m = w->document()->model();
                std::unique_ptr<QMimeData> dragged(m->mimeData({m->index(w->currentPosition() - 1, 1)}));
                m->dropMimeData(dragged.get(), Qt::MoveAction, key.mid(5).toInt(), -1, {});
            } else if (key.startsWith("Ctrl") || key == "Del")
                QTest::keySequence(lv(), QKeySequence(key));
            else if (QAction *a = action(*w, key.toLatin1().constData()); a->isEnabled())
                a->trigger();
            settle(*w);
        }
        QCOMPARE(state(*w), after);
        QCOMPARE(answerer.count, keys == "selected" && before.contains('*') ? 1 : 0);
        QCOMPARE(w->currentPosition(), current);
        QVERIFY(!current || lv()->selectionModel()->isRowSelected(current - 1, {}));
        QVERIFY(!current
                || w->document()->model()->index(current - 1, 0).data(Qt::FontRole).value<QFont>().bold());
        if (!keys.contains("indent") && keys != "selected")
            QCOMPARE(w->focusWidget(), lv());
        if (keys.startsWith("drop")) // one step, or none
            QCOMPARE(w->document()->undoStack()->count(), int(after != before));
        while (w->document()->undoStack()->canUndo())
            w->document()->undoStack()->undo();
        QCOMPARE(state(*w), before);
    }

    // Keys are compared exactly, and on an empty list no key does anything.
    void listToolbarKeys()
    {
        BoxAnswerer answerer(QMessageBox::Yes);
        for (const char *key : {"movup", "movdn", "indent", "unindent", "selected", "edit", "delete"})
            w->tb2_ButtonClick(key);
        fill(*w, 2);
        for (const char *key : {"Delete", "MOVDN", ""})
            w->tb2_ButtonClick(key);
        settle(*w);
        QCOMPARE(state(*w), "Item 1@p1.html,Item 2@p2.html");
        QCOMPARE(answerer.count, 0);
    }

    // Only a right click on a row, the Menu key or Shift+F10 opens the popup, and only
    // after a pass has recomputed its entries for the current row. Ctrl+click keeps
    // the current row highlighted.
    void clicks_data()
    {
        QTest::addColumn<QString>("how");
        for (const char *how :
             {"right", "Menu", "Shift+F10", "left", "ctrl", "space"}) // ctrl: on the current row
            QTest::newRow(how) << how;
    }
    void clicks()
    {
        QFETCH(QString, how);
        const bool opens = how == "right" || how == "Menu" || how == "Shift+F10";
        fill(*w, 2);
        makeCurrent(*w, how == "ctrl" ? 2 : 1);
        QCOMPARE(action(*w, "mnuListPopMovUp")->isEnabled(), how == "ctrl");
        const QPoint at = how != "space" ? lv()->visualRect(w->document()->model()->index(1, 0)).center()
                                         : QPoint(5, lv()->viewport()->height() - 3);
        lv()->setFocus();
        if (how == "Menu" || how == "Shift+F10") {
            makeCurrent(*w, 2);
            QTest::keySequence(lv(), QKeySequence(how));
        } else {
            QTest::mouseClick(lv()->viewport(),
                              how == "right" || how == "space" ? Qt::RightButton : Qt::LeftButton,
                              how == "ctrl" ? Qt::ControlModifier : Qt::KeyboardModifiers(), at);
        }
        settle(*w);
        QCOMPARE(w->currentPosition(), how == "space" ? 1 : 2);
        QVERIFY(lv()->selectionModel()->isRowSelected(w->currentPosition() - 1, {}));
        if (opens) {
            QTRY_VERIFY(popup()->isVisible());
            QVERIFY(action(*w, "mnuListPopMovUp")->isEnabled()
                    && !action(*w, "mnuListPopMovDn")->isEnabled());
            action(*w, "mnuListPopMovUp")->trigger();
            settle(*w);
            QCOMPARE(state(*w), "Item 2@p2.html,Item 1@p1.html");
            return;
        }
        QTest::qWait(20);
        QVERIFY(!popup()->isVisible());
        QVERIFY(!control<QTimer>(*w, "Timer1")->isActive());
    }

    // While the list has the focus, its current row carries a focus mark at its whole
    // width, over the selection's colour.
    void focusMark()
    {
        fill(*w, 3);
        makeCurrent(*w, 2);
        for (bool focused : {true, false}) {
            focused ? lv()->setFocus() : control(*w, "itemtexttext")->setFocus();
            const QImage image = lv()->viewport()->grab().toImage();
            const int x = image.width() - 1,
                      y = lv()->visualRect(w->document()->model()->index(1, 0)).center().y();
            QCOMPARE(image.pixel(x, y) != image.pixel(x - 6, y)
                         || image.pixel(x - 1, y) != image.pixel(x - 6, y),
                     focused);
        }
    }

    // Moving a row through a long list keeps the order and does not scroll; neither
    // do adding and removing a row out of sight. The columns fill the width, the flags in sight.
    void longListKeepsOrderAndScroll()
    {
        const int n = 1500;
        fill(*w, n);
        makeCurrent(*w, 1);
        QStringList expected = state(*w).split(',');
        expected.move(0, n - 1);
        for (int i = 1; i < n; ++i) {
            QVERIFY(action(*w, "movdn")->isEnabled());
            action(*w, "movdn")->trigger();
            settle(*w);
        }
        QVERIFY(!action(*w, "movdn")->isEnabled());
        QCOMPARE(state(*w), expected.join(','));
        QCOMPARE(w->currentPosition(), n);
        QScrollBar *bar = lv()->verticalScrollBar();
        QCOMPARE(bar->value(), 0);
        makeCurrent(*w, 1);
        typeItem(*w, "x|y|");
        QTest::mouseClick(control(*w, "additemcmd"), Qt::LeftButton);
        QCOMPARE(w->currentPosition(), n + 1);
        QCOMPARE(bar->value(), 0);
        makeCurrent(*w, 3);
        bar->setValue(bar->maximum());
        const int scrolled = bar->value();
        action(*w, "delete")->trigger();
        settle(*w);
        QVERIFY2(bar->value() >= scrolled - 1, qPrintable(QString::number(bar->value())));
        QHeaderView *header = lv()->horizontalHeader();
        QCOMPARE(header->length(), lv()->viewport()->width());
        QVERIFY(header->sectionSize(3) >= header->sectionSizeHint(3));
        // The flag columns hold their captions whole, with the header's margins.
        for (int column : {2, 3}) {
            const QString caption = lv()->model()->headerData(column, Qt::Horizontal).toString();
            QVERIFY2(header->sectionSize(column)
                         >= header->fontMetrics().horizontalAdvance(caption)
                                + 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin),
                     qPrintable(caption));
        }
    }
};

QTEST_MAIN(TestForm1List)
#include "tst_form1_list.moc"
