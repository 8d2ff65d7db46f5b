// Item entry in the main window: Add, Separator, Update, Edit, "Not linked",
// drops on the link field and the default-selection question.

#include "support/Form1Driver.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace form1test;

class TestForm1Items : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> w;
    QLineEdit *text() { return control<QLineEdit>(*w, "itemtexttext"); }
    QLineEdit *link() { return control<QLineEdit>(*w, "linktext"); }
    QCheckBox *indent() { return control<QCheckBox>(*w, "chkindent"); }
    QCheckBox *sel() { return control<QCheckBox>(*w, "chksel"); }
    QCheckBox *notLinked() { return control<QCheckBox>(*w, "notlinkchk"); }

    void type(const QString &t, const QString &l, bool ind = false, bool nl = false,
              bool s = false)
    {
        text()->setText(t);
        link()->setText(l);
        indent()->setChecked(ind);
        notLinked()->setChecked(nl);
        sel()->setChecked(s);
        settle(*w);
    }
    void click(const char *button)
    {
        settle(*w);
        auto *b = control<QPushButton>(*w, button);
        QVERIFY2(b->isEnabled(), button);
        QTest::mouseClick(b, Qt::LeftButton);
        settle(*w);
    }

private slots:
    void init()
    {
        QVERIFY(showWindow(w));
    }
    void cleanup() { w.reset(); }

    void add_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("indented");
        QTest::addColumn<bool>("unlinked");
        QTest::addColumn<MenuItem>("expected");
        QTest::newRow("plain") << "Home" << "index.html" << false << false
                               << MenuItem{"Home", "Yes", "index.html", "No"};
        QTest::newRow("indented gets the prefix")
            << "Sub" << "s.html" << true << false << MenuItem{"--- Sub", "Yes", "s.html", "No"};
        QTest::newRow("not linked drops the address")
            << "Label" << "x.html" << false << true << MenuItem{"Label", "No", "", "No"};
        QTest::newRow("blanks stored as typed")
            << "  A  " << " " << false << false << MenuItem{"  A  ", "Yes", " ", "No"};
        QTest::newRow("typed prefix kept") << "--- X" << "x" << false << false
                                           << MenuItem{"--- X", "Yes", "x", "No"};
        QTest::newRow("markup not escaped") << "<b>&amp;\"" << "a?b=1&c=\"2\"" << false << false
                                            << MenuItem{"<b>&amp;\"", "Yes", "a?b=1&c=\"2\"", "No"};
    }
    void add()
    {
        QFETCH(QString, typed);
        QFETCH(QString, url);
        QFETCH(bool, indented);
        QFETCH(bool, unlinked);
        QFETCH(MenuItem, expected);
        fill(*w, 2);
        makeCurrent(*w, 1);
        type(typed, url, indented, unlinked);
        click("additemcmd");
        QCOMPARE(w->listModel()->count(), 3);
        QCOMPARE(w->listModel()->at(3), expected);
        QCOMPARE(w->currentPosition(), 3);
        // The fields are a scratch form: all cleared, the link field usable again.
        QCOMPARE(text()->text(), QString());
        QCOMPARE(link()->text(), QString());
        QVERIFY(!indent()->isChecked());
        QVERIFY(!notLinked()->isChecked());
        QVERIFY(!sel()->isChecked());
        QVERIFY(link()->isEnabled());
        QCOMPARE(w->focusWidget(), text());
    }

    void defaultSelection_data()
    {
        QTest::addColumn<int>("existingDefault"); // 0: none
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("expectedColumn"); // Selected? of rows 1..4
        QTest::addColumn<int>("questions");
        QTest::newRow("no default: no question") << 0 << QMessageBox::Yes << "NNNY" << 0;
        QTest::newRow("default row 2, yes") << 2 << QMessageBox::Yes << "NNNY" << 1;
        QTest::newRow("default row 2, no") << 2 << QMessageBox::No << "NYNN" << 1;
    }
    void defaultSelection()
    {
        QFETCH(int, existingDefault);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, expectedColumn);
        QFETCH(int, questions);
        w->listModel()->setItems({item("One"), item("--- Two"), item("Three")});
        if (existingDefault)
            w->listModel()->setSelected(existingDefault, "Yes");
        type("Four", "4.html", false, false, true);
        BoxAnswerer answerer(answer);
        click("additemcmd");
        QCOMPARE(answerer.count(), questions);
        QString column;
        for (const MenuItem &it : w->listModel()->items())
            column += it.selected == "Yes" ? 'Y' : 'N';
        QCOMPARE(column, expectedColumn);
        QVERIFY(!sel()->isChecked());
        QCOMPARE(w->currentPosition(), 4);
        if (questions) {
            const auto &box = answerer.boxes.first();
            QCOMPARE(box.title, QStringLiteral("Selected Item"));
            QCOMPARE(box.text, QStringLiteral("You have already designated \"--- Two\" as the "
                                              "selected item in the menu. Do you wish to change "
                                              "it to this one?"));
            QCOMPARE(box.icon, QMessageBox::Question);
            QCOMPARE(box.defaultButton, QMessageBox::Yes);
            QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
        }
    }

    void update_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("defaultRow");
        QTest::addColumn<bool>("selectedTicked");
        QTest::addColumn<QString>("expectedDefaults");
        QTest::addColumn<int>("questions");
        QTest::newRow("row 3 of 5, no default") << 3 << 0 << false << "NNNNN" << 0;
        QTest::newRow("default rewritten, Selected kept: no question")
            << 3 << 3 << true << "NNYNN" << 0;
        QTest::newRow("default rewritten, Selected cleared: no default")
            << 3 << 3 << false << "NNNNN" << 0;
        QTest::newRow("other default, Selected ticked, asks") << 3 << 5 << true << "NNYNN" << 1;
    }
    void update()
    {
        QFETCH(int, current);
        QFETCH(int, defaultRow);
        QFETCH(bool, selectedTicked);
        QFETCH(QString, expectedDefaults);
        QFETCH(int, questions);
        fill(*w, 5);
        if (defaultRow)
            w->listModel()->setSelected(defaultRow, "Yes");
        makeCurrent(*w, current);
        type("New", "", true, true, selectedTicked);
        BoxAnswerer answerer(QMessageBox::Yes);
        click("cmdup");
        QCOMPARE(answerer.count(), questions);
        QCOMPARE(w->listModel()->count(), 5);
        QCOMPARE(w->listModel()->at(current), (MenuItem{"--- New", "No", "", expectedDefaults.at(current - 1) == 'Y' ? "Yes" : "No"}));
        QStringList expectedTexts{"Item 1", "Item 2", "Item 3", "Item 4", "Item 5"};
        expectedTexts[current - 1] = "--- New";
        QCOMPARE(texts(*w), expectedTexts);
        QString column;
        for (const MenuItem &it : w->listModel()->items())
            column += it.selected == "Yes" ? 'Y' : 'N';
        QCOMPARE(column, expectedDefaults);
        QCOMPARE(w->currentPosition(), current);
        QCOMPARE(text()->text(), QString());
        QVERIFY(!indent()->isChecked());
        QVERIFY(!notLinked()->isChecked());
        QVERIFY(!sel()->isChecked());
    }

    void updateWritesTheCurrentRowNotTheEditedOne()
    {
        fill(*w, 4);
        makeCurrent(*w, 1);
        w->mnuListPopEdt_Click();
        makeCurrent(*w, 4);
        click("cmdup");
        QCOMPARE(texts(*w), (QStringList{"Item 1", "Item 2", "Item 3", "Item 1"}));
        QCOMPARE(w->listModel()->at(4).url, QStringLiteral("p1.html"));
    }

    void edit_data()
    {
        QTest::addColumn<MenuItem>("row");
        QTest::addColumn<bool>("indentBefore");
        QTest::addColumn<QString>("expectedText");
        QTest::addColumn<bool>("expectedIndent");
        QTest::addColumn<bool>("expectedUnlinked");
        QTest::addColumn<bool>("expectedSelected");
        QTest::newRow("indented row") << MenuItem{"--- Sub", "Yes", "s.html", "No"} << false
                                      << "Sub" << true << false << false;
        QTest::newRow("plain row clears Indented") << MenuItem{"Top", "Yes", "t.html", "No"}
                                                   << true << "Top" << false << false << false;
        QTest::newRow("unlinked default row") << MenuItem{"Label", "No", "", "Yes"} << false
                                              << "Label" << false << true << true;
        QTest::newRow("short dashes are not a prefix") << MenuItem{"---", "Yes", "d", "No"}
                                                       << true << "---" << false << false << false;
    }
    void edit()
    {
        QFETCH(MenuItem, row);
        QFETCH(bool, indentBefore);
        QFETCH(QString, expectedText);
        QFETCH(bool, expectedIndent);
        QFETCH(bool, expectedUnlinked);
        QFETCH(bool, expectedSelected);
        w->listModel()->setItems({item("Other"), row});
        makeCurrent(*w, 2);
        indent()->setChecked(indentBefore);
        settle(*w);
        sel()->setFocus(); // the focus starts elsewhere
        action(*w, "edit")->trigger();
        QCOMPARE(text()->text(), expectedText);
        QCOMPARE(indent()->isChecked(), expectedIndent);
        QCOMPARE(link()->text(), row.url);
        QCOMPARE(notLinked()->isChecked(), expectedUnlinked);
        QCOMPARE(link()->isEnabled(), !expectedUnlinked);
        QCOMPARE(sel()->isChecked(), expectedSelected);
        QCOMPARE(w->focusWidget(), text());
        // Editing changes nothing in the list.
        QCOMPARE(w->listModel()->at(2), row);
    }

    void separatorLeavesFieldsAndCurrentRow()
    {
        fill(*w, 3);
        makeCurrent(*w, 1);
        type("Typed", "t.html", true, false, true);
        click("Addsepcmd");
        QCOMPARE(w->listModel()->count(), 4);
        QCOMPARE(w->listModel()->at(4), MenuItem::separator());
        QCOMPARE(w->currentPosition(), 1);
        QCOMPARE(text()->text(), QStringLiteral("Typed"));
        QCOMPARE(link()->text(), QStringLiteral("t.html"));
        QVERIFY(indent()->isChecked());
        QVERIFY(sel()->isChecked());
    }

    void separatorOnEmptyListGivesACurrentRow()
    {
        click("Addsepcmd");
        QCOMPARE(w->listModel()->count(), 1);
        QCOMPARE(w->currentPosition(), 1);
        QVERIFY(action(*w, "delete")->isEnabled());
    }

    void notLinkedSwitchesTheLinkField()
    {
        type("A", "keep.html");
        notLinked()->click();
        settle(*w);
        QVERIFY(!link()->isEnabled());
        QVERIFY(!control<QLabel>(*w, "linklbl")->isEnabled());
        QCOMPARE(link()->text(), QStringLiteral("keep.html"));
        click("additemcmd");
        QVERIFY(link()->isEnabled());
        QVERIFY(control<QLabel>(*w, "linklbl")->isEnabled());
    }

    void dropOnLinkField_data()
    {
        QTest::addColumn<bool>("offersText");
        QTest::addColumn<QString>("expected");
        QTest::newRow("text replaces the whole field") << true << "http://dropped/";
        QTest::newRow("a file without text is refused") << false << "old.html";
    }
    void dropOnLinkField()
    {
        QFETCH(bool, offersText);
        QFETCH(QString, expected);
        link()->setText("old.html");
        text()->setFocus();
        QMimeData data;
        if (offersText)
            data.setText("http://dropped/");
        else
            data.setUrls({QUrl::fromLocalFile("/tmp/picture.gif")});
        const QPoint at = link()->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(link(), &enter);
        QCOMPARE(enter.isAccepted(), offersText);
        QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(link(), &drop);
        QCOMPARE(drop.isAccepted(), offersText);
        if (offersText)
            QCOMPARE(drop.dropAction(), Qt::CopyAction);
        QCOMPARE(link()->text(), expected);
        QCOMPARE(w->focusWidget(), text());
    }

    void addDoesNotScrollTheList()
    {
        fill(*w, 500);
        makeCurrent(*w, 1);
        auto *lv = control<QTreeView>(*w, "lv");
        lv->verticalScrollBar()->setValue(0);
        type("Last", "l.html");
        click("additemcmd");
        QCOMPARE(w->currentPosition(), 501);
        QCOMPARE(lv->verticalScrollBar()->value(), 0);
    }

    void hugeTextIsCutByTheField()
    {
        type(QString(200000, QLatin1Char('x')), QString(100000, QLatin1Char('y')));
        click("additemcmd");
        const MenuItem &row = w->listModel()->at(1);
        QCOMPARE(row.text.size(), text()->maxLength());
        QCOMPARE(row.url.size(), link()->maxLength());
    }
};

QTEST_MAIN(TestForm1Items)
#include "tst_form1_items.moc"
