// The live preview pane, driven offscreen: it shows each change, never
// navigates away from the menu, reaches nothing but its own page, and keeps
// its visibility in the settings store.
#include "support/Form1Driver.h"

#include "app/AdvisoryFlags.h"
#include "app/ui/LivePreviewEngine.h"
#include "app/ui/LivePreviewPage.h"
#include "app/ui/LivePreviewPane.h"
#include "menu/ProjectFile.h"
#include "platform/CRegSettings.h"

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
extern "C" const char *__asan_default_options() { return "new_delete_type_mismatch=0"; }
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
    QString options() { return js("Array.from(document.querySelector('select').options, o => o.text).join('|')").toString(); }
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
        QTRY_VERIFY_WITH_TIMEOUT(pane()->page() && js("document.querySelector('select') !== null").toBool(), 20000);
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
        QTRY_COMPARE_WITH_TIMEOUT(js("document.querySelectorAll('form[data-quillnav] option').length").toInt(), 1, 10000);
        QVERIFY(banner->isHidden());
        action(*w, "mnuEditUndo")->trigger();
        QVERIFY(w->dialect() == CodeDialect::Classic && banner->isVisible());
    }

    void pickingReportsAddressAndTarget_data()
    {
        QTest::addColumn<int>("dialect");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("navigation");
        QTest::addColumn<QString>("expected");
        const char *where[] = {"in the same window", "in a new window", "in the frame \"content\""};
        for (int dialect : {0, 1})
            for (int target : {0, 1, 2})
                for (int navigation : {0, 1})
                    QTest::addRow("%s, %s, %s", dialect ? "HTML5" : "Classic", where[target], navigation ? "on change" : "button")
                        << dialect << target << navigation
                        << QString("Would open %1 %2").arg(navigation ? "https://example.com/b?x=1" : "sub/b.html", where[target]);
    }
    void pickingReportsAddressAndTarget()
    {
        QFETCH(int, dialect); QFETCH(int, target); QFETCH(int, navigation); QFETCH(QString, expected);
        MenuProject project;
        project.items = rows(QString("A@a.html,B@%1").arg(navigation ? "https://example.com/b?x=1" : "sub/b.html"));
        project.options.menuName = "jump";
        project.options.linkTarget = target;
        project.options.frameName = "content";
        project.options.navigation = navigation;
        project.dialect = CodeDialect(dialect);
        QTemporaryDir dir;
        QString error;
        QVERIFY(ProjectFile::save(dir.filePath("m.qnv"), project, &error) && w->openProject(dir.filePath("m.qnv"), &error));
        QTRY_COMPARE_WITH_TIMEOUT(options(), QString("A|B"), 10000);
        js(QString("var s = document.querySelector('select'); s.selectedIndex = 1;"
                   "%1").arg(navigation ? "s.dispatchEvent(new Event('change', {bubbles: true}));"
                                        : "s.form.querySelector('[type=submit]').click();"));
        QTRY_COMPARE_WITH_TIMEOUT(status(), expected, 10000);
        QCOMPARE(pane()->page()->url(), livepreview::pageUrl());
        QCOMPARE(options(), QString("A|B"));
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
        js(QString("window.qnResult = 'waiting'; var i = new Image(); i.onload = () => window.qnResult = 'loaded';"
                   "i.onerror = () => window.qnResult = 'blocked'; i.src = '%1'; 1").arg(url));
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
