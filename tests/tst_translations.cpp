// The windows in German: no text or What's This left as in English (but the few
// written the same in both, tests/data/same-in-german.txt), no caption cut (the
// menu-name warning shown); access keys unique in every language; numbers and plurals.
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
#include "server/ui/PasswordPrompt.h"
#include "server/ui/ServerDialog.h"
#include "site/PageImport.h"
#include "site/ui/ChooseListDialog.h"
#include "site/ui/PublishDialog.h"
#include "styles/ColorContrast.h"
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

    // The windows' language from now on (Qt's and Quillnav's translations, numbers).
    static void useLanguage(const QLocale &locale)
    {
        for (QTranslator *t : qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly))
            QCoreApplication::removeTranslator(t), delete t;
        Translations::install(locale);
    }

    // Every text a user reads in each window and dialog, keyed by where it is, and the
    // captions cut.
    static void readWindows(QMap<QString, QString> &texts, QStringList &cut)
    {
        std::unique_ptr<Form1> w;
        showWindow(w);
        // The warning under a menu name that classic code cannot carry.
        w->document()->setDialect(CodeDialect::Classic);
        control<QLineEdit>(*w, "txtmnm")->setText("Menü 1");
        QVERIFY(control(*w, "lblmnmwarn")->isVisible());
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
                for (const char *property :
                     {"text", "title", "toolTip", "windowTitle", "placeholderText", "whatsThis"})
                    if (o && (qstrcmp(property, "text") || !o->inherits("QLineEdit"))
                        && !(o->inherits("QAction") && !static_cast<QAction *>(o)->isVisible()))
                        shown << o->property(property).toString().section("</p>", 0, 0); // not the link
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
        QVERIFY2(!cut.join('\n').contains("lblmnmwarn"), qPrintable(cut.join('\n')));
    }

private slots:
    void everyTextTranslated()
    {
        QStringList cut, germanCut;
        QMap<QString, QString> english, german;
        useLanguage(QLocale(QLocale::English, QLocale::UnitedStates));
        readWindows(english, cut);
        useLanguage(QLocale(QLocale::German, QLocale::Germany));
        readWindows(german, germanCut);
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
        // The help pages are English: the German help window says so, the English one does not.
        const QString note = "HelpWindow/lblHelpLanguage/QLabel";
        QCOMPARE(std::pair(english.contains(note), german.contains(note)),
                 std::pair(false, english.contains("HelpWindow/helpToolbar/QToolBar")));
        QVERIFY2(germanCut == cut, qPrintable(germanCut.join('\n')));
    }

    // In every language, loaded as the program loads it: no access key taken twice
    // in a window, its menu bar's titles included, nor within a menu.
    void accessKeys_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("unkeyed"); // fields whose labels gave their letters away
        QTest::newRow("en") << "en" << QStringList{"txtfrm"};
        for (const QString &file : QDir(":/i18n").entryList({"quillnav_*.qm"})) {
            const QString language = file.section('_', 1).chopped(3);
            if (language == "en") // English plural forms only
                continue;
            QTest::newRow(qPrintable(language)) << language << QStringList();
        }
    }
    void accessKeys()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, unkeyed);
        for (QTranslator *translator : qApp->findChildren<QTranslator *>())
            QCoreApplication::removeTranslator(translator), delete translator;
        if (language != "en")
            Translations::install(QLocale(language));
        std::unique_ptr<Form1> w;
        showWindow(w);
        QCOMPARE(accessKeyProblem(control(*w, "Form1Client"), menuBarKeys(w->menuBar()), unkeyed), QString());
        Form3 code(MenuCode{}, nullptr);
        PreferencesDialog preferences;
        ServerDialog server(QString{});
        PasswordPrompt password("sftp://host/www", false, true);
        for (QWidget *window : std::initializer_list<QWidget *>{w->menuStyleDialog(), w->buttonStyleDialog(),
                                                                &preferences, &code, &server, &password})
            QCOMPARE(accessKeyProblem(window), QString());
        QStringList twice; // entries of a menu sharing an access key
        for (QMenu *menu : w->findChildren<QMenu *>()) {
            QSet<QChar> keys;
            for (QAction *a : menu->actions())
                if (const qsizetype at = a->text().indexOf('&'); at >= 0 && a->isVisible())
                    (keys.contains(a->text()[at + 1].toUpper()) ? twice << a->text() : twice),
                        keys << a->text()[at + 1].toUpper();
        }
        QCOMPARE(twice, QStringList());
    }

    // The reasons that publishing and the link check give come from the core
    // and are shown in German too: a page's reason in the publish table, a
    // failed link's tool tip in the list.
    void reasonsInGerman()
    {
        useLanguage(QLocale(QLocale::German, QLocale::Germany));
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

    // What publishing will change, counted in the window's language: the pages
    // apart from the shared script of HTML5 menus; the contrast warning's numbers.
    // The publishing window's summary and the contrast warning ("": not checked), in a language.
    void countsAndNumbers_data() { testfiles::addTableRows("publish-summaries.json"); }
    void countsAndNumbers()
    {
        QFETCH(QJsonArray, row);
        const QString language = row[1].toString(), summary = row[4].toString(), contrast = row[5].toString();
        const int pages = row[2].toInt();
        const bool html5 = row[3].toBool();
        useLanguage(QLocale(language));
        if (!contrast.isEmpty())
            QCOMPARE(ColorContrast::LowContrastWarning(1.68), contrast);
        QTemporaryDir site;
        for (int i = 0; i < pages; ++i)
            testfiles::writeAll(site.filePath(QString("p%1.html").arg(i)),
                                "<html><head></head><body><!-- quillnav m --></body></html>");
        MenuProject menu;
        menu.options.menuName = "m";
        menu.dialect = html5 ? CodeDialect::Html5 : CodeDialect::Classic;
        menu.items = {MenuItem{"Home", "Yes", "p0.html", "No"}};
        PublishDialog publish(menu, site.path(), SitePublisher::Publish);
        QVERIFY2(publish.findChild<QLabel *>("lblPublishSummary")->text().startsWith(summary),
                 qPrintable(publish.findChild<QLabel *>("lblPublishSummary")->text()));
        // Taking the menu out: the same layout, and no Save picture on its button.
        PublishDialog remove(menu, site.path(), SitePublisher::Unpublish);
        publish.show(), remove.show();
        QVERIFY(!publish.findChild<QPushButton *>("cmdPublish")->icon().isNull());
        QVERIFY(remove.findChild<QPushButton *>("cmdPublish")->icon().isNull());
        const QRect shown = publish.findChild<QWidget *>("cmdShowChanges")->geometry();
        const QRect shownToo = remove.findChild<QWidget *>("cmdShowChanges")->geometry();
        QCOMPARE(std::pair(shownToo.left(), shownToo.right()), std::pair(shown.left(), shown.right()));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
