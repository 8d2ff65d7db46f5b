// The main window's regions, the resize rule, the minimum size, and the
// captions, keys and tooltips of its menus and toolbars.

#include "support/Form1Driver.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

using namespace form1test;

class TestForm1Layout : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> w;
    QWidget *client() { return w->centralWidget(); }
    int px(int twips) { return qRound(twips * w->logicalDpiX() / 1440.0); }
    int py(int twips) { return qRound(twips * w->logicalDpiY() / 1440.0); }
    QRect design(int l, int t, int wd, int h) { return {px(l), py(t), px(wd), py(h)}; }
    QRect inClient(const char *name)
    {
        QWidget *c = control(*w, name);
        return QRect(c->mapTo(client(), QPoint(0, 0)), c->size());
    }
    void resizeClientBy(int dx, int dy)
    {
        const QSize target = client()->size() + QSize(dx, dy);
        w->resize(w->size() + QSize(dx, dy));
        QTRY_COMPARE(client()->size(), target);
    }

private slots:
    void init()
    {
        QVERIFY(showWindow(w));
    }
    void cleanup() { w.reset(); }

    void designRegions()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Quillnav"));
        QCOMPARE(client()->size(), QSize(px(8820), py(6255)));
        QCOMPARE(inClient("Toolbar1"), design(30, 0, 8730, 570));
        QCOMPARE(inClient("Frame1"), design(60, 600, 5055, 1335));
        QCOMPARE(inClient("Frame4"), design(60, 1980, 5055, 1785));
        QCOMPARE(inClient("Frame3"), design(60, 3810, 5055, 2115));
        QCOMPARE(inClient("Frame2"), design(5160, 600, 3585, 5325));
        QCOMPARE(inClient("StatusBar1"), design(0, 6000, 8820, 255));
        auto *frame2 = control(*w, "Frame2");
        auto *lv = control(*w, "lv");
        auto *tb2 = control(*w, "tb2");
        // The resize rule has run once: the list is 200 twips narrower and 850
        // shorter than its frame, and the list toolbar sits 100 below it.
        QCOMPARE(lv->pos(), QPoint(px(90), py(180)));
        QCOMPARE(lv->width(), frame2->width() - px(200));
        QCOMPARE(lv->height(), frame2->height() - (tb2->height() + py(400)));
        QCOMPARE(tb2->geometry(),
                 QRect(px(120), lv->geometry().bottom() + 1 + py(100), px(3405), py(450)));
    }

    void resizeRule_data()
    {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::newRow("wider") << 100 << 0;
        QTest::newRow("taller") << 0 << 100;
        QTest::newRow("both") << 150 << 75;
        QTest::newRow("much larger") << 700 << 500;
    }
    void resizeRule()
    {
        QFETCH(int, dx);
        QFETCH(int, dy);
        const QStringList fixed{"Toolbar1", "Frame1", "Frame4", "Frame3"};
        QList<QRect> fixedBefore;
        for (const QString &name : fixed)
            fixedBefore << inClient(name.toLatin1().constData());
        const QRect frame2 = inClient("Frame2");
        const QRect lv = inClient("lv");
        const QRect tb2 = inClient("tb2");
        resizeClientBy(dx, dy);
        QCOMPARE(inClient("Frame2"), frame2.adjusted(0, 0, dx, dy));
        QCOMPARE(inClient("lv"), lv.adjusted(0, 0, dx, dy));
        QCOMPARE(inClient("tb2"), tb2.translated(0, dy));
        for (int i = 0; i < fixed.size(); ++i)
            QCOMPARE(inClient(fixed.at(i).toLatin1().constData()), fixedBefore.at(i));
        const QRect status = inClient("StatusBar1");
        QCOMPARE(status.bottom(), client()->height() - 1);
        QCOMPARE(status.width(), client()->width());
    }

    void minimizeAndRestoreKeepTheLayout()
    {
        resizeClientBy(80, 40);
        const QRect lv = inClient("lv");
        w->showMinimized();
        QTest::qWait(20);
        w->showNormal();
        QTRY_COMPARE(inClient("lv"), lv);
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
        const auto fits = [](QWidget *c, int textWidth, int room) {
            return textWidth <= room ? QString()
                                     : QStringLiteral("%1 needs %2 px, has %3")
                                           .arg(c->objectName())
                                           .arg(textWidth)
                                           .arg(room);
        };
        QStringList clipped;
        for (QLabel *label : w->findChildren<QLabel *>()) {
            if (label->isVisibleTo(w.get()) && !label->text().isEmpty())
                clipped << fits(label, label->fontMetrics().horizontalAdvance(label->text()),
                                label->contentsRect().width());
        }
        for (QAbstractButton *button : w->findChildren<QAbstractButton *>()) {
            if (!button->isVisibleTo(w.get()) || button->text().isEmpty())
                continue;
            // Check boxes and option buttons need their indicator beside the text.
            const int room = qobject_cast<QPushButton *>(button) ? button->width() - 6
                                                                  : button->width();
            const int need = qobject_cast<QPushButton *>(button)
                                 ? button->fontMetrics().horizontalAdvance(button->text())
                                 : button->sizeHint().width();
            clipped << fits(button, need, room);
            if (!qobject_cast<QPushButton *>(button) && button->sizeHint().height() > button->height() + 1)
                clipped << button->objectName() + " too low";
        }
        for (QGroupBox *box : w->findChildren<QGroupBox *>())
            clipped << fits(box, box->fontMetrics().horizontalAdvance(box->title()) + 8,
                            box->width());
        clipped.removeAll(QString());
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join("; ")));
    }

    void captions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const char *const rows[][2] = {
            {"mnuFileNew", "&New Menu Project"},
            {"mnuFileLoad", "&Load Saved Menu Project"},
            {"mnuFileSaveProj", "&Save Menu Project"},
            {"mnuFileCopy", "&Copy Code to Clipboard"},
            {"mnuFileCodeFile", "Save Code to &File"},
            {"mnuFileExit", "&Exit"},
            {"mnuPrevBr", "&Preview Menu in Browser"},
            {"mnuHlpCont", "&Help Topics"},
            {"mnuHelpTut", "&Tutorial"},
            {"mnuHelpCtx", "&Context Help"},
            {"mnuHlpAb", "&About"},
            {"recentfile_0", "recentfile"},
            {"recentfile_4", "recentfile"},
            {"mnuListPopMovUp", "Move Up"},
            {"mnuListPopMovDn", "Move Down"},
            {"mnuListPopInd", "Indent"},
            {"mnuListPopUnind", "Un-indent"},
            {"mnuListPopDefSel", "Make Default Selection"},
            {"mnuListPopEdt", "Edit"},
            {"mnuListPopRem", "Remove"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << row[0] << row[1];
    }
    void captions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QCOMPARE(action(*w, name.toLatin1().constData())->text(), caption);
    }

    void menuStructure()
    {
        QStringList menus;
        for (QAction *a : w->menuBar()->actions())
            menus << a->text();
        QCOMPARE(menus, (QStringList{"&File", "&Preview", "&Help"}));
        QStringList file;
        for (QAction *a : control<QMenu>(*w, "mnuFile")->actions())
            file << (a->isSeparator() ? "-" : a->objectName()) + (a->isVisible() ? "" : "(hidden)");
        QCOMPARE(file, (QStringList{"mnuFileNew", "mnuFileLoad", "mnuFileSaveProj", "-",
                                    "mnuFileCopy", "mnuFileCodeFile", "-", "mnuFileExit",
                                    "-(hidden)", "recentfile_0(hidden)", "recentfile_1(hidden)",
                                    "recentfile_2(hidden)", "recentfile_3(hidden)",
                                    "recentfile_4(hidden)"}));
        QStringList popup;
        for (QAction *a : control<QMenu>(*w, "mnuListPop")->actions())
            popup << a->objectName();
        QCOMPARE(popup, (QStringList{"mnuListPopMovUp", "mnuListPopMovDn", "mnuListPopInd",
                                     "mnuListPopUnind", "mnuListPopDefSel", "mnuListPopEdt",
                                     "mnuListPopRem"}));
    }

    void toolbars_data()
    {
        QTest::addColumn<QString>("toolbar");
        QTest::addColumn<QStringList>("keys"); // "-" for a separator
        QTest::addColumn<QStringList>("tooltips");
        QTest::newRow("Toolbar1")
            << "Toolbar1"
            << QStringList{"newproj", "loadproj", "saveproj", "-", "savecodeclip", "savecodefile",
                           "-", "preview", "-", "help", "wthis", "about"}
            << QStringList{"Create new menu project",
                           "Load saved menu project",
                           "Save current menu project",
                           "Generate menu code and copy to clipboard",
                           "Generate menu code and save to a file",
                           "Preview menu in browser",
                           "Open help file",
                           "Show context help",
                           "About Quillnav"};
        QTest::newRow("tb2") << "tb2"
                             << QStringList{"movup", "movdn", "indent", "unindent", "selected",
                                            "edit", "delete"}
                             << QStringList{"Move selected item up one position.",
                                            "Move selected item down one position.",
                                            "Make selected item indented.",
                                            "Make selected item not indented.",
                                            "Make item default selection in menu.",
                                            "Edit text and link url of selected item.",
                                            "Delete selected item."};
    }
    void toolbars()
    {
        QFETCH(QString, toolbar);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, tooltips);
        QStringList seenKeys, seenTips;
        for (QAction *a : control<QToolBar>(*w, toolbar.toLatin1().constData())->actions()) {
            seenKeys << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
            if (!a->isSeparator()) {
                seenTips << a->toolTip();
                QVERIFY2(!a->icon().isNull() && !a->icon().pixmap(16).isNull(),
                         qPrintable(a->objectName()));
                QCOMPARE(a->text(), QString());
            }
        }
        QCOMPARE(seenKeys, keys);
        QCOMPARE(seenTips, tooltips);
    }

    void listColumnsAndBehaviour()
    {
        auto *lv = control<QTreeView>(*w, "lv");
        QStringList captions;
        for (int i = 0; i < lv->header()->count(); ++i)
            captions << lv->model()->headerData(i, Qt::Horizontal).toString();
        QCOMPARE(captions, (QStringList{"Item Text", "Linked?", "Link URL", "Selected?"}));
        QVERIFY(!lv->rootIsDecorated());
        QCOMPARE(lv->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(lv->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(lv->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(lv->model(), w->listModel());
    }

    void everyNamedPartExistsOnce_data()
    {
        QTest::addColumn<QString>("name");
        const QString names = QStringLiteral(
            "Frame1 Frame2 Frame3 Frame4 itemtexttext linktext linklbl itemtextlbl chkindent "
            "chksel notlinkchk additemcmd Addsepcmd cmdup lv tb2 movup movdn indent unindent "
            "selected edit delete mnuListPop mnuListPopMovUp mnuListPopMovDn mnuListPopInd "
            "mnuListPopUnind mnuListPopDefSel mnuListPopEdt mnuListPopRem Toolbar1 newproj "
            "loadproj saveproj savecodeclip savecodefile preview help wthis about mnuFileNew "
            "mnuFileLoad mnuFileSaveProj mnuFileCopy mnuFileCodeFile mnuFileExit mnuPrevBr "
            "mnuHlpCont mnuHelpTut mnuHelpCtx mnuHlpAb recentfile_0 recentfile_1 recentfile_2 "
            "recentfile_3 recentfile_4 txtmnm targetcombo txtfrm lblfrm menubehavopt_0 "
            "menubehavopt_1 buttonpropopt_0 buttonpropopt_1 buttontxttxt buttontxtlbl cmdBttnAdv "
            "cmdAdvMnu Command1 buttngrurl buttngrurllbl txtalt lblalt txtw lblw txth lblh "
            "cmbbttnaln lblbttnaln StatusBar1 Timer1");
        for (const QString &name : names.split(QLatin1Char(' ')))
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyNamedPartExistsOnce()
    {
        QFETCH(QString, name);
        QCOMPARE(w->findChildren<QObject *>(name).size(), 1);
    }

    void dragsOverTheWindowAreOfferedCopy()
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile("/tmp/x.gif")});
        QWidget *frame = control(*w, "Frame1");
        const QPoint at(4, frame->height() - 4);
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(frame, &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        fill(*w, 1);
        const MenuProject before = w->currentProject();
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(frame, &drop);
        QCOMPARE(w->currentProject(), before);
    }
};

QTEST_MAIN(TestForm1Layout)
#include "tst_form1_layout.moc"
