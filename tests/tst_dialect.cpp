// The code dialect: the project field and the main window's control, which
// every generation path follows (the command line's is in tests/browser).
#include "codegen/PreviewPages.h"
#include "codegen/SavedCodePage.h"
#include "menu/ProjectFile.h"
#include "platform/ui/OpenWithShell.h"
#include "support/Form1Driver.h"
#include "support/TempDirOverride.h"
#include "support/TestFiles.h"

using namespace form1test;

class TestDialect : public QObject {
    Q_OBJECT
private slots:
    void projectField_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("dialect"); // -1: refused
        for (const auto &[field, dialect] : {std::pair{"", 0},
                                             {", \"dialect\": \"classic\"", 0},
                                             {", \"dialect\": \"html5\"", 1},
                                             {", \"dialect\": \"HTML5\"", -1},
                                             {", \"dialect\": 1", -1}})
            QTest::newRow(field) << QByteArray(field) << dialect;
    }
    void projectField()
    {
        QFETCH(QByteArray, field);
        QFETCH(int, dialect);
        MenuProject p;
        p.dialect = CodeDialect::Html5; // untouched by a refusal
        QString error;
        const QByteArray file = R"({"format": "quillnav-menu-project", "version": 1, "items": [])";
        QCOMPARE(ProjectFile::parse(file + field + "}", &p, &error), dialect >= 0);
        QCOMPARE(int(p.dialect), dialect < 0 ? 1 : dialect);
        QCOMPARE(error, dialect < 0 ? "Code (Classic or HTML5) must be \"classic\" or \"html5\"" : "");
        MenuProject back;
        QVERIFY(ProjectFile::parse(ProjectFile::serialize(p), &back, &error) && back == p);
    }

    // The language of the page: the file's optional field, written only when
    // not "en", and the HTML5 pages' lang; classic pages have none.
    void pageLanguage_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("lang"); // empty: refused
        for (const auto &[field, lang] :
             {std::pair{"", "en"},
              {", \"lang\": \"de\"", "de"},
              {", \"lang\": \"zh-Hant-TW\"", "zh-Hant-TW"},
              {", \"lang\": \"sl-rozaj-biske-u-co-phonebk-x-mine\"", "sl-rozaj-biske-u-co-phonebk-x-mine"},
              {", \"lang\": \"en_US\"", ""},
              {", \"lang\": \"de-\"", ""},
              {", \"lang\": \"\"", ""},
              {", \"lang\": \"de\\\">\"", ""},
              {", \"lang\": 7", ""}})
            QTest::newRow(field) << QByteArray(field) << QString(lang);
    }
    void pageLanguage()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, lang);
        MenuProject p;
        p.lang = "fr"; // untouched by a refusal
        QString error;
        const QByteArray file = R"({"format": "quillnav-menu-project", "version": 1, "items": [],)"
                                R"( "options": {"menuName": "M"}, "dialect": "html5")";
        QCOMPARE(ProjectFile::parse(file + field + "}", &p, &error), !lang.isEmpty());
        if (lang.isEmpty()) {
            QCOMPARE(p.lang, "fr");
            QVERIFY2(error.startsWith("Language of the page must be a"), qPrintable(error));
            return;
        }
        QCOMPARE(p.lang, lang);
        QCOMPARE(ProjectFile::serialize(p).contains("\"lang\""), lang != "en");
        MenuProject back;
        QVERIFY(ProjectFile::parse(ProjectFile::serialize(p), &back, &error) && back == p);

        p.items = {MenuItem{"A", "Yes", "a.html", "No"}};
        const auto pages = [&p] {
            const PreviewPages preview =
                PreviewPages::build(GenerateMenuCode(codegen::kPreviewMode, p), p.options);
            return QStringList{SavedCodePage::text(GenerateMenuCode(codegen::kCodeMode, p)), preview.menuPage,
                               preview.framesetPage, preview.noticePage};
        };
        for (const QString &page : pages())
            QVERIFY2(page.startsWith("<!DOCTYPE html>\r\n<html lang=\"" + lang + "\">\r\n"),
                     qPrintable(page));
        p.dialect = CodeDialect::Classic;
        const QStringList classic = pages();
        p.lang = pagelanguage::kDefault;
        QCOMPARE(classic, pages());
    }

    // Edit > Language of the Page...: a tag that is not one is refused, a
    // valid one is one step of the history.
    void pageLanguageInWindow()
    {
        std::unique_ptr<Form1> w;
        QVERIFY(showWindow(w));
        QCOMPARE(w->document()->pageLanguage(), "en"); // the window's language
        QStringList typed{"pt_BR", " pt-BR "};
        modalwatch::whenModal(w.get(), [&typed](QWidget *modal) {
            auto *edit = modal->findChild<QLineEdit *>("txtPageLang");
            if (!edit || typed.isEmpty())
                return false;
            edit->setText(typed.takeFirst());
            modal->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->click();
            return typed.isEmpty();
        });
        BoxAnswerer oops(QMessageBox::Ok);
        action(*w, "mnuEditPageLang")->trigger();
        QCOMPARE(oops.count, 1);
        QCOMPARE(oops.text, "Language of the page must be a language tag such as en, de or pt-BR.");
        QCOMPARE(w->document()->pageLanguage(), "pt-BR");
        QCOMPARE(w->document()->undoStack()->undoText(), "Change Language of the Page");
        w->document()->undoStack()->undo();
        QCOMPARE(w->document()->pageLanguage(), "en");
    }

    void windowControl()
    {
        QTemporaryDir dir;
        TempDirOverride temp(dir.path());
        QList<QUrl> opened;
        SetShellOpenHook([&](QWidget *, const QUrl &url) { opened << url; });
        std::unique_ptr<Form1> w;
        QVERIFY(showWindow(w));
        fill(*w, 2);
        control<QLineEdit>(*w, "txtmnm")->setText("M");
        auto *combo = control<QComboBox>(*w, "cmbdialect");
        QSignalSpy changed(w->document(), &MenuDocument::dialectChanged);
        QTest::keyClick(combo, Qt::Key_Down); // "Classic" comes first
        QCOMPARE(w->document()->project().dialect, CodeDialect::Html5);
        w->Toolbar1_ButtonClick("preview");
        SetShellOpenHook({});
        QVERIFY(testfiles::readAll(opened.value(0).toLocalFile()).startsWith("<!DOCTYPE html>"));

        QString error;
        QVERIFY(w->document()->writeTo(dir.filePath("p.qnv"), &error));
        BoxAnswerer discard(QMessageBox::Discard); // the unsaved-changes question
        w->mnuFileNew_Click(); // a new project is classic again; loading restores the choice
        QCOMPARE(combo->currentText(), QString("Classic"));
        QVERIFY(w->document()->load(dir.filePath("p.qnv"), &error));
        QCOMPARE(combo->currentText(), QString("HTML5"));
        QCOMPARE(changed.size(), 3);

        // Edit > Preferences... gives new menus and the first window their code; files keep theirs.
        modalwatch::whenModal(w.get(), [](QWidget *modal) {
            modal->findChild<QComboBox *>("cmbNewMenuCode")->setCurrentIndex(1);
            return modal->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->click(),
                   true;
        });
        action(*w, "mnuEditPrefs")->trigger();
        QCOMPARE(Form1().document()->dialect(), CodeDialect::Html5);
        QVERIFY(testfiles::writeAll(dir.filePath("old.qnv"),
                                    R"({"format": "quillnav-menu-project", "version": 1, "items": []})"));
        QVERIFY(w->document()->load(dir.filePath("old.qnv"), &error));
        QCOMPARE(combo->currentText(), QString("Classic"));
        w->mnuFileNew_Click();
        QCOMPARE(combo->currentText(), QString("HTML5"));
    }
};

QTEST_MAIN(TestDialect)
#include "tst_dialect.moc"
