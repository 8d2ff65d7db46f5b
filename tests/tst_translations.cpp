// The windows in German: no text left as in English (but the few written the same
// in both, tests/data/same-in-german.txt), access keys unique, no text cut.
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
#include "styles/ui/FrmAdvBttnOp.h"
#include "styles/ui/frmAdvMnuOp.h"
#include "support/AccessKeys.h"
#include "support/Clipped.h"
#include "support/Form1Driver.h"
#include "support/TestFiles.h"

using namespace form1test;

class TestTranslations : public QObject {
    Q_OBJECT

    // Every text a user reads in the window, keyed by where it is.
    static void collect(QWidget *window, QMap<QString, QString> &texts)
    {
        QList<QPointer<QObject>> all{window}; // a label's text control may come and go
        for (QObject *o : window->findChildren<QObject *>())
            all << o;
        for (QObject *o : std::as_const(all)) {
            if (!o)
                continue;
            const auto add = [&](const QString &kind, const QString &text) {
                QString key = window->objectName() + '/' + o->objectName() + '/' + o->metaObject()->className() + kind;
                while (texts.contains(key))
                    key += '+';
                texts.insert(key, text);
            };
            auto *w = qobject_cast<QWidget *>(o);
            if (w && (w->isWindow() || o->inherits("QDockWidget")))
                add("title", w->windowTitle());
            if (w)
                add("tip", w->toolTip());
            if (auto *l = qobject_cast<QLabel *>(o))
                add("text", l->text());
            if (auto *b = qobject_cast<QAbstractButton *>(o))
                add("text", b->text());
            if (auto *g = qobject_cast<QGroupBox *>(o))
                add("title", g->title());
            if (auto *m = qobject_cast<QMenu *>(o))
                add("title", m->title());
            if (auto *a = qobject_cast<QAction *>(o); a && a->isVisible())
                add("text", a->text()), add("tip", a->toolTip());
            if (auto *c = qobject_cast<QComboBox *>(o))
                for (int i = 0; i < c->count(); ++i)
                    add("item", c->itemText(i));
            if (auto *t = qobject_cast<QTabWidget *>(o))
                for (int i = 0; i < t->count(); ++i)
                    add("tab", t->tabText(i));
            if (auto *e = qobject_cast<QLineEdit *>(o))
                add("placeholder", e->placeholderText());
        }
    }

    // The texts and cut widgets of every window and dialog in the current language.
    static void allTexts(QMap<QString, QString> &texts, QStringList &cut, bool checkKeys)
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
        for (QWidget *window : std::initializer_list<QWidget *>{w.get(), w->menuStyleDialog(), w->buttonStyleDialog(),
                                                                &code, &about, &preferences, &border, &restore, &ie,
                                                                &ignored, &help, &choose}) {
            window->show();
            collect(window, texts);
            cut << clippedCaptions(window);
        }
        if (checkKeys) {
            QCOMPARE(accessKeyProblem(control(*w, "Form1Client"), {'D', 'B', 'A', 'V', 'H'}), QString());
            for (QWidget *dialog : std::initializer_list<QWidget *>{w->menuStyleDialog(), w->buttonStyleDialog(), &preferences})
                QCOMPARE(accessKeyProblem(dialog), QString());
            QStringList twice; // entries of a menu (or the menu bar) sharing an access key
            for (QWidget *menu : w->findChildren<QWidget *>()) {
                QSet<QChar> keys;
                for (QAction *a : menu->inherits("QMenu") || menu->inherits("QMenuBar") ? menu->actions() : QList<QAction *>())
                    if (const qsizetype at = a->text().indexOf('&'); at >= 0 && a->isVisible())
                        (keys.contains(a->text()[at + 1].toUpper()) ? twice << a->text() : twice), keys << a->text()[at + 1].toUpper();
            }
            QCOMPARE(twice, QStringList());
        }
    }

private slots:
    void everyTextTranslated()
    {
        QStringList cut, germanCut;
        QMap<QString, QString> english, german;
        allTexts(english, cut, false);
        Translations::install(QLocale(QLocale::German, QLocale::Germany));
        allTexts(german, germanCut, true);
        if (QTest::currentTestFailed())
            return;
        const QStringList same = QString::fromUtf8(testfiles::readAll(QN_TEST_DATA_DIR "/same-in-german.txt")).split('\n');
        QStringList left;
        for (auto it = english.cbegin(); it != english.cend(); ++it)
            if (german.value(it.key()) == it.value() && it.value().contains(QRegularExpression("[A-Za-z]"))
                && !same.contains(it.value()) && !same.contains(it.key().section('/', 1, 1)))
                left << it.key() + ": " + it.value();
        QVERIFY2(left.isEmpty(), qPrintable(left.join('\n')));
        QVERIFY2(germanCut == cut, qPrintable(germanCut.join('\n')));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
