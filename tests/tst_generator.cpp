// Golden tests of the menu code generator: each case builds a project, and the
// head and body fragments must equal the stored files byte for byte. Set
// QN_UPDATE_GOLDEN=1 to rewrite the files after a deliberate change (then read
// the diff before committing it).
#include "codegen/MenuCodeGenerator.h"
#include "support/TestPaths.h"

#include <QFile>
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

// The worked example: menu M, same window, button click, text button "Go",
// alignment Middle, system colours, Home (default) and a separator.
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
using ProjectMaker = std::function<MenuProject()>;
Q_DECLARE_METATYPE(ProjectMaker)

class TestGenerator : public QObject {
    Q_OBJECT
private slots:
    void golden_data();
    void golden();
    void headDependsOnlyOnTarget();
    void separatorRunLength_data();
    void separatorRunLength();
    void optionLines_data();
    void optionLines();
    void flagsOtherThanOneOrZero();
    void emptyListMakesWellFormedCode();
};

void TestGenerator::golden_data()
{
    QTest::addColumn<ProjectMaker>("make");
    QTest::addColumn<QString>("mode");

    QTest::newRow("worked-example") << ProjectMaker(workedExample) << codegen::kCodeMode;
    QTest::newRow("worked-example-preview") << ProjectMaker(workedExample) << codegen::kPreviewMode;
    QTest::newRow("new-window") << ProjectMaker([] {
        MenuProject p = workedExample();
        p.options.linkTarget = MenuOptions::NewWindow;
        p.options.buttonAlign = MenuOptions::AlignTop;
        return p;
    }) << codegen::kCodeMode;
    QTest::newRow("frame-target") << ProjectMaker([] {
        MenuProject p = workedExample();
        p.options.linkTarget = MenuOptions::DifferentFrame;
        p.options.frameName = "F";
        p.options.buttonAlign = MenuOptions::AlignBottom;
        return p;
    }) << codegen::kCodeMode;
    QTest::newRow("item-change-graphic-without-url") << ProjectMaker([] {
        MenuProject p = workedExample();
        p.options.menuName = "nav menu";
        p.options.navigation = MenuOptions::OnItemChange;
        p.options.buttonKind = MenuOptions::GraphicButton;
        return p;
    }) << codegen::kCodeMode;
    QTest::newRow("graphic-full") << ProjectMaker([] {
        MenuProject p = workedExample();
        p.options.buttonKind = MenuOptions::GraphicButton;
        p.options.graphicUrl = "img/go.gif";
        p.options.graphicWidth = "40";
        p.options.graphicHeight = "abc";
        p.options.altText = "Go there";
        return p;
    }) << codegen::kCodeMode;
    QTest::newRow("graphic-bare") << ProjectMaker([] {
        MenuProject p = workedExample();
        p.options.buttonKind = MenuOptions::GraphicButton;
        p.options.graphicUrl = "go.png";
        return p;
    }) << codegen::kPreviewMode;
    QTest::newRow("colours-with-border") << ProjectMaker([] {
        MenuProject p = workedExample();
        p.menuStyle.mnuSysClr = 0;
        p.menuStyle.mnuClr = {"#112233", "#ffeedd"};
        p.menuStyle.mnuItalic = 1;
        p.menuStyle.mnuUnderline = 1;
        p.menuStyle.mnuWidth = "150";
        p.menuStyle.mnuFont = "DejaVu Sans";
        p.menuStyle.mnuFontSize = "12";
        p.menuStyle.mnuFontWeight = "700";
        p.buttonStyle.bttnSysClr = 0;
        p.buttonStyle.bttnNoBorder = 0;
        p.buttonStyle.bttnBorder = "3";
        p.buttonStyle.bttnClr = {"#000001", "#000002", "#000003", "#000004", "#000005", "#000006"};
        p.buttonStyle.bttnItalic = 1;
        p.buttonStyle.bttnUnderline = 1;
        p.buttonStyle.bttnWidth = "80";
        p.buttonStyle.bttnHeight = "24";
        p.buttonStyle.bttnFontWeight = "300";
        return p;
    }) << codegen::kCodeMode;
    QTest::newRow("colours-without-border") << ProjectMaker([] {
        MenuProject p = workedExample();
        p.buttonStyle.bttnSysClr = 0;
        p.buttonStyle.bttnNoBorder = 1;
        p.buttonStyle.bttnBorder = "3";
        return p;
    }) << codegen::kCodeMode;
    QTest::newRow("markup-and-unicode-unescaped") << ProjectMaker([] {
        MenuProject p;
        p.options.menuName = "m\"1";
        p.options.buttonText = "<Go> & \"run\"";
        p.items = {linked("Caf\u00e9 \u65e5\u672c \U0001F600  ", "a.html?x=1&y='2'", false),
                   unlinked("  Two words  ", true), MenuItem::separator()};
        return p;
    }) << codegen::kCodeMode;
}

void TestGenerator::golden()
{
    QFETCH(ProjectMaker, make);
    QFETCH(QString, mode);
    const MenuCode code = GenerateMenuCode(mode, make());
    const QString name = QTest::currentDataTag();
    compareGolden(name + ".head.txt", code.head);
    compareGolden(name + ".body.txt", code.body);
}

void TestGenerator::headDependsOnlyOnTarget()
{
    MenuProject a = workedExample();
    MenuProject b = workedExample();
    b.options.menuName = "Other";
    b.items.append(linked("More", "more.html"));
    b.options.navigation = MenuOptions::OnItemChange;
    QCOMPARE(GenerateMenuCode(codegen::kCodeMode, a).head, GenerateMenuCode("x", b).head);

    a.options.linkTarget = b.options.linkTarget = MenuOptions::DifferentFrame;
    a.options.frameName = "F";
    b.options.frameName = "F";
    const QString head = GenerateMenuCode(codegen::kCodeMode, a).head;
    QCOMPARE(head, GenerateMenuCode(codegen::kCodeMode, b).head);
    QVERIFY(head.contains(") parent.F.location.href=thisform.selectsite.options[thisform."
                          "selectsite.options.selectedIndex].value\r\n"));
}

void TestGenerator::separatorRunLength_data()
{
    QTest::addColumn<QList<MenuItem>>("items");
    QTest::addColumn<int>("hyphens");

    QTest::newRow("separators only") << QList<MenuItem>{MenuItem::separator(), MenuItem::separator()} << 0;
    QTest::newRow("indent prefix counts")
        << QList<MenuItem>{linked("Home", "h"), linked("--- Products", "p"), MenuItem::separator()} << 12;
    QTest::newRow("trailing blanks count")
        << QList<MenuItem>{linked("ab   ", "h"), MenuItem::separator()} << 5;
    QTest::newRow("19 hyphens is an item")
        << QList<MenuItem>{unlinked(QString(19, '-')), MenuItem::separator()} << 19;
    QTest::newRow("21 hyphens is an item")
        << QList<MenuItem>{unlinked(QString(21, '-')), MenuItem::separator()} << 21;
    QTest::newRow("unwritten item still counts")
        << QList<MenuItem>{MenuItem{"abcdefgh", "Maybe", "", "No"}, MenuItem::separator()} << 8;
    QTest::newRow("characters, not code units")
        << QList<MenuItem>{unlinked("\U0001F600\U0001F601"), MenuItem::separator()} << 2;
}

void TestGenerator::separatorRunLength()
{
    QFETCH(QList<MenuItem>, items);
    QFETCH(int, hyphens);
    MenuProject p = workedExample();
    p.items = items;
    const QString body = GenerateMenuCode(codegen::kCodeMode, p).body;
    QVERIFY(body.contains("<OPTION value=\"nolink\">" + QString(hyphens, '-') + "\r\n"));
    QVERIFY(!body.contains("<OPTION value=\"nolink\">" + QString(hyphens + 1, '-') + "\r\n"));
}

void TestGenerator::optionLines_data()
{
    QTest::addColumn<MenuItem>("item");
    QTest::addColumn<QString>("line");

    QTest::newRow("linked") << linked("Home", "index.html") << "<OPTION value=\"index.html\">Home\r\n";
    QTest::newRow("linked default") << linked("Home", "i.html", true)
                                    << "<OPTION value=\"i.html\" SELECTED>Home\r\n";
    QTest::newRow("linked empty url") << linked("Home", "") << "<OPTION value=\"\">Home\r\n";
    QTest::newRow("not linked") << unlinked("About") << "<OPTION value=\"nolink\">About\r\n";
    QTest::newRow("not linked default")
        << unlinked("About", true) << "<OPTION value=\"nolink\" SELECTED>About\r\n";
    QTest::newRow("selected other text")
        << MenuItem{"X", "Yes", "x", "yes"} << "<OPTION value=\"x\" SELECTED>X\r\n";
    QTest::newRow("trailing blanks dropped, leading kept")
        << linked("  Home  ", "h") << "<OPTION value=\"h\">  Home\r\n";
    QTest::newRow("indented keeps prefix") << linked("--- Sub", "s") << "<OPTION value=\"s\">--- Sub\r\n";
    QTest::newRow("separator never selected")
        << MenuItem{menutext::kSeparatorText, "Yes", "u", "Yes"} << "<OPTION value=\"nolink\">\r\n";
}

void TestGenerator::optionLines()
{
    QFETCH(MenuItem, item);
    QFETCH(QString, line);
    MenuProject p = workedExample();
    p.items = {item};
    const QString body = GenerateMenuCode(codegen::kCodeMode, p).body;
    const qsizetype start = body.indexOf("<OPTION");
    QVERIFY(start > 0);
    QCOMPARE(body.mid(start, body.indexOf("</select>") - start), line);
}

void TestGenerator::flagsOtherThanOneOrZero()
{
    MenuProject p = workedExample();
    p.menuStyle.mnuItalic = 2;
    p.menuStyle.mnuUnderline = -1;
    p.menuStyle.mnuSysClr = 2; // anything but 0 means system colours
    p.buttonStyle.bttnItalic = 2;
    p.buttonStyle.bttnSysClr = 0;
    p.buttonStyle.bttnNoBorder = 2; // anything but 1 means a border
    const QString body = GenerateMenuCode(codegen::kCodeMode, p).body;
    QVERIFY(!body.contains("Italic'"));
    QVERIFY(!body.contains("Underline'"));
    QCOMPARE(body.count("background-color"), 1);
    QVERIFY(body.contains("border-style='Solid';border-width=\">"));
}

void TestGenerator::emptyListMakesWellFormedCode()
{
    MenuProject p = workedExample();
    p.items.clear();
    const QString body = GenerateMenuCode(codegen::kCodeMode, p).body;
    QVERIFY(!body.contains("<OPTION"));
    QVERIFY(body.contains("\">\r\n</select>\r\n"));
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
