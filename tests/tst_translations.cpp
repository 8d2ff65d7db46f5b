// The windows in German: no text left as in English (but the few written the same
// in both, tests/data/same-in-german.txt), access keys unique, no caption cut.
#include "app/FileChoosers.h"
#include "app/MenuDocument.h"
#include "app/ui/Form4.h"
#include "app/ui/Form5.h"
#include "app/ui/FrmAbt.h"
#include "app/ui/IgnoredStylesMessage.h"
#include "app/ui/PreferencesDialog.h"
#include "app/ui/Translations.h"
#include "app/ui/iemsgfrm.h"
#include "codegen/ui/Form3.h"
#include "help/ui/HelpWindow.h"
#include "site/PageImport.h"
#include "site/ui/ChooseListDialog.h"
#include "site/ui/PublishDialog.h"
#include "styles/ui/FrmAdvBttnOp.h"
#include "styles/ui/frmAdvMnuOp.h"
#include "support/AccessKeys.h"
#include "support/Clipped.h"
#include "support/Form1Driver.h"
#include "support/TestFiles.h"

#include <QTreeWidget>

using namespace form1test;

class TestTranslations : public QObject {
    Q_OBJECT

    // Every text a user reads in each window and dialog, keyed by where it is, and the
    // captions cut; in German also whether any access key is taken twice.
    static void readWindows(QMap<QString, QString> &texts, QStringList &cut, bool german)
    {
        std::unique_ptr<Form1> w;
        showWindow(w);
        Form3 code(MenuCode{}, nullptr);
        FrmAbt about;
        PreferencesDialog preferences;
        Form4 border;
        Form5 restore;
        iemsgfrm ie;
        IgnoredStylesMessage ignored;
        HelpWindow help(QFileInfo(QN_BINARY).dir().filePath("quillnav.qch"));
        PageImport page;
        page.parse("<select name=a><option>x</select><select><option>y</select>", "page.html");
        ChooseListDialog choose(page, "page.html");
        QTemporaryDir site;
        testfiles::writeAll(site.filePath("index.html"),
                            "<html><head></head><body><!-- quillnav m --></body></html>");
        MenuProject menu;
        menu.options.menuName = "m";
        menu.items = {MenuItem{"Home", "Yes", "index.html", "No"}};
        PublishDialog publish(menu, site.path(), SitePublisher::Publish);
        for (QWidget *window : std::initializer_list<QWidget *>{
                 w.get(), w->menuStyleDialog(), w->buttonStyleDialog(), &code, &about, &preferences, &border,
                 &restore, &ie, &ignored, &help, &choose, &publish}) {
            window->show();
            cut << clippedCaptions(window);
            QList<QPointer<QObject>> all{window}; // a label's text control may come and go
            for (QObject *o : window->findChildren<QObject *>())
                all << o;
            for (QObject *o : std::as_const(all)) {
                QStringList shown; // a line edit's text is the user's
                for (const char *property : {"text", "title", "toolTip", "windowTitle", "placeholderText"})
                    if (o && (qstrcmp(property, "text") || !o->inherits("QLineEdit"))
                        && !(o->inherits("QAction") && !static_cast<QAction *>(o)->isVisible()))
                        shown << o->property(property).toString();
                for (int i = 0; qobject_cast<QComboBox *>(o) && i < static_cast<QComboBox *>(o)->count(); ++i)
                    shown << static_cast<QComboBox *>(o)->itemText(i);
                for (int i = 0; qobject_cast<QTabWidget *>(o) && i < static_cast<QTabWidget *>(o)->count();
                     ++i)
                    shown << static_cast<QTabWidget *>(o)->tabText(i);
                for (const QString &text : std::as_const(shown)) {
                    QString key =
                        window->objectName() + '/' + o->objectName() + '/' + o->metaObject()->className();
                    while (texts.contains(key))
                        key += '+';
                    texts.insert(key, text);
                }
            }
        }
        if (!german)
            return;
        QCOMPARE(accessKeyProblem(control(*w, "Form1Client"), {'D', 'B', 'A', 'V', 'H'}), QString());
        for (QWidget *dialog :
             std::initializer_list<QWidget *>{w->menuStyleDialog(), w->buttonStyleDialog(), &preferences})
            QCOMPARE(accessKeyProblem(dialog), QString());
        QStringList twice; // entries of a menu (or the menu bar) sharing an access key
        for (QWidget *menu : w->findChildren<QWidget *>()) {
            QSet<QChar> keys;
            for (QAction *a :
                 menu->inherits("QMenu") || menu->inherits("QMenuBar") ? menu->actions() : QList<QAction *>())
                if (const qsizetype at = a->text().indexOf('&'); at >= 0 && a->isVisible())
                    (keys.contains(a->text()[at + 1].toUpper()) ? twice << a->text() : twice),
                        keys << a->text()[at + 1].toUpper();
        }
        QCOMPARE(twice, QStringList());
    }

private slots:
    void everyTextTranslated()
    {
        QStringList cut, germanCut;
        QMap<QString, QString> english, german;
        readWindows(english, cut, false);
        Translations::install(QLocale(QLocale::German, QLocale::Germany));
        readWindows(german, germanCut, true);
        if (QTest::currentTestFailed())
            return;
        const QStringList same = QString::fromUtf8(testfiles::readAll(QN_TEST_DATA_DIR "/same-in-german.txt"))
                                     .split('\n', Qt::SkipEmptyParts);
        QStringList left;
        for (auto it = english.cbegin(); it != english.cend(); ++it)
            if (german.value(it.key()) == it.value() && it.value().contains(QRegularExpression("[A-Za-z]"))
                && !same.contains(it.value()) && !same.contains(it.key().section('/', 1, 1)))
                left << it.key() + ": " + it.value();
        QVERIFY2(left.isEmpty(), qPrintable(left.join('\n')));
        QVERIFY2(germanCut == cut, qPrintable(germanCut.join('\n')));
    }

    // The reasons that publishing and the link check give come from the core
    // and are shown in German too: a page's reason in the publish table, a
    // failed link's tool tip in the list.
    void reasonsInGerman()
    {
        Translations::install(QLocale(QLocale::German, QLocale::Germany));
        QTemporaryDir site;
        testfiles::writeAll(site.filePath("index.html"), "<html><body><!-- quillnav m --></body></html>");
        MenuProject menu;
        menu.options.menuName = "m";
        menu.dialect = CodeDialect::Html5;
        menu.items = {MenuItem{"Home", "Yes", "index.html", "No"}};
        PublishDialog publish(menu, site.path(), SitePublisher::Publish);
        const QTreeWidgetItem *page = publish.findChild<QTreeWidget *>("lstPublishPages")->topLevelItem(0);
        QCOMPARE(page->text(1), "index.html");
        QCOMPARE(page->text(0), "Fehler");
        QCOMPARE(page->text(2), "Sie hat kein </head>-Tag, vor das das Skript des Menüs kommt.");

        std::unique_ptr<Form1> w;
        QVERIFY(showWindow(w));
        QCOMPARE(w->document()->pageLanguage(), "de"); // a new project's pages speak the window's language
        w->choosers().siteFolder = [&site](QWidget *) { return site.path(); };
        w->document()->model()->setItems(
            {{"Start", "Yes", "index.html", "No"}, {"Weg", "Yes", " gone.html", "No"}});
        action(*w, "mnuToolsCheckLinks")->trigger();
        settle(*w);
        QCOMPARE(w->document()->model()->index(1, 0).data(Qt::ToolTipRole).toString(),
                 "gone.html existiert nicht");
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
