// Item entry in the main window (Add, Separator, Update, Edit, "Not linked",
// Return and double-click, drops on the text fields, the default-selection
// question) and the options panel beside it.

#include "codegen/OptionsValidation.h"
#include "support/Form1Driver.h"
#include "support/TestFiles.h"

using namespace form1test;

class TestForm1Items : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> w;
    QLineEdit *text() { return control<QLineEdit>(*w, "itemtexttext"); }
    QLineEdit *link() { return control<QLineEdit>(*w, "linktext"); }
    QLineEdit *lineEdit(const char *name) { return control<QLineEdit>(*w, name); }
    QComboBox *combo(const char *name) { return control<QComboBox>(*w, name); }
    // "1"/"0" per control named in the space-separated list; "|" gives a blank.
    QString enabled(const QString &names)
    {
        QString out;
        for (const QString &name : names.split(' '))
            out += name == "|" ? ' ' : control(*w, name.toLatin1().constData())->isEnabled() ? '1' : '0';
        return out;
    }

private slots:
    void init() { QVERIFY(showWindow(w)); }
    void cleanup() { w.reset(); }

    // Add appends a row, Update rewrites row 3 in place: the same encoding, the same
    // default-selection transfer, and the fields are cleared after both. Return runs
    // Update after Edit, else Add. Separator adds a row and leaves the fields and the
    // current row alone (on an empty list it becomes current). Lists in the notation
    // of rows(), fields in that of itemFields(); yes answers the question if one comes.
    void write_data() { testfiles::addTableRows("item-writes.json"); }
    void write()
    {
        QFETCH(QJsonArray, row);
        const QString how = row[1].toString(), before = row[2].toString(), typed = row[3].toString(),
                      after = row[5].toString();
        const bool yes = row[4].toBool();
        const int current = row[6].toInt();
        w->document()->model()->setItems(rows(before));
        makeCurrent(*w, 3);
        if (how == "Return edit")
            action(*w, "edit")->trigger();
        typeItem(*w, typed);
        // Not linked greys the link field and its label but keeps the address.
        QCOMPARE(link()->isEnabled() && control(*w, "linklbl")->isEnabled(), !typed.endsWith('N'));
        QCOMPARE(itemFields(*w), typed);
        BoxAnswerer answerer(yes ? QMessageBox::Yes : QMessageBox::No);
        if (how.contains("Return")) { // in the item text, or on the control named after "on"
            QWidget *on = how.contains(" on ") ? control(*w, how.section(' ', 2).toLatin1()) : text();
            on->setFocus();
            QTest::keyClick(on, Qt::Key_Return,
                            how.startsWith("Ctrl") ? Qt::ControlModifier : Qt::NoModifier);
        } else
            QTest::mouseClick(control(*w, how.toLatin1().constData()), Qt::LeftButton);
        settle(*w);
        const bool separator = how.endsWith("Addsepcmd");
        const bool asks = typed.endsWith('S') && before.contains("B*") && !separator;
        QCOMPARE(answerer.count, asks ? 1 : 0);
        QVERIFY(!asks
                || (answerer.boxes[0].buttons == (QMessageBox::Yes | QMessageBox::No)
                    && answerer.boxes[0].text.startsWith(
                        "You have already designated \"--- B\" as the selected")));
        QCOMPARE(state(*w), after);
        QCOMPARE(w->currentPosition(), current);
        QCOMPARE(itemFields(*w), separator ? typed : QStringLiteral("||"));
        QVERIFY(link()->isEnabled() && control(*w, "linklbl")->isEnabled());
        QCOMPARE(w->focusWidget(), text());
        action(*w, "mnuEditUndo")->trigger(); // one step
        QCOMPARE(state(*w), before);
    }

    // Ctrl+Z takes back the typing in a field first, then the last change to the
    // project, the Add just made included; Ctrl+Shift+Z redoes it.
    void undoKeys()
    {
        fill(*w, 1);
        text()->setFocus();
        QTest::keyClicks(text(), "New");
        link()->setText("n.html");
        QTest::keyClick(text(), Qt::Key_Return);
        settle(*w);
        QTest::keyClicks(text(), "xy");
        for (auto [key, rows] : {std::pair{"Ctrl+Z", 2}, {"Ctrl+Z", 1}, {"Ctrl+Shift+Z", 2}}) {
            QTest::keySequence(text(), QKeySequence(key));
            settle(*w);
            QCOMPARE(text()->text(), "");
            QCOMPARE(w->document()->model()->count(), rows);
        }
    }

    // Tab walks the window in reading order (the Code choice first, where it stands).
    void focusOrder()
    {
        fill(*w, 2);
        typeItem(*w, "t|l|");
        QStringList walk;
        control(*w, "cmbdialect")->setFocus();
        for (QWidget *at = w->focusWidget(); !walk.contains(at->objectName()); at = w->focusWidget()) {
            auto *button = qobject_cast<QToolButton *>(at);
            walk << (button && button->defaultAction() ? button->defaultAction()->objectName()
                                                       : at->objectName());
            QTest::keyClick(at, Qt::Key_Tab);
        }
        QCOMPARE(
            walk.join(' '),
            "cmbdialect itemtexttext additemcmd linktext Addsepcmd chkindent chksel notlinkchk cmdup "
            "txtmnm targetcombo menubehavopt_0 cmbbttnaln cmdSite cmdAdvMnu buttonpropopt_0 buttontxttxt "
            "cmdBttnAdv Command1 lv movdn indent selected edit delete");
    }

    void edit_data()
    {
        QTest::addColumn<MenuItem>("shown");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("expected");
        for (const QJsonArray &r : testfiles::tableRows("item-edits.json")) {
            const QStringList item = r[1].toVariant().toStringList(); // text, linked, url, selected
            QTest::newRow(qPrintable(r[0].toString()))
                << MenuItem{item[0], item[1], item[2], item[3]} << r[2].toString() << r[3].toString();
        }
    }
    void edit()
    {
        QFETCH(MenuItem, shown);
        QFETCH(QString, before);
        QFETCH(QString, expected);
        w->document()->model()->setItems(rows("Other@o") << shown);
        makeCurrent(*w, 2);
        typeItem(*w, before);
        control(*w, "chksel")->setFocus();
        QWidget *vp = control<QTableView>(*w, "lv")->viewport();
        const QPoint at =
            control<QTableView>(*w, "lv")->visualRect(w->document()->model()->index(1, 0)).center();
        QTest::mouseClick(vp, Qt::LeftButton, {}, at);
        QMouseEvent twice(QEvent::MouseButtonDblClick, at, vp->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, {});
        QApplication::sendEvent(vp, &twice);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, at);
        settle(*w);
        QCOMPARE(itemFields(*w), expected);
        if (shown.isSeparator())
            return;
        QCOMPARE(link()->isEnabled(), shown.linked == "Yes");
        QCOMPARE(w->focusWidget(), text());
        QCOMPARE(w->document()->model()->at(2), shown);
        // Update writes into the current row, not into the row that Edit loaded.
        makeCurrent(*w, 1);
        BoxAnswerer answerer(QMessageBox::Yes);
        QTest::mouseClick(control(*w, "cmdup"), Qt::LeftButton);
        QCOMPARE(w->document()->model()->at(1), shown);
    }

    // Only the link field takes dropped text. Elsewhere on the window (the other text
    // fields included) any drag is offered the copy effect, but a drop changes nothing.
    void drops_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("offersText");
        QTest::newRow("text replaces the whole link field") << "linktext" << true;
        QTest::newRow("a file without text is refused") << "linktext" << false;
        QTest::newRow("a file elsewhere") << "Frame1" << false;
        for (const char *field : {"itemtexttext", "txtmnm", "buttontxttxt"})
            QTest::addRow("text on %s", field) << field << true;
    }
    void drops()
    {
        QFETCH(QString, target);
        QFETCH(bool, offersText);
        const bool linkField = target == "linktext";
        fill(*w, 1);
        typeItem(*w, "t|old.html|");
        text()->setFocus();
        const MenuProject before = w->document()->project();
        QMimeData data;
        offersText ? data.setText("http://dropped/") : data.setUrls({QUrl::fromLocalFile("/tmp/a.gif")});
        QWidget *on = control(*w, target.toLatin1().constData());
        const QPoint at(4, on->height() - 4);
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(on, &enter);
        QCOMPARE(enter.isAccepted(), offersText || !linkField);
        QCOMPARE(enter.dropAction(), enter.isAccepted() ? Qt::CopyAction : Qt::IgnoreAction);
        QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(on, &drop);
        QCOMPARE(drop.isAccepted(), offersText && linkField);
        QCOMPARE(link()->text(), offersText && linkField ? "http://dropped/" : "old.html");
        QCOMPARE(itemFields(*w), link()->text().prepend("t|") + '|');
        QCOMPARE(w->focusWidget(), text());
        QCOMPARE(w->document()->project(), before);
    }

    // The options panel: its enabling rules and validation. Enabled states of the frame
    // name, the graphic fields, the text-button fields and the rest of the submit-button
    // group after each choice in turn ("target N" picks a link target). Leaving the
    // frame target empties the frame name.
    void rules_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("expected");
        for (const QJsonArray &r : testfiles::tableRows("options-rules.json"))
            QTest::newRow(qPrintable(r[0].toString())) << r[1].toVariant().toStringList() << r[2].toString();
    }
    void rules()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, expected);
        QCOMPARE(combo("targetcombo")->currentText() + combo("cmbbttnaln")->currentText(),
                 "Same windowMiddle");
        lineEdit("buttontxttxt")->setText("Jump");
        for (const QString &name : clicks) {
            if (name.startsWith("target")) {
                lineEdit("txtfrm")->setText("main");
                combo("targetcombo")->setCurrentIndex(name.back().digitValue());
                continue;
            }
            auto *radio = control<QRadioButton>(*w, name.toLatin1().constData());
            QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
        }
        QCOMPARE(
            enabled(
                "txtfrm lblfrm | buttngrurl buttngrurllbl txtalt lblalt txtw lblw txth lblh | buttontxttxt "
                "buttontxtlbl cmdBttnAdv | Frame3 Command1 cmbbttnaln lblbttnaln buttonpropopt_0 "
                "buttonpropopt_1"),
            expected);
        QCOMPARE(lineEdit("txtfrm")->text().isEmpty(), !lineEdit("txtfrm")->isEnabled());
        QCOMPARE(lineEdit("buttontxttxt")->text(), QStringLiteral("Jump")); // values survive being disabled
        QVERIFY(control(*w, "cmdAdvMnu")->isEnabled());
    }

    void validation_data()
    {
        QTest::addColumn<MenuOptions>("options"); // menu name, link target, button kind, navigation
        QTest::addColumn<int>("problem"); // OptionsProblem: none, frame name, graphic address, menu name
        for (const QJsonArray &r : testfiles::tableRows("options-validation.json")) {
            MenuOptions o;
            std::tie(o.menuName, o.linkTarget, o.buttonKind, o.navigation) =
                std::tuple(r[1].toString(), r[2].toInt(), r[3].toInt(), r[4].toInt());
            QTest::newRow(qPrintable(r[0].toString())) << o << r[5].toInt();
        }
    }
    void validation()
    {
        QFETCH(MenuOptions, options);
        QFETCH(int, problem);
        MenuProject project = w->document()->project();
        project.options = options;
        w->document()->applyProject(project);
        lineEdit("itemtexttext")->setFocus();
        BoxAnswerer answerer(QMessageBox::Ok);
        QCOMPARE(w->ValidateMenuOptions(), problem ? QStringLiteral("nope") : QStringLiteral("ok"));
        QCOMPARE(answerer.count, problem ? 1 : 0);
        if (!problem)
            return;
        QCOMPARE(answerer.boxes[0].title + answerer.boxes[0].text,
                 "Oops!" + OptionsProblemMessage(OptionsProblem(problem)));
        const char *const focus[] = {"", "txtfrm", "buttngrurl", "txtmnm"}; // by OptionsProblem
        QCOMPARE(w->focusWidget(), control(*w, focus[problem]));
    }

    // What classic code cannot carry is only a warning: the tip beside the item
    // fields, the row's tool tip after Add, the menu name's warning instead of its
    // note. HTML5 code escapes everything and warns of nothing.
    // Rows: what is typed (text, link, menu name, dialect), the tip, the menu name's warning.
    void classicWarnings_data() { testfiles::addTableRows("classic-warnings.json"); }
    void classicWarnings()
    {
        QFETCH(QJsonArray, row);
        const QStringList typed = row[1].toVariant().toStringList();
        const QString tip = row[2].toString();
        const bool nameWarning = row[3].toBool();
        w->document()->setDialect(typed[3] == "html5" ? CodeDialect::Html5 : CodeDialect::Classic);
        QTest::keyClicks(text(), typed[0]), QTest::keyClicks(link(), typed[1]),
            QTest::keyClicks(lineEdit("txtmnm"), typed[2]);
        auto *label = control<QLabel>(*w, "lblclassictip");
        QCOMPARE(label->isVisible() ? label->toolTip() : QString(), tip);
        QCOMPARE(control(*w, "lblmnmwarn")->isVisible(), nameWarning);
        QCOMPARE(control(*w, "lblmnmnote")->isVisible(), !nameWarning);
        settle(*w);
        QTest::mouseClick(control(*w, "additemcmd"), Qt::LeftButton);
        settle(*w);
        const QModelIndex added = w->document()->model()->index(w->document()->model()->count() - 1, 0);
        QCOMPARE(added.data(Qt::ToolTipRole).toString(), tip);
        QCOMPARE(label->isVisible() ? label->toolTip() : QString(), tip); // now the current row's
        w->document()->setDialect(CodeDialect::Html5);
        QVERIFY(!label->isVisible() && !added.data(Qt::ToolTipRole).isValid()
                && !control(*w, "lblmnmwarn")->isVisible());
    }
};

QTEST_MAIN(TestForm1Items)
#include "tst_form1_items.moc"
