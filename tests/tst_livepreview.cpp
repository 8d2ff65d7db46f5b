// The live preview pane, driven offscreen: it shows each change, never
// navigates away from the menu, reaches nothing but its own page, and keeps
// its visibility in the settings store.
#include "support/Form1Driver.h"

#include "app/AdvisoryFlags.h"
#include "app/ui/FrmAbt.h"
#include "app/ui/IgnoredStylesMessage.h"
#include "app/ui/LivePreviewEngine.h"
#include "app/ui/LivePreviewPage.h"
#include "app/ui/LivePreviewPane.h"
#include "app/ui/LivePreviewRoom.h"
#include "app/ui/PreferencesDialog.h"
#include "menu/ProjectFile.h"
#include "platform/CRegSettings.h"
#include "styles/ui/FrmAdvBttnOp.h"
#include "styles/ui/frmAdvMnuOp.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QWebEngineView>

using namespace form1test;

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QN_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(QN_ADDRESS_SANITIZER)
// Qt WebEngine's own library frees objects through a base class of another
// size, which AddressSanitizer stops at; every other check stays on.
extern "C" const char *__asan_default_options()
{
    return "new_delete_type_mismatch=0";
}
#endif

class TestLivePreview : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> w;
    LivePreviewPane *pane() const { return control<LivePreviewPane>(*w, "dockLivePreview"); }
    QString status() const { return control<QLabel>(*w, "lblLivePreviewStatus")->text(); }
    // Runs a script in the page and waits for its value.
    QVariant js(const QString &code)
    {
        auto result = std::make_shared<std::optional<QVariant>>();
        pane()->page()->runJavaScript(code, [result](const QVariant &v) { *result = v; });
        (void)QTest::qWaitFor([&] { return result->has_value(); }, 10000);
        return result->value_or(QStringLiteral("(no answer)"));
    }
    QString options()
    {
        return js("Array.from(document.querySelector('select').options, o => o.text).join('|')").toString();
    }
    QTemporaryDir dir;
    bool load(const MenuProject &p)
    {
        QString e;
        return ProjectFile::save(dir.filePath("m.qnv"), p, &e)
               && w->document()->load(dir.filePath("m.qnv"), &e);
    }
    static QString storedVisibility()
    {
        CRegSettings store;
        store.setAppName(AdvisoryFlags::AppName);
        store.setCompany(AdvisoryFlags::Company);
        return store.GetSetting("Live Preview", "Visible");
    }

private slots:
    void init()
    {
        QVERIFY(showWindow(w));
        if (pane()->isHidden())
            action(*w, "mnuViewLivePreview")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(pane()->page() && js("document.querySelector('select') !== null").toBool(),
                                 20000);
    }
    void cleanup() { w.reset(); }

    void showsEachChange()
    {
        typeItem(*w, "First|a.html|");
        control<QPushButton>(*w, "additemcmd")->click();
        QTRY_COMPARE_WITH_TIMEOUT(options(), QString("First"), 10000);
        typeItem(*w, "Second|b.html|");
        control<QPushButton>(*w, "additemcmd")->click();
        QTRY_COMPARE_WITH_TIMEOUT(options(), QString("First|Second"), 10000);
        // A short pane scrolls; the next update keeps the place.
        w->addDockWidget(Qt::BottomDockWidgetArea, pane());
        w->resizeDocks({pane()}, {120}, Qt::Vertical);
        QTRY_COMPARE_WITH_TIMEOUT(js("window.scrollTo(0, 40); window.scrollY").toInt(), 40, 10000);
        action(*w, "mnuEditUndo")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(options(), QString("First"), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(js("window.scrollY").toInt(), 40, 10000);
        // A classic style that browsers ignore: the banner above the page says so; its
        // "Use HTML5 code" is one undo step.
        auto *banner = control<QWidget>(*w, "IgnoredStylesBar");
        QVERIFY(banner->isHidden());
        AdvisoryFlags::Write(AdvisoryFlags::ShowIeMessage, false);
        modalwatch::whenModal(w.get(), [](QWidget *modal) {
            modal->findChild<QCheckBox *>("chkmnusysclr")->click();
            return modal->findChild<QPushButton *>("Command8")->click(), true;
        });
        w->cmdAdvMnu_Click();
        QVERIFY(banner->isVisible());
        QTRY_VERIFY(banner->geometry().bottom() < control<QWidget>(*w, "webLivePreview")->geometry().top());
        control<QPushButton>(*w, "cmdUseHtml5")->click();
        QTRY_COMPARE_WITH_TIMEOUT(
            js("document.querySelectorAll('form[data-quillnav] option').length").toInt(), 1, 10000);
        QVERIFY(banner->isHidden());
        action(*w, "mnuEditUndo")->trigger();
        QVERIFY(w->document()->dialect() == CodeDialect::Classic && banner->isVisible());
    }

    void pickingReportsAddressAndTarget_data()
    {
        QTest::addColumn<int>("dialect");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("navigation");
        QTest::addColumn<QString>("expected");
        const char *where[] = {"in the same window", "in a new window", "in the frame \"con%4tent\""};
        for (int dialect : {0, 1})
            for (int target : {0, 1, 2})
                for (int navigation : {0, 1})
                    QTest::addRow("%s, %s, %s", dialect ? "HTML5" : "Classic", where[target],
                                  navigation ? "on change" : "button")
                        << dialect << target << navigation
                        << QString("Would open %1 %2")
                               .arg(navigation ? "https://example.com/b?x=1" : "sub/b.html", where[target]);
    }
    void pickingReportsAddressAndTarget()
    {
        QFETCH(int, dialect);
        QFETCH(int, target);
        QFETCH(int, navigation);
        QFETCH(QString, expected);
        MenuProject project;
        project.items =
            rows(QString("A@a.html,B@%1").arg(navigation ? "https://example.com/b?x=1" : "sub/b.html"));
        project.options.menuName = "jump";
        project.options.linkTarget = target;
        project.options.frameName = "con%4tent";
        project.options.navigation = navigation;
        project.dialect = CodeDialect(dialect);
        QVERIFY(load(project));
        QTRY_COMPARE_WITH_TIMEOUT(options(), QString("A|B"), 10000);
        js(QString("var s = document.querySelector('select'); s.selectedIndex = 1;"
                   "%1")
               .arg(navigation ? "s.dispatchEvent(new Event('change', {bubbles: true}));"
                               : "s.form.querySelector('[type=submit]').click();"));
        QTRY_COMPARE_WITH_TIMEOUT(status(), expected, 10000);
        QCOMPARE(pane()->page()->url(), livepreview::pageUrl());
        QCOMPARE(options(), QString("A|B"));
    }

    // The line describes the current pick: entries that go nowhere say so, and
    // once an undo takes the picked entry out, or the code changes, the line
    // names it no longer.
    void statusFollowsThePick_data()
    {
        QTest::addColumn<int>("dialect");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("added"); // through the window, undone after the pick
        QTest::addColumn<QString>("expected");
        const QString notLinked = "\"B\" is not linked: it goes nowhere.";
        QTest::newRow("classic, not linked") << 0 << "A@a.html,B"
                                             << "" << notLinked;
        QTest::newRow("HTML5, not linked") << 1 << "A@a.html,B"
                                           << "" << notLinked;
        QTest::newRow("separator") << 0 << "A@a.html,~"
                                   << ""
                                   << "A separator: it goes nowhere.";
        QTest::newRow("picked, undone") << 0 << "A@a.html"
                                        << "B|b.html|"
                                        << "Would open b.html in the same window";
        QTest::newRow("picked, other code") << 1 << "A@a.html,B@b.html"
                                            << "code"
                                            << "Would open b.html in the same window";
    }
    void statusFollowsThePick()
    {
        QFETCH(int, dialect);
        QFETCH(QString, list);
        QFETCH(QString, added);
        QFETCH(QString, expected);
        MenuProject project;
        project.items = rows(list);
        project.dialect = CodeDialect(dialect);
        QVERIFY(load(project));
        const bool otherCode = added == "code";
        if (!added.isEmpty() && !otherCode)
            typeItem(*w, added), control<QPushButton>(*w, "additemcmd")->click();
        QTRY_COMPARE_WITH_TIMEOUT(js("document.querySelector('select').options.length").toInt(), 2, 10000);
        js("var s = document.querySelector('select'); s.selectedIndex = 1; s.dispatchEvent(new Event('change', {bubbles: true})); 1");
        QTRY_COMPARE_WITH_TIMEOUT(status(), expected, 10000);
        if (!added.isEmpty()) {
            otherCode ? w->document()->changeDialect(CodeDialect::Classic)
                      : action(*w, "mnuEditUndo")->trigger();
            QTRY_COMPARE_WITH_TIMEOUT(status(), QString("Pick an entry in the menu to see where it leads."),
                                      10000);
        }
    }

    // Entries and styles change the page shown in place; the page must then equal
    // the same project's page loaded anew: its markup, the options' states and
    // the list's and button's computed styles (a classic style that browsers
    // ignore stays ignored). Texts that classic code writes as markup, and
    // changes of the code's structure, load the page anew.
    void inPlaceEqualsLoadedAnew_data()
    {
        QTest::addColumn<int>("dialect");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<bool>("inPlace");
        for (int dialect : {0, 1}) {
            const auto row = [dialect](const char *edit, bool inPlace) {
                QTest::addRow("%s, %s", dialect ? "HTML5" : "Classic", edit)
                    << dialect << QString(edit) << inPlace;
            };
            row("text", true);                 // taken in place: not the widest
            row("widest text", true);          // the list grows
            row("narrower widest", true);      // the list shrinks
            row("hostile text", dialect == 1); // classic code writes its '<' as markup
            row("separator", true);
            row("insert", true);
            row("delete", true);
            row("move", true);
            row("indent", true);
            row("default", true);
            row("widest, many entries", true); // the links are several texts
            row("list style", true);           // ignored in classic code
            row("button style", true);
            row("link", true);
            row("hostile link", dialect == 1); // its '"' ends the classic value
            row("name", false);
        }
    }
    void inPlaceEqualsLoadedAnew()
    {
        QFETCH(int, dialect);
        QFETCH(QString, edit);
        QFETCH(bool, inPlace);
        MenuProject project;
        project.items = rows("A@a.html,B@b.html,C,~,Wide entry W@w.html");
        for (int i = 0; edit.endsWith("many entries") && i < 2500; ++i)
            project.items += rows(QString("Entry %1@e/%1.html").arg(i));
        project.options.menuName = "jump";
        project.options.navigation = // the list in a flex box or alone
            edit.startsWith("widest") ? MenuOptions::OnItemChange : MenuOptions::OnButtonClick;
        project.dialect = CodeDialect(dialect);
        QVERIFY(load(project));
        QSignalSpy drawn(pane(), &LivePreviewPane::pageDrawn);
        const auto draw = [&](const std::function<void()> &update) {
            drawn.clear();
            update();
            return QTest::qWaitFor([&] { return !drawn.isEmpty(); }, 10000);
        };
        QVERIFY(draw([&] { pane()->loadAnew(); }));
        // A pick before the edit: a page loaded anew shows the default entry again.
        js("window.qnSamePage = true; var s = document.querySelector('select'); s.selectedIndex = 2; 1");
        if (edit == "text")
            project.items[1].text = "Bee & Co";
        else if (edit.contains("widest"))
            project.items[edit.endsWith("entries") ? 2000 : 4].text =
                edit.startsWith("narrower") ? "W" : "Wide entry W, wider";
        else if (edit == "insert" || edit == "delete")
            edit == "insert" ? void(project.items.insert(2, rows("New@n.html")[0]))
                             : project.items.removeAt(1);
        else if (edit == "move")
            project.items.swapItemsAt(0, 1);
        else if (edit == "hostile text")
            project.items[1].text = QString::fromUtf8("\"'</script><b>&amp; \u2028 </select>x");
        else if (edit == "separator")
            project.items.insert(1, MenuItem::separator());
        else if (edit == "indent")
            project.items[2].text.prepend(menutext::kIndentPrefix);
        else if (edit == "default")
            project.items[1].selected = project.items[2].selected = menutext::kYes;
        else if (edit == "list style")
            project.menuStyle.mnuFontSize = "21", project.menuStyle.mnuSysClr = 0,
            project.menuStyle.mnuClr[1] = "#FF0000";
        else if (edit == "button style")
            project.buttonStyle.bttnWidth = "90", project.buttonStyle.bttnSysClr = 0;
        else if (edit == "link" || edit == "hostile link")
            project.items[0].url = edit == "link" ? "sub/a.html?x=1&y=2" : "say \"hi\".html";
        else
            project.options.menuName = "other";
        QVERIFY(draw([&] { w->document()->replaceProject(project, "Edit"); }));
        QCOMPARE(js("window.qnSamePage === true").toBool(), inPlace);
        const QString page =
            "(() => { const list = document.querySelector('select'), button = list.form.querySelector('"
            "[type=submit]'); const css = e => { if (!e) return null; const c = getComputedStyle(e); return ['font-family', "
            "'font-size', 'font-weight', 'font-style', 'text-decoration-line', 'width', 'height', 'color', "
            "'background-color', 'border-top-color', 'border-top-style', 'border-top-width'].map(p => "
            "c.getPropertyValue(p)).join(); }; return JSON.stringify([document.documentElement.outerHTML, "
            "Array.from(list.options, o => [o.text, o.value, o.selected, o.disabled]), css(list), "
            "css(button)]); })()";
        const QString changed = js(page).toString();
        QVERIFY(draw([&] { pane()->loadAnew(); }));
        QCOMPARE(changed, js(page).toString());
        if (edit == "list style") // the style is written, and the two agree on what it shows
            QVERIFY(changed.contains(dialect ? "21px" : "font-size='21px'"));
    }

    // An open style dialog shows in the pane before OK; Cancel brings back the record.
    void styleDialogsShowLive()
    {
        for (const auto &[dialog, element] :
             {std::pair{"frmAdvMnuOp", "select"}, {"FrmAdvBttnOp", "[type=submit]"}}) {
            const QString style = QString("document.querySelector('%1').getAttribute('style')").arg(element);
            const QString before = js(style).toString();
            auto *box = w->findChild<QDialog *>(dialog);
            box->show();
            box->findChild<QComboBox *>("combofontsize")->setCurrentText("16");
            QTRY_VERIFY_WITH_TIMEOUT(js(style).toString().contains("font-size='16px'"), 10000);
            box->findChild<QPushButton *>("Command9")->click();
            QTRY_COMPARE_WITH_TIMEOUT(js(style).toString(), before, 10000);
        }
    }

    // Every control inside its window, every window inside the screen (also at scale 2); the
    // pane and the list share the width a growing window gains beyond the controls' own. The About box's
    // links take the palette's link colour.
    void fitsTheScreen()
    {
        const QRect screen = w->screen()->availableGeometry();
        const auto cut = [&](QWidget *window, bool onScreen) {
            QStringList out(onScreen && !screen.contains(window->frameGeometry()) ? window->objectName()
                                                                                  : QString());
            for (QWidget *c : window->findChildren<QWidget *>())
                if (!c->objectName().startsWith("qt_") && c->isVisibleTo(window) && !c->isWindow()
                    && !window->rect().contains(QRect(c->mapTo(window, QPoint(0, 0)), c->size())))
                    out << c->objectName();
            return out.join(' ').trimmed();
        };
        action(*w, "mnuViewLivePreview")->trigger(); // shown again beside the controls
        w->addDockWidget(Qt::RightDockWidgetArea, pane());
        action(*w, "mnuViewLivePreview")->trigger();
        QCOMPARE(cut(w.get(), true), QString());
        w->resize(2 * w->width(), w->height());
        const auto *client = control(*w, "Form1Client");
        QTRY_VERIFY(qAbs(pane()->width() - (client->width() - client->minimumWidth())) <= 1); // halves
        w->resize(100, 100);
        QTRY_COMPARE(control(*w, "Form1Client")->size(), control(*w, "Form1Client")->minimumSize());
        QVERIFY(pane()->width() >= LivePreviewRoom::kPaneMinWidth);
        QCOMPARE(cut(w.get(), true), QString());
        action(*w, "mnuViewLivePreview")->trigger(); // the room goes back
        QTRY_COMPARE(w->width(), w->MinTrackWidth);
        QCOMPARE(cut(w.get(), true), QString());
        const QPalette old = QApplication::palette();
        QPalette dark(QColor(0x30, 0x30, 0x30));
        dark.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
        QApplication::setPalette(dark);
        FrmAbt about(w.get());
        const QImage link =
            about.findChild<QLabel *>("Label6")->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QApplication::setPalette(old);
        const QList<QRgb> pixels(reinterpret_cast<const QRgb *>(link.constBits()),
                                 reinterpret_cast<const QRgb *>(link.constBits()) + link.sizeInBytes() / 4);
        QVERIFY(pixels.contains(dark.color(QPalette::Link).rgb()) && !pixels.contains(qRgb(0, 0, 0xff)));
        PreferencesDialog preferences(w.get());
        IgnoredStylesMessage notice(w.get());
        for (QDialog *dialog : std::initializer_list<QDialog *>{w->menuStyleDialog(), w->buttonStyleDialog(),
                                                                &about, &preferences, &notice}) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QCOMPARE(cut(dialog, true), QString());
            dialog->hide();
        }
    }

    void blocksEveryOtherRequest_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("network") << "network";
        QTest::newRow("file") << "file";
        QTest::newRow("own scheme") << "scheme";
    }
    void blocksEveryOtherRequest()
    {
        QFETCH(QString, kind);
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QTemporaryDir dir;
        QImage(4, 4, QImage::Format_RGB32).save(dir.filePath("x.png"));
        const QString url = kind == "network" ? QString("http://127.0.0.1:%1/x.png").arg(server.serverPort())
                            : kind == "file"  ? QUrl::fromLocalFile(dir.filePath("x.png")).toString()
                                              : livepreview::pageUrl().resolved(QUrl("x.png")).toString();
        js(QString(
               "window.qnResult = 'waiting'; var i = new Image(); i.onload = () => window.qnResult = 'loaded';"
               "i.onerror = () => window.qnResult = 'blocked'; i.src = '%1'; 1")
               .arg(url));
        QTRY_COMPARE_WITH_TIMEOUT(js("window.qnResult").toString(), QString("blocked"), 10000);
        QVERIFY(!server.hasPendingConnections());
    }

    void keepsVisibilityInSettings()
    {
        QCOMPARE(storedVisibility(), QString("yes"));
        auto second = std::make_unique<Form1>();
        second->show();
        // A window that opens with the pane comes up first; the engine starts once it is painted.
        QVERIFY(!second->findChild<QWebEngineView *>());
        QVERIFY(QTest::qWaitForWindowExposed(second.get()));
        auto *secondPane = control<LivePreviewPane>(*second, "dockLivePreview");
        QVERIFY(!secondPane->isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(secondPane->page(), 10000);
        action(*second, "mnuViewLivePreview")->trigger();
        QCOMPARE(storedVisibility(), QString("no"));
        std::unique_ptr<Form1> third;
        QVERIFY(showWindow(third));
        QVERIFY(control<LivePreviewPane>(*third, "dockLivePreview")->isHidden());
    }
};

int main(int argc, char *argv[])
{
    livepreview::prepareApplication();
    QApplication app(argc, argv);
    TestLivePreview test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_livepreview.moc"
