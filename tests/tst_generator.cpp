// Golden tests of the menu code generator: each case builds a project, and the
// fragments of both dialects must equal the stored files byte for byte (golden/
// classic, golden/html5/ HTML5 with one shared head). QN_UPDATE_GOLDEN=1 rewrites
// the files after a deliberate change (then read the diff before committing it).
#include "codegen/MenuCodeGenerator.h"
#include "platform/ShortCopy.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <functional>

namespace {

MenuItem linked(const QString &text, const QString &url, bool selected = false)
{
    return {text, "Yes", url, selected ? "Yes" : "No"};
}

MenuItem unlinked(const QString &text, bool selected = false)
{
    return {text, "No", QString(), selected ? "Yes" : "No"};
}

// Menu M, same window, button click, text button "Go", system colours, Home (default), separator.
MenuProject workedExample()
{
    MenuProject p;
    p.options.menuName = "M";
    p.items = {linked("Home", "index.html", true), MenuItem::separator()};
    return p;
}

void compareGolden(const QString &name, const QString &actual)
{
    QFile f(testpaths::dataFile("golden/" + name));
    if (qEnvironmentVariableIsSet("QN_UPDATE_GOLDEN")) {
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(actual.toUtf8());
        return;
    }
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(name));
    // Line by line first, so that a failure names the line; then every byte.
    const QStringList expected = QString::fromUtf8(f.readAll()).split('\n');
    const QStringList lines = actual.split('\n');
    for (qsizetype i = 0; i < std::min(lines.size(), expected.size()); ++i)
        QCOMPARE(lines.at(i), expected.at(i));
    QCOMPARE(lines.size(), expected.size());
}

} // namespace

Q_DECLARE_METATYPE(MenuItem)
using ProjectEdit = std::function<void(MenuProject &)>; // changes to the worked example
Q_DECLARE_METATYPE(ProjectEdit)

class TestGenerator : public QObject {
    Q_OBJECT
private slots:
    // Each case is a project file, golden/NAME.qnv, its code made in the mode the table
    // gives; values no project file holds are set on the worked example here.
    void golden_data()
    {
        QTest::addColumn<ProjectEdit>("edit");
        QTest::addColumn<QString>("mode");
        for (const QJsonArray &r : testfiles::tableRows("golden/cases.json")) {
            const QString file = testpaths::dataFile("golden/" + r[0].toString() + ".qnv");
            QTest::newRow(qPrintable(r[0].toString())) << ProjectEdit([file](MenuProject &p) {
                QString error;
                QVERIFY2(ProjectFile::load(file, &p, &error), qPrintable(error));
            }) << r[1].toString();
        }
        QTest::newRow("flags-other-than-one-or-zero")
            << ProjectEdit([](MenuProject &p) { // italic etc. only for 1, system colours for all but 0
                   p.menuStyle = {{"#000000", "#FFFFFF"}, 2, "F", "13", "500", 2, -1, "", 1};
                   p.buttonStyle.bttnItalic = 2;
                   p.buttonStyle.bttnSysClr = 0;
                   p.buttonStyle.bttnNoBorder = 2; // anything but 1 means a border
               })
            << codegen::kCodeMode;
        QTest::newRow("foundry-and-fallback")
            << ProjectEdit([](MenuProject &p) { // HTML5: the family alone, then its generic one
                   p.menuStyle.mnuFont = "C059 [urw]", p.menuStyle.mnuFontFallback = "serif";
                   p.buttonStyle.bttnFont = "Mono [x] [PfEd]", p.buttonStyle.bttnFontFallback = "monospace";
               })
            << codegen::kCodeMode;
        QTest::newRow("values-css-cannot-carry") << ProjectEdit(
            [](MenuProject &p) { // left out of HTML5 styles
                p.items.prepend(unlinked("Pick\x01 </option>"));
                p.items[1].selected = "No";
                p.options.frameName = "x\" onload=\"alert(1)";
                p.options.linkTarget = MenuOptions::DifferentFrame;
                p.menuStyle = {{"#12345", "red"}, 0, "A\\'\"\n;}", "1em; color: red", "bold", 0, 0, "50%", 1};
                p.buttonStyle.bttnSysClr = 0;
                p.buttonStyle.bttnNoBorder = 0;
                p.buttonStyle.bttnFont = "";
            }) << codegen::kCodeMode;
    }

    void golden()
    {
        QFETCH(ProjectEdit, edit);
        QFETCH(QString, mode);
        MenuProject p = workedExample();
        edit(p);
        const MenuCode code = GenerateMenuCode(mode, p);
        const QString name = QTest::currentDataTag();
        compareGolden(name + ".head.txt", code.head);
        compareGolden(name + ".body.txt", code.body);
        p.dialect = CodeDialect::Html5;
        const MenuCode html5 = GenerateMenuCode(mode, p);
        QCOMPARE(html5.dialect, CodeDialect::Html5);
        compareGolden("html5/head.txt", html5.head);
        compareGolden("html5/" + name + ".body.txt", html5.body);
    }

    // The copies the streamed code is made of, at every length around the
    // sizes of their moves: exactly the bytes, and nothing beside them.
    void shortCopies_data()
    {
        QTest::addColumn<int>("length");
        for (const int n : {0, 1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 31, 32, 33, 48, 63, 64, 65, 255, 256, 257, 300})
            QTest::addRow("%d bytes", n) << n;
    }

    void shortCopies()
    {
        QFETCH(int, length);
        QByteArray from(length + 32, Qt::Uninitialized);
        for (qsizetype i = 0; i < from.size(); ++i)
            from[i] = char('a' + i % 26);
        QByteArray to(length + 32, '#');
        copyShort(to.data() + 16, from.constData() + 16, size_t(length));
        QCOMPARE(to.mid(16, length), from.mid(16, length));
        QCOMPARE(to.left(16) + to.mid(16 + length), QByteArray(32, '#'));
    }

    void separatorRunLength_data()
    {
        QTest::addColumn<QList<MenuItem>>("items");
        QTest::addColumn<int>("hyphens");

        const MenuItem sep = MenuItem::separator();
        QTest::newRow("separators only") << QList<MenuItem>{sep, sep} << 0;
        QTest::newRow("indent prefix counts")
            << QList<MenuItem>{linked("Home", "h"), linked("--- Products", "p"), sep} << 12;
        QTest::newRow("19 hyphens is an item") << QList<MenuItem>{unlinked(QString(19, '-')), sep} << 19;
        QTest::newRow("unwritten item still counts")
            << QList<MenuItem>{MenuItem{"abcdefgh", "Maybe", "", "No"}, sep} << 8;
    }

    void separatorRunLength()
    {
        QFETCH(QList<MenuItem>, items);
        QFETCH(int, hyphens);
        MenuProject p = workedExample();
        p.items = items;
        const QString body = GenerateMenuCode(codegen::kCodeMode, p).body;
        QVERIFY(body.contains("<OPTION value=\"nolink\">" + QString(hyphens, '-') + "\r\n"));
        QVERIFY(!body.contains("<OPTION value=\"nolink\">" + QString(hyphens + 1, '-') + "\r\n"));
    }

    void optionLines_data()
    {
        QTest::addColumn<MenuItem>("item");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("html5");
        for (const QJsonArray &r : testfiles::tableRows("option-lines.json")) {
            const QJsonArray i = r[1].toArray();
            QTest::newRow(qPrintable(r[0].toString()))
                << MenuItem{i[0].toString(), i[1].toString(), i[2].toString(), i[3].toString()}
                << r[2].toString() << r[3].toString();
        }
    }

    void optionLines()
    {
        QFETCH(MenuItem, item);
        QFETCH(QString, line);
        QFETCH(QString, html5);
        MenuProject p = workedExample();
        p.items = {item};
        for (const QString &expected : {line, html5.isEmpty() ? html5 : html5 + "</option>"}) {
            const QString body = GenerateMenuCode(codegen::kCodeMode, p).body;
            const qsizetype start = body.indexOf(">\r\n", body.indexOf("<select", 0, Qt::CaseInsensitive));
            QCOMPARE(body.mid(start + 3, body.indexOf("</select>") - start - 3),
                     expected.isEmpty() ? expected : expected + "\r\n");
            p.dialect = CodeDialect::Html5;
        }
    }
};

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
