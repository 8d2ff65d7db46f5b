// Import of a menu from a web page: Quillnav's own code back to its project,
// pages of other tools, refused and bounded input, the command line and the
// window's command.
#include "codegen/MenuCodeGenerator.h"
#include "codegen/SavedCodePage.h"
#include "menu/ProjectFile.h"
#include "site/PageEncoding.h"
#include "site/PageImport.h"
#include "site/SelectImport.h"
#include "support/DeclaredPages.h"
#include "support/Form1Driver.h"
#include "support/ModalWatch.h"
#include "support/TestFiles.h"

#include <sys/stat.h>

using namespace form1test;
using namespace Qt::StringLiterals;

namespace {

QString word(QRandomGenerator &r, const QString &alphabet, int maxLength)
{
    QString out(QChar(u'a' + r.bounded(26)));
    for (int i = r.bounded(maxLength); i > 0; --i) {
        const QChar c = alphabet.at(r.bounded(int(alphabet.size())));
        out += c.isSurrogate() ? QStringLiteral("\U0001F600") : QString(c);
    }
    return out.simplified();
}
// HTML5 code only: none or a generic family after the font.
QString fallback(QRandomGenerator &r, bool html5)
{
    return html5 ? QStringList{"", "serif", "sans-serif", "monospace"}[r.bounded(4)] : QString();
}
QString digits(QRandomGenerator &r, bool maybeEmpty)
{
    return maybeEmpty && r.bounded(3) == 0 ? QString() : QString::number(1 + r.bounded(999));
}
// The HTML5 code writes colours in upper case; the classic code as they were typed.
QString colour(QRandomGenerator &r, bool html5)
{
    QString c = QStringLiteral("#%1").arg(r.bounded(0x1000000), 6, 16, QChar(u'0'));
    for (QChar &digit : c)
        digit = html5 || r.bounded(2) ? digit.toUpper() : digit;
    return c;
}
// The list's width box takes any text of up to four characters, which the classic code writes as it is.
QString listWidth(QRandomGenerator &r, bool html5)
{
    return html5 || r.bounded(2) ? digits(r, true) : QStringList{"10em", "50%", "9pt", "2in"}[r.bounded(4)];
}

enum Kind { TextButton, GraphicButton, OnChange };

// A random project holding only what its dialect's code carries back. Both
// dialects carry the items (texts without leading, trailing or doubled
// blanks, not only dashes; links other than "", "#" and "nolink"), the menu
// name, the link target with its frame name, the navigation and, with a
// button, its kind, caption or picture (address, alt text, size) and
// alignment, and the styles' fonts (in HTML5 with their generic families), widths and heights, and colours
// and border only where the code writes them (system colours off, border on). The classic code writes texts
// unescaped, so they hold no "<" and its links and style texts no quotes. The HTML5 code cannot tell a
// default selection on a first entry without link from none: such a project has none.
MenuProject randomProject(QRandomGenerator &r, CodeDialect dialect, Kind kind, int target)
{
    const bool html5 = dialect == CodeDialect::Html5;
    const QString safe = QStringLiteral("abcdefXYZ0189 .-/:?=~()");
    const QString classicText = safe + QStringLiteral(">&'\\\u00e9\u65e5\U0001F600");
    const QString any = safe + QStringLiteral("<>&\"'\\;\u00e9\u65e5\U0001F600");
    const QString text = html5 ? any : classicText;
    MenuProject p;
    p.dialect = dialect;
    bool wantDefault = r.bounded(2);
    for (int i = r.bounded(1, 12); i > 0; --i) {
        if (r.bounded(7) == 0) {
            p.items << MenuItem::separator();
            continue;
        }
        const bool linked = r.bounded(10) < 7;
        p.items << MenuItem{(r.bounded(3) ? QString() : menutext::kIndentPrefix) + word(r, text, 12),
                            linked ? menutext::kYes : menutext::kNo, linked ? word(r, text, 20) : QString(),
                            menutext::kNo};
        if (wantDefault && r.bounded(3) == 0 && !(html5 && p.items.size() == 1 && !linked))
            wantDefault = false, p.items.last().selected = menutext::kYes;
    }
    MenuOptions &o = p.options;
    o.menuName = html5 ? word(r, any, 10) : word(r, QStringLiteral("abcXYZ_09"), 10);
    o.linkTarget = target;
    if (o.linkTarget == MenuOptions::DifferentFrame)
        o.frameName = html5 ? word(r, any, 8) : word(r, QStringLiteral("abcXYZ_09"), 8);
    o.navigation = kind == OnChange ? MenuOptions::OnItemChange : MenuOptions::OnButtonClick;
    if (o.navigation == MenuOptions::OnButtonClick) {
        o.buttonAlign = r.bounded(3);
        o.buttonKind = kind == TextButton ? MenuOptions::DefaultButton : MenuOptions::GraphicButton;
        if (o.buttonKind == MenuOptions::DefaultButton) {
            o.buttonText = word(r, text, 8);
        } else {
            o.graphicUrl = word(r, text, 15), o.altText = word(r, text, 8);
            o.graphicWidth = digits(r, true), o.graphicHeight = digits(r, true);
        }
    }
    const QString fonts = html5 ? any : safe;
    MenuStyleRecord &m = p.menuStyle;
    m.mnuFont = word(r, fonts, 12), m.mnuFontFallback = fallback(r, html5), m.mnuFontSize = digits(r, false),
    m.mnuWidth = listWidth(r, html5);
    m.mnuFontWeight = QString::number(100 * r.bounded(1, 10)), m.mnuItalic = r.bounded(2),
    m.mnuUnderline = r.bounded(2);
    if ((m.mnuSysClr = r.bounded(2)) == 0)
        m.mnuClr = {colour(r, html5), colour(r, html5)};
    if (o.navigation != MenuOptions::OnButtonClick || o.buttonKind != MenuOptions::DefaultButton)
        return p;
    ButtonStyleRecord &b = p.buttonStyle;
    b.bttnFont = word(r, fonts, 12), b.bttnFontFallback = fallback(r, html5),
    b.bttnFontSize = digits(r, false), b.bttnWidth = digits(r, true);
    b.bttnHeight = digits(r, true), b.bttnFontWeight = QString::number(100 * r.bounded(1, 10));
    b.bttnItalic = r.bounded(2), b.bttnUnderline = r.bounded(2);
    if ((b.bttnSysClr = r.bounded(2)) == 0) {
        b.bttnClr[0] = colour(r, html5), b.bttnClr[1] = colour(r, html5);
        if ((b.bttnNoBorder = r.bounded(2)) == 0)
            b.bttnClr = {b.bttnClr[0],     b.bttnClr[1],     colour(r, html5),
                         colour(r, html5), colour(r, html5), colour(r, html5)},
            b.bttnBorder = digits(r, true);
    }
    return p;
}

MenuProject importBytes(const QByteArray &page, QString *error, QStringList *notes = nullptr)
{
    PageImport import;
    MenuProject project;
    QStringList unused;
    if (!import.parse(page, QStringLiteral("page.html"))
        || !import.project(0, &project, notes ? notes : &unused))
        *error = import.error();
    return project;
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT
private slots:
    // Generate, then import: the same project, and so the same code.
    void ownCodeComesBack_data()
    {
        QTest::addColumn<CodeDialect>("dialect");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("target");
        for (const CodeDialect dialect : {CodeDialect::Classic, CodeDialect::Html5}) {
            for (const int kind : {TextButton, GraphicButton, OnChange}) {
                for (const int target : {0, 1, 2}) {
                    QTest::addRow("%s, %s, %s", dialect == CodeDialect::Classic ? "classic" : "html5",
                                  kind == TextButton      ? "text button"
                                  : kind == GraphicButton ? "graphic"
                                                          : "on change",
                                  target == 0   ? "same window"
                                  : target == 1 ? "new window"
                                                : "frame")
                        << dialect << kind << target;
                }
            }
        }
    }
    void ownCodeComesBack()
    {
        QFETCH(CodeDialect, dialect);
        QFETCH(int, kind);
        QFETCH(int, target);
        for (quint32 seed = 1; seed <= 40; ++seed) {
            QRandomGenerator r(seed);
            const MenuProject p = randomProject(r, dialect, Kind(kind), target);
            QString error;
            const MenuCode code = GenerateMenuCode(codegen::kCodeMode, p);
            const MenuProject back = importBytes(SavedCodePage::bytes(code), &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QVERIFY2(back == p, qPrintable(QStringLiteral("seed %1\n%2\n%3")
                                               .arg(seed)
                                               .arg(QString::fromUtf8(ProjectFile::serialize(p)),
                                                    QString::fromUtf8(ProjectFile::serialize(back)))));
        }
    }

    // The classic code's style texts come back as written; what the dialogs' boxes cannot hold is named.
    void classicStylesAsWritten_data()
    {
        QTest::addColumn<QString>("listWidth");
        QTest::addColumn<QString>("buttonWidth");
        QTest::addColumn<QString>("note");
        QTest::newRow("fits") << "5em"
                              << "120"
                              << "";
        QTest::newRow("list width too long") << "100em"
                                             << ""
                                             << "The list's width \"100em\" was left out";
        QTest::newRow("button width not digits") << ""
                                                 << "8em"
                                                 << "The button's width \"8em\" was left out";
    }
    void classicStylesAsWritten()
    {
        QFETCH(QString, listWidth);
        QFETCH(QString, buttonWidth);
        QFETCH(QString, note);
        MenuProject p;
        p.dialect = CodeDialect::Classic;
        p.options.menuName = "m";
        p.options.buttonKind = MenuOptions::DefaultButton;
        p.options.buttonText = "Go";
        p.items = {{"Home", "Yes", "index.html", "No"}};
        p.menuStyle.mnuWidth = listWidth, p.buttonStyle.bttnWidth = buttonWidth;
        p.menuStyle.mnuSysClr = p.buttonStyle.bttnSysClr = 0;
        p.menuStyle.mnuClr = {"#a0b1c2", "#FfEeDd"};
        QString error;
        QStringList notes;
        const MenuProject back =
            importBytes(SavedCodePage::bytes(GenerateMenuCode(codegen::kCodeMode, p)), &error, &notes);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(back.menuStyle.mnuClr, p.menuStyle.mnuClr);
        QCOMPARE(back.menuStyle.mnuWidth, note.contains("list") ? QString() : listWidth);
        QCOMPARE(back.buttonStyle.bttnWidth, note.contains("button") ? QString() : buttonWidth);
        QCOMPARE(notes.filter(QStringLiteral("was left out")).size(), note.isEmpty() ? 0 : 1);
        if (!note.isEmpty())
            QVERIFY2(notes.join('\n').contains(note), qPrintable(notes.join('\n')));
    }

    void encodingAsBrowsersSniffIt_data()
    {
        QTest::addColumn<QByteArray>("page"); // bytes, written as Latin-1 in the table
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QString>("text"); // the decoded page ends with it
        for (const QJsonArray &r : testfiles::tableRows("import/encodings.json"))
            QTest::newRow(qPrintable(r[0].toString()))
                << r[1].toString().toLatin1() << r[2].toString() << r[3].toString();
    }
    void encodingAsBrowsersSniffIt()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, encoding);
        QFETCH(QString, text);
        QString decoded, error;
        QByteArray found;
        QVERIFY2(PageEncoding::decode(page, &decoded, &error, &found), qPrintable(error));
        QCOMPARE(QString::fromLatin1(found), encoding);
        QVERIFY2(decoded.endsWith(text), qPrintable(decoded));
    }

    // An encoding declared past the prescan (the parser's first <meta>) or by
    // an XML declaration, and UTF-16 opening with "<?x", as Chromium reads them.
    void declaredEncodingIsRead_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("text");
        for (const declaredpages::Row &row : declaredpages::rows())
            QTest::newRow(qPrintable(row.name)) << row.page << row.text;
    }
    void declaredEncodingIsRead()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, text);
        QString error;
        const MenuProject p = importBytes(page, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(p.items.value(0).text, text);
    }

    // Encodings a browser knows but that are not read: a message naming them, exit status 1.
    void unreadableEncodingIsNamed_data()
    {
        QTest::addColumn<QByteArray>("label");
        QTest::addColumn<QString>("message");
        QTest::newRow("replacement") << QByteArray("iso-2022-kr") << "ISO-2022-KR";
    }
    void unreadableEncodingIsNamed()
    {
        QFETCH(QByteArray, label);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(testfiles::writeAll(dir.filePath("p.html"),
                                    "<meta charset=" + label + "><select><option>a</select>"));
        const testfiles::Run run =
            testfiles::runQuillnav({"--import", dir.filePath("p.html"), "-o", dir.filePath("o.qnv")});
        QVERIFY2(run.exitCode == 1 && run.err.contains(message) && run.err.contains("p.html")
                     && !run.err.contains(u'\ufffd'),
                 qPrintable(run.err));
        QVERIFY(!QFile::exists(dir.filePath("o.qnv")));
    }

    // Each page of tests/data/pages against its project (NAME.qnv); pages.json
    // gives the list the chooser starts on and a note expected, "" for none.
    // QN_UPDATE_GOLDEN=1 writes the projects.
    void pagesAsBrowsersShowThem_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("note");
        for (const QJsonArray &row : testfiles::tableRows("pages/pages.json"))
            QTest::newRow(qPrintable(row[0].toString()))
                << row[0].toString() << row[1].toInt() << row[2].toString();
        QCOMPARE(QDir(testpaths::dataFile("pages")).entryList({"*.html"}).size(),
                 testfiles::tableRows("pages/pages.json").size());
    }
    void pagesAsBrowsersShowThem()
    {
        QFETCH(QString, page);
        QFETCH(int, list);
        QFETCH(QString, note);
        PageImport import;
        QVERIFY2(import.load(testpaths::dataFile("pages/" + page)), qPrintable(import.error()));
        QCOMPARE(import.navigatingList() + 1, list);
        MenuProject p;
        QStringList notes;
        QVERIFY2(import.project(list - 1, &p, &notes), qPrintable(import.error()));
        QCOMPARE(notes.join(u'\n').contains(note) && notes.isEmpty() == note.isEmpty(), true);
        const QString golden = testpaths::dataFile("pages/" + QFileInfo(page).completeBaseName() + ".qnv");
        if (qEnvironmentVariableIsSet("QN_UPDATE_GOLDEN"))
            QVERIFY(testfiles::writeAll(golden, ProjectFile::serialize(p)));
        MenuProject expected;
        QString error;
        QVERIFY2(ProjectFile::load(golden, &expected, &error), qPrintable(error));
        QCOMPARE(p.items, expected.items);
        QVERIFY(p == expected);
    }

    // [page, list number, menu name, navigation, target, frame, button text, items]
    void pagesOfOtherTools()
    {
        for (const QJsonArray &c : testfiles::tableRows("import/cases.json")) {
            PageImport import;
            MenuProject p;
            QStringList notes;
            QVERIFY2(import.load(testpaths::dataFile("import/" + c[0].toString())),
                     qPrintable(import.error()));
            QVERIFY(import.project(c[1].toInt() - 1, &p, &notes));
            const MenuOptions &o = p.options;
            QCOMPARE(QVariantList({o.menuName, o.navigation, o.linkTarget, o.frameName, o.buttonText}),
                     QVariantList(
                         {c[2].toString(), c[3].toInt(), c[4].toInt(), c[5].toString(), c[6].toString()}));
            QCOMPARE(p.items, rows(c[7].toString()));
            QCOMPARE(notes, QStringList());
        }
    }

    // Texts a list shows as they are come back unchanged; the others as a browser shows them.
    void entryTextsAsListsShowThem_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("indent");
        QTest::newRow("empty") << u""_s << u""_s << 0;
        QTest::newRow("as shown") << u"P <7> \U0001F600 \u65e5"_s << u"P <7> \U0001F600 \u65e5"_s << 0;
        QTest::newRow("spaces, tab, line break") << u" a  b\tc\n"_s << u"a b c"_s << 0;
        QTest::newRow("non-breaking spaces") << u"\u00a0\u00a0S\u00a0b"_s << u"S b"_s << 2;
        QTest::newRow("ideographic space") << u"\u3000x\u3000y"_s << u"x\u3000y"_s << 1;
        QTest::newRow("controls") << u"a\u202Eb\u0001c\u007F\u0085d"_s << u"abcd"_s << 0;
    }
    void entryTextsAsListsShowThem()
    {
        QFETCH(QString, raw);
        QFETCH(QString, text);
        QFETCH(int, indent);
        int got = -1;
        QCOMPARE(SelectImport::cleanText(raw, &got), text);
        QCOMPARE(got, indent);
    }

    void badInputIsRefusedOrBounded_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("message"); // the error, else the note
        QTest::addColumn<int>("items");
        QTest::newRow("no list") << QByteArray("<p>text</p><select") << "has no drop-down list" << 0;
        QTest::newRow("empty list") << QByteArray("<select></select>")
                                    << "1 of the page \"page.html\" was not imported. It has no entries" << 0;
        QTest::newRow("unclosed paragraphs and options")
            << QByteArray("<p><li><option>").repeated(20000) + "<select><option>a"
            << "" << 1;
        QTest::newRow("too many options") << "<select>" + QByteArray("<option value=x>y").repeated(100005)
                                          << "only the first 100,000" << 100000;
        QTest::newRow("hostile text")
            << QByteArrayLiteral("<select><option value=a>\x01\xe2\x80\xae\x00") + QByteArray(40000, 'x')
            << "cut to that length" << 1;
        QTest::newRow("broken bytes")
            << QByteArray("<select><option value=\"\xff\">\xc3(</select><select>") << "" << 1;
    }
    void badInputIsRefusedOrBounded()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, message);
        QFETCH(int, items);
        QString error;
        QStringList notes;
        const MenuProject p = importBytes(page, &error, &notes);
        QVERIFY2((error + notes.join(' ')).contains(message), qPrintable(error + notes.join(' ')));
        QCOMPARE(p.items.size(), items);
        MenuProject reloaded;
        QVERIFY(ProjectFile::parse(ProjectFile::serialize(p), &reloaded, &error) && reloaded == p);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        for (const QJsonArray &r : testfiles::tableRows("import-command-lines.json"))
            QTest::newRow(qPrintable(r[0].toString()))
                << r[1].toVariant().toStringList() << r[2].toInt() << r[3].toString();
    }
    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(::mkfifo(qPrintable(dir.filePath("fifo.html")), 0600) == 0);
        for (QString &a : args)
            a = a == "out.qnv" || a.startsWith("fifo") ? dir.filePath(a)
                : a.endsWith(".html")                  ? testpaths::dataFile("import/" + a)
                                                       : a;
        const testfiles::Run run = testfiles::runQuillnav(QStringList{"--import"} + args);
        QVERIFY2(run.exitCode == exitCode && run.err.contains(message), qPrintable(run.err));
        MenuProject p;
        QString error;
        QCOMPARE(ProjectFile::load(dir.filePath("out.qnv"), &p, &error) && p.options.menuName == "quicklinks",
                 exitCode == 0);
    }

    void windowImportIsOneUndoStep()
    {
        std::unique_ptr<Form1> w;
        QVERIFY(showWindow(w));
        QTemporaryDir dir;
        MenuProject old;
        old.items = rows("A@a");
        QString error, page;
        QVERIFY(ProjectFile::save(dir.filePath("m.qnv"), old, &error)
                && w->document()->load(dir.filePath("m.qnv"), &error));
        w->choosers().importPage = [&page](QWidget *) { return testpaths::dataFile("import/" + page); };
        const auto import = [&](const QString &name) {
            page = name, action(*w, "mnuFileImport")->trigger(), settle(*w);
        };
        {
            modalwatch::MessageBoxCatcher boxes;
            import("no-select.html");
            QVERIFY(boxes.count == 1 && boxes.text.contains("has no drop-down list"));
        }
        QVERIFY(w->document()->project() == old && !w->document()->isModified());
        import("jump-menu.html");
        QCOMPARE(w->document()->project().items.size(), 8);
        QVERIFY(w->document()->isModified());
        QCOMPARE(w->document()->undoStack()->undoText(), "Import Menu");
        QCOMPARE(w->document()->filePath(), dir.filePath("m.qnv"));
        w->document()->undoStack()->undo();
        QVERIFY(w->document()->project() == old && !w->document()->isModified());
        int startRow = -1; // the chooser starts on the list that navigates, the second here
        modalwatch::whenModal(w.get(), [&startRow](QWidget *modal) {
            auto *list = modal->findChild<QListWidget *>("lstSelects");
            return list && (startRow = list->currentRow(), qobject_cast<QDialog *>(modal)->accept(), true);
        });
        import("../pages/blog-categories.html");
        QCOMPARE(startRow, 1);
        QCOMPARE(w->document()->project().options.menuName, "cat");
        modalwatch::whenModal(w.get(), [](QWidget *modal) {
            auto *list = modal->findChild<QListWidget *>("lstSelects");
            return list && (list->setCurrentRow(1), qobject_cast<QDialog *>(modal)->accept(), true);
        });
        import("two-selects.html");
        QCOMPARE(w->document()->project().options.menuName, "quicklinks");
    }
};

QTEST_MAIN(TestImport)
#include "tst_import.moc"
