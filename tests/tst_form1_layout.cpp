// The main window's regions, the resize rule, the minimum size, and the
// entries of its menus and toolbars.

#include "support/Form1Driver.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

using namespace form1test;

class TestForm1Layout : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> w;
    QWidget *client() { return w->centralWidget(); }
    int px(int twips) { return qRound(twips * w->logicalDpiX() / 1440.0); }
    int py(int twips) { return qRound(twips * w->logicalDpiY() / 1440.0); }
    QRect twips(int l, int t, int wd, int h) { return {px(l), py(t), px(wd), py(h)}; }
    QRect inClient(const char *name)
    {
        QWidget *c = control(*w, name);
        return QRect(c->mapTo(client(), QPoint(0, 0)), c->size());
    }

private slots:
    void init() { QVERIFY(showWindow(w)); }
    void cleanup() { w.reset(); }

    void designRegions()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Quillnav"));
        QCOMPARE(client()->size(), twips(0, 0, 8820, 6255).size());
        QCOMPARE(inClient("Toolbar1"), twips(30, 0, 8730, 570));
        QCOMPARE(inClient("Frame1"), twips(60, 600, 5055, 1335));
        QCOMPARE(inClient("Frame4"), twips(60, 1980, 5055, 1785));
        QCOMPARE(inClient("Frame3"), twips(60, 3810, 5055, 2115));
        QCOMPARE(inClient("Frame2"), twips(5160, 600, 3585, 5325));
        QCOMPARE(inClient("StatusBar1"), twips(0, 6000, 8820, 255));
        // The resize rule has run once: the list is 200 twips narrower and 850
        // shorter than its frame, and the list toolbar sits 100 below it.
        QWidget *frame2 = control(*w, "Frame2"), *lv = control(*w, "lv"), *tb2 = control(*w, "tb2");
        QCOMPARE(lv->pos(), QPoint(px(90), py(180)));
        QCOMPARE(lv->size(), frame2->size() - QSize(px(200), tb2->height() + py(400)));
        QCOMPARE(tb2->geometry(), QRect(px(120), lv->geometry().bottom() + 1 + py(100), px(3405), py(450)));
    }

    // The list frame and the list follow the window, the list toolbar follows the
    // list, and nothing else moves; minimizing and restoring changes nothing.
    void resizeRule_data()
    {
        QTest::addColumn<QSize>("delta");
        QTest::newRow("wider") << QSize(100, 0);
        QTest::newRow("taller") << QSize(0, 100);
        QTest::newRow("much larger") << QSize(700, 500);
    }
    void resizeRule()
    {
        QFETCH(QSize, delta);
        const char *const names[] = {"Toolbar1", "Frame1", "Frame4", "Frame3", "Frame2", "lv", "tb2"};
        QList<QRect> expected;
        for (const char *name : names)
            expected << inClient(name);
        expected[4].adjust(0, 0, delta.width(), delta.height());
        expected[5].adjust(0, 0, delta.width(), delta.height());
        expected[6].translate(0, delta.height());
        const QSize target = client()->size() + delta;
        w->resize(w->size() + delta);
        QTRY_COMPARE(client()->size(), target);
        w->showMinimized();
        QTest::qWait(20);
        w->showNormal();
        QTRY_COMPARE(inClient("lv"), expected[5]);
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(inClient(names[i]), expected.at(i));
        const QRect status = inClient("StatusBar1");
        QVERIFY(status.bottom() == client()->height() - 1 && status.width() == client()->width());
    }

    void cannotBeMadeSmallerThanAtStartUp()
    {
        const QSize start = w->size();
        QCOMPARE(w->minimumSize(), start);
        w->resize(start - QSize(200, 150));
        QCoreApplication::processEvents();
        QVERIFY(w->width() >= start.width() && w->height() >= start.height());
    }

    void noCaptionIsClipped()
    {
        QStringList clipped;
        const auto check = [&](QWidget *c, const QString &text, int need, int room) {
            if (c->isVisibleTo(w.get()) && !text.isEmpty() && need > room)
                clipped << QStringLiteral("%1 needs %2 px, has %3").arg(c->objectName()).arg(need).arg(room);
        };
        for (QLabel *label : w->findChildren<QLabel *>())
            check(label, label->text(), label->fontMetrics().horizontalAdvance(label->text()),
                  label->contentsRect().width());
        for (QAbstractButton *button : w->findChildren<QAbstractButton *>()) {
            // Check boxes and option buttons need their indicator beside the text.
            if (qobject_cast<QPushButton *>(button)) {
                check(button, button->text(), button->fontMetrics().horizontalAdvance(button->text()),
                      button->width() - 6);
            } else {
                check(button, button->text(), button->sizeHint().width(), button->width());
                check(button, button->text(), button->sizeHint().height(), button->height() + 1);
            }
        }
        for (QGroupBox *box : w->findChildren<QGroupBox *>())
            check(box, box->title(), box->fontMetrics().horizontalAdvance(box->title()) + 8, box->width());
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join("; ")));
    }

    // Every menu and toolbar: its entries in order, "-" for a separator, each name
    // used once in the window. Menu entries carry a caption; toolbar buttons only
    // an image and a tooltip.
    void commandBars_data()
    {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QString>("entries");
        QTest::newRow("menu bar") << "" << "mnuFile mnuEdit mnuPreview mnuHelp";
        QTest::newRow("mnuFile") << "mnuFile"
                                 << "mnuFileNew mnuFileLoad mnuFileSaveProj mnuFileSaveAs - mnuFileCopy mnuFileCodeFile - "
                                    "mnuFileExit -(hidden) recentfile_0(hidden) recentfile_1(hidden) "
                                    "recentfile_2(hidden) recentfile_3(hidden) recentfile_4(hidden)";
        QTest::newRow("mnuEdit") << "mnuEdit" << "mnuEditUndo mnuEditRedo";
        QTest::newRow("mnuPreview") << "mnuPreview" << "mnuPrevBr";
        QTest::newRow("mnuHelp") << "mnuHelp" << "mnuHlpCont mnuHelpTut mnuHelpCtx - mnuHlpAb";
        QTest::newRow("mnuListPop") << "mnuListPop" << "mnuListPopMovUp mnuListPopMovDn mnuListPopInd "
                                                       "mnuListPopUnind mnuListPopDefSel mnuListPopEdt "
                                                       "mnuListPopRem";
        QTest::newRow("Toolbar1") << "Toolbar1" << "newproj loadproj saveproj - savecodeclip savecodefile - "
                                                   "preview - help wthis about";
        QTest::newRow("tb2") << "tb2" << "movup movdn indent unindent selected edit delete";
    }
    void commandBars()
    {
        QFETCH(QString, bar);
        QFETCH(QString, entries);
        QWidget *widget = bar.isEmpty() ? w->menuBar() : control(*w, bar.toLatin1().constData());
        const bool toolbar = bar == "Toolbar1" || bar == "tb2";
        QStringList seen;
        for (QAction *a : widget->actions()) {
            const QString name = a->menu() ? a->menu()->objectName() : a->objectName();
            seen << (a->isSeparator() ? "-" : name) + (a->isVisible() ? "" : "(hidden)");
            if (a->isSeparator())
                continue;
            QCOMPARE(w->findChildren<QObject *>(name).size(), 1);
            QVERIFY2(toolbar ? a->text().isEmpty() && !a->toolTip().isEmpty() && !a->icon().pixmap(16).isNull()
                             : !a->text().isEmpty(),
                     qPrintable(name));
        }
        QCOMPARE(seen.join(' '), entries);
    }

    // One row at a time, never edited in place: the list commands are the only way in.
    void listColumnsAndBehaviour()
    {
        auto *lv = control<QTreeView>(*w, "lv");
        QStringList captions;
        for (int i = 0; i < lv->header()->count(); ++i)
            captions << lv->model()->headerData(i, Qt::Horizontal).toString();
        QCOMPARE(captions.join('|'), QStringLiteral("Item Text|Linked?|Link URL|Selected?"));
        QVERIFY(lv->model() == w->listModel() && !lv->rootIsDecorated());
        QVERIFY(lv->selectionMode() == QAbstractItemView::SingleSelection
                && lv->selectionBehavior() == QAbstractItemView::SelectRows
                && lv->editTriggers() == QAbstractItemView::NoEditTriggers);
    }

    void everyNamedControlExistsOnce()
    {
        QStringList wrong;
        for (const QString &name : QStringLiteral(
                 "Frame1 Frame2 Frame3 Frame4 itemtexttext linktext linklbl itemtextlbl chkindent chksel "
                 "notlinkchk additemcmd Addsepcmd cmdup lv tb2 mnuListPop Toolbar1 txtmnm targetcombo txtfrm "
                 "lblfrm menubehavopt_0 menubehavopt_1 buttonpropopt_0 buttonpropopt_1 buttontxttxt "
                 "buttontxtlbl cmdBttnAdv cmdAdvMnu Command1 buttngrurl buttngrurllbl txtalt lblalt txtw lblw "
                 "txth lblh cmbbttnaln lblbttnaln StatusBar1 Timer1").split(' '))
            if (const qsizetype n = w->findChildren<QObject *>(name).size(); n != 1)
                wrong << QStringLiteral("%1 x%2").arg(name).arg(n);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(", ")));
    }
};

QTEST_MAIN(TestForm1Layout)
#include "tst_form1_layout.moc"
