// The main window's start-up (font lists, splash), regions, resize rule,
// minimum size, shut-down, and unclipped captions.

#include "support/Clipped.h"
#include "support/Form1Driver.h"
#include "support/TestFiles.h"

#include "app/AdvisoryFlags.h"
#include "app/StartupSelection.h"
#include "app/ui/AdvisoryDialog.h"
#include "app/ui/Form2.h"
#include "app/ui/LivePreviewRoom.h"
#include "app/ui/StartupFontLists.h"
#include "app/ui/SvgIcon.h"
#include "platform/CloseRequest.h"
#include "platform/MSubclass.h"
#include "styles/FontChoice.h"
#include "styles/ui/frmAdvMnuOp.h"

#include <QSvgRenderer>

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
    void init()
    {
        QGuiApplication::setLayoutDirection(
            QString(QTest::currentDataTag()).startsWith("right to left") ? Qt::RightToLeft : Qt::LeftToRight);
        QVERIFY(showWindow(w));
    }
    void cleanup()
    {
        if (w && w->findChild<QDockWidget *>("dockLivePreview")->isVisible())
            action(*w, "mnuViewLivePreview")->trigger(); // kept hidden for the next window
        w.reset();
    }

    // Fixed regions keep their design place; the list frame and the list grow
    // with the window, the list toolbar follows the list; the window never gets
    // smaller than at start-up; minimizing and maximizing keep the rule. Right
    // to left (-reverse) every place mirrors.
    void geometry_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QSize>("delta");
        for (const QJsonArray &r : testfiles::tableRows("window-geometry.json"))
            QTest::newRow(qPrintable(r[0].toString()))
                << r[1].toString() << QSize(r[2][0].toInt(-1), r[2][1].toInt(-1)); // null: none
    }
    void geometry()
    {
        QFETCH(QString, how);
        QFETCH(QSize, delta);
        const QSize design = twips(0, 0, 8820, 6255).size(), start = w->size();
        QCOMPARE(QSize(w->MinTrackWidth, w->MinTrackHeight), start);
        if (how == "maximize") {
            w->showMaximized();
            QTRY_VERIFY(w->isMaximized() && w->size() != start);
            delta = client()->size() - design;
        } else {
            w->resize(start + delta);
            delta = delta.expandedTo(QSize(0, 0));
        }
        if (how == "minimize") {
            w->showMinimized();
            QTest::qWait(20);
            w->showNormal();
        }
        QTRY_COMPARE(client()->size(), design + delta);
        if (how != "maximize")
            QCOMPARE(w->size(), start + delta);
        QCOMPARE(w->isRightToLeft(), QString(QTest::currentDataTag()).startsWith("right to left"));
        const auto in = [&](QWidget *container, QRect place) {
            return QStyle::visualRect(w->layoutDirection(), container->rect(), place);
        };
        QCOMPARE(inClient("Toolbar1"), in(client(), twips(30, 0, 8730, 570)));
        QCOMPARE(inClient("Frame1"), in(client(), twips(60, 600, 5055, 1335)));
        QCOMPARE(inClient("Frame4"), in(client(), twips(60, 1980, 5055, 1785)));
        QCOMPARE(inClient("Frame3"), in(client(), twips(60, 3810, 5055, 2115)));
        QCOMPARE(inClient("Frame2"),
                 in(client(), twips(5160, 600, 3585, 5325).adjusted(0, 0, delta.width(), delta.height())));
        QWidget *frame2 = control(*w, "Frame2"), *lv = control(*w, "lv"), *tb2 = control(*w, "tb2");
        QCOMPARE(lv->geometry(), in(frame2, QRect(QPoint(px(90), py(180)),
                                                  frame2->size() - QSize(px(200), tb2->height() + py(400)))));
        QCOMPARE(tb2->geometry(),
                 in(frame2, QRect(px(120), lv->geometry().bottom() + 1 + py(100), px(3405), py(450))));
        QCOMPARE(control(*w, "itemtextlbl")->geometry(), in(control(*w, "Frame1"), twips(90, 285, 840, 255)));
        QCOMPARE(control(*w, "lblmnm")->geometry(), in(control(*w, "Frame4"), twips(90, 270, 1230, 255)));
        QCOMPARE(inClient("StatusBar1"), QRect(0, client()->height() - py(255), client()->width(), py(255)));
        QStringList captions;
        for (int i = 0; i < 4; ++i)
            captions << w->document()->model()->headerData(i, Qt::Horizontal).toString();
        QCOMPARE(captions.join('|'), QStringLiteral("Item Text|Linked?|Link URL|Selected?"));
    }

    // With the live preview pane shown (after the controls: on the right, right
    // to left on the left) the width beyond the design goes half to the list,
    // half to the pane (never below its smallest width); the list's columns fit
    // their contents, so that entries of 20 characters read whole.
    void previewPane_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("as shown") << QSize();
        QTest::newRow("1600 x 1000") << QSize(1600, 1000);
        QTest::newRow("right to left, 1600 x 1000") << QSize(1600, 1000);
    }
    void previewPane()
    {
        QFETCH(QSize, size);
        const QString text = QStringLiteral("Twenty characters ok");
        typeItem(*w, text + "|https://example.org/a/rather/long/address/of/a/page.html|");
        QTest::mouseClick(control(*w, "additemcmd"), Qt::LeftButton);
        auto *pane = control<QDockWidget>(*w, "dockLivePreview");
        action(*w, "mnuViewLivePreview")->trigger();
        if (size.isValid())
            w->resize(size);
        const int design = px(8820);
        const auto split = [&] {
            const int beyond = client()->width() - design + pane->width();
            return qAbs(pane->width() - qMax(LivePreviewRoom::kPaneMinWidth, beyond / 2)) <= 1;
        };
        QTRY_VERIFY(pane->isVisible() && split());
        QCOMPARE(pane->geometry().center().x() < client()->geometry().center().x(), w->isRightToLeft());
        auto *lv = control<QTableView>(*w, "lv");
        const QModelIndex entry = lv->model()->index(0, 0);
        const int needed = QFontMetrics(entry.data(Qt::FontRole).value<QFont>()).horizontalAdvance(text);
        QTRY_VERIFY(!size.isValid() || lv->columnWidth(0) > needed);
        QCOMPARE(lv->horizontalHeader()->length(), lv->viewport()->width());
    }

    // The browser advisory has no owner and is modal, but opens centred over
    // the main window.
    void advisoryCentred()
    {
        w->document()->setDialect(CodeDialect::Classic);
        AdvisoryFlags::Write(AdvisoryFlags::ShowIeMessage, true);
        w->move(20, 30);
        QTRY_COMPARE(w->pos(), QPoint(20, 30));
        QRect notice;
        QString how;
        QObject watch;
        modalwatch::whenModal(&watch, [&](QWidget *modal) {
            if (auto *d = qobject_cast<AdvisoryDialog *>(modal); d && d->isVisible()) {
                notice = d->geometry();
                how = QString(d->parentWidget() ? "owned" : "no owner") + (d->isModal() ? ", modal" : "");
                d->Command1()->click();
            } else if (modal == w->menuStyleDialog()) {
                modal->findChild<QPushButton *>("Command9")->click();
                return true;
            }
            return false;
        });
        w->cmdAdvMnu_Click();
        QCOMPARE(how, QStringLiteral("no owner, modal"));
        const QPoint off = notice.center() - QRect(w->mapToGlobal(QPoint(0, 0)), w->size()).center();
        QVERIFY2(off.manhattanLength() <= 4, qPrintable(QStringLiteral("%1, %2").arg(off.x()).arg(off.y())));
    }

    // Closing ends everything without a question: the hidden style dialogs let
    // the program's own closing through, other windows close, the size limits
    // are detached.
    void shutDown()
    {
        struct StyleDialog : QDialog {
            using QDialog::QDialog;
            void closeEvent(QCloseEvent *e) override { e->setAccepted(CloseRequest::fromProgram()); }
        };
        auto *dialog = new StyleDialog(w.get());
        auto *other = new QWidget;
        other->setAttribute(Qt::WA_DeleteOnClose);
        other->show();
        dialog->show();
        dialog->close(); // from outside: refused
        QVERIFY(dialog->isVisible() && MSubclass::isSubclassed(w.get()));
        QVERIFY_THROWS_EXCEPTION(SubclassError,
                                 MSubclass::AddMessageHandler(w.get(), w.get(), Form1::kSizeLimitsMessage));
        const QPointer<QWidget> otherAlive(other);
        QVERIFY(w->close());
        QTRY_VERIFY(!otherAlive);
        QVERIFY(!dialog->isVisible() && !MSubclass::isSubclassed(w.get()));
        for (QWidget *top : QApplication::topLevelWidgets())
            QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
    }

    void noCaptionIsClipped() { QCOMPARE(clippedCaptions(w.get()), QStringList()); }

    // Both lists take every family, sorted (the selection rule itself is the
    // style dialogs' test); size lists select the sixth entry, else the last.
    void fontLists()
    {
        for (const auto &[fonts, sizes, font, size] :
             {std::tuple{"Tahoma|MS Sans Serif|Arial", 12, "MS Sans Serif", "6"},
              {"Tahoma|Arial|Courier", 4, "Courier", "4"},
              {"", 0, "", ""}}) {
            const QStringList families = QString(fonts).split('|', Qt::SkipEmptyParts);
            QComboBox menuFonts, buttonFonts, menuSizes, buttonSizes;
            for (int i = 1; i <= sizes; ++i)
                menuSizes.addItem(QString::number(i)), buttonSizes.addItem(QString::number(i));
            QWidget owner;
            Form2 splash(&owner);
            LoadStartupFontLists({&menuFonts, &buttonFonts, &menuSizes, &buttonSizes, {}}, families, &splash);
            for (QComboBox *list : {&menuFonts, &buttonFonts, &menuSizes, &buttonSizes})
                QCOMPARE(list->currentText(),
                         QString(list == &menuFonts || list == &buttonFonts ? font : size));
            QCOMPARE(menuFonts.itemText(0),
                     families.isEmpty() ? QString() : FontChoice::SortedFamilies(families).first());
            QVERIFY(splash.pb()->maximum() == families.size() && splash.pb()->value() == families.size());
            QVERIFY(!splash.isVisible()); // a few fonts load too fast for a splash
        }
        // Qt names a family two foundries share "Family [Foundry]" once for each;
        // the lists take it once, under the name browsers know.
        QByteArray font =
            testfiles::readAll(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
        const qsizetype os2 = font.indexOf("OS/2");
        QVERIFY(os2 > 0 && os2 < 12 + 16 * 64);
        const qsizetype os2Table = qFromBigEndian<quint32>(font.constData() + os2 + 8);
        font.replace(os2Table + 58, 4, "QnTs"); // the vendor, which fontconfig takes as the foundry
        QVERIFY(QFontDatabase::addApplicationFontFromData(font) >= 0);
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("DejaVu Sans [QnTs]")));
        const QStringList installed = StartupSelection::installedFontFamilies();
        QCOMPARE(installed.filter(QRegularExpression(QStringLiteral("\\]$"))), QStringList());
        QCOMPARE(FontChoice::SortedFamilies(installed).count(QStringLiteral("DejaVu Sans")), 1);
        Form2 splash(w.get());
        QCOMPARE(splash.findChild<QLabel *>("Label1")->text(), QStringLiteral("Loading. Please wait..."));
        splash.show();
        QVERIFY(!splash.findChild<QLabel *>("Picture1")->pixmap().isNull());
    }

    // Every toolbar picture draws, greyed when its button is off; pictures
    // keep their shape.
    void icons()
    {
        for (const char *bar : {"Toolbar1", "tb2"})
            for (QAction *a : control(*w, bar)->actions()) {
                if (a->isSeparator())
                    continue;
                const QImage on = a->icon().pixmap(24).toImage(),
                             off = a->icon().pixmap(24, QIcon::Disabled).toImage();
                QImage blank(on.size(), on.format());
                blank.fill(Qt::transparent);
                QVERIFY2(!on.isNull() && on != blank && on != off, qPrintable(a->objectName()));
            }
        // The build's drawings are the SVG files' own, pixel for pixel.
        for (const QString dir : {":/icons/toolbar/", ":/icons/list/"})
            for (const QString &name : QDir(dir).entryList()) {
                const QList<QSize> sizes = SvgIcon::prerenderedSizes(dir + name);
                QCOMPARE(sizes.size(), 2);
                for (const QSize size : sizes) {
                    QImage fresh(size, QImage::Format_ARGB32_Premultiplied);
                    fresh.fill(Qt::transparent);
                    QPainter painter(&fresh);
                    QSvgRenderer(dir + name).render(&painter);
                    painter.end();
                    QVERIFY2(SvgIcon::make(dir + name).pixmap(size).toImage() == fresh, qPrintable(name));
                }
            }
        QCOMPARE(SvgIcon::make(":/icons/splash/quillnav.svg").actualSize(QSize(450, 450)), QSize(450, 192));
        QVERIFY(SvgIcon::make(":/icons/none.svg").isNull());
    }

    // The splash shows only when it would stay up a while.
    void splashRule()
    {
        const struct {
            int elapsed, done, total;
            bool show;
        } rows[] = {
            {500, 0, 2000, false}, // nothing loaded yet
            {99, 10, 2000, false}, // too early to tell
            {100, 10, 2000, true}, // slow, much left
            {100, 90, 100, false}, // slow, almost done
            {400, 100, 200, true}, // just worth it
        };
        for (const auto &r : rows)
            QCOMPARE(StartupSelection::splashWanted(r.elapsed, r.done, r.total), r.show);
    }
};

QTEST_MAIN(TestForm1Layout)
#include "tst_form1_layout.moc"
