// Saved menu projects: round trips, defaults for missing fields, and the
// refusal of anything the program could not hold, with a message naming the
// field and the problem.
#include "codegen/MenuCodeGenerator.h"
#include "menu/ProjectFile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

MenuProject richProject()
{
    MenuProject p;
    p.items = {{"Home", "Yes", "index.html", "No"},
               {"--- Caf\u00e9 \U0001F600 \"q\" <b>", "Yes", "c.html?a=1&b=2", "Yes"},
               {menutext::kSeparatorText, "No", "", "No"},
               {"  spaced  ", "No", "", "No"}};
    p.options.menuName = "main menu";
    p.options.linkTarget = MenuOptions::DifferentFrame;
    p.options.frameName = "content";
    p.options.navigation = MenuOptions::OnButtonClick;
    p.options.buttonKind = MenuOptions::GraphicButton;
    p.options.buttonText = "Los";
    p.options.graphicUrl = "go.gif";
    p.options.altText = "alt";
    p.options.graphicWidth = "10";
    p.options.graphicHeight = "x";
    p.options.buttonAlign = MenuOptions::AlignBottom;
    p.menuStyle.mnuClr = {"#a0b0c0", "#0A0B0C"};
    p.menuStyle.mnuSysClr = 0;
    p.menuStyle.mnuFont = "A Font Nobody Has Installed";
    p.menuStyle.mnuFontSize = "11.5";
    p.menuStyle.mnuFontWeight = "730";
    p.menuStyle.mnuItalic = 1;
    p.menuStyle.mnuWidth = "12a";
    p.menuStyle.mnuConstWidth = 0;
    p.buttonStyle.bttnClr = {"#000001", "#000002", "#000003", "#000004", "#000005", "#000006"};
    p.buttonStyle.bttnSyncTL = 0;
    p.buttonStyle.bttnSysClr = 0;
    p.buttonStyle.bttnNoBorder = 0;
    p.buttonStyle.bttnBorder = "2";
    p.buttonStyle.bttnWidth = "9999";
    p.buttonStyle.bttnFontWeight = "100";
    p.buttonStyle.bttnFont = "Another Missing Font";
    return p;
}

// A valid project file as JSON, to be broken one field at a time.
QJsonObject validJson()
{
    return QJsonDocument::fromJson(ProjectFile::serialize(richProject())).object();
}

QJsonValue setPath(QJsonValue node, const QStringList &path, int depth, const QJsonValue &value,
                   bool remove)
{
    const QString key = path.at(depth);
    bool isIndex = false;
    const int index = key.toInt(&isIndex);
    const bool last = depth == path.size() - 1;
    if (isIndex) {
        QJsonArray a = node.toArray();
        a[index] = last ? value : setPath(a.at(index), path, depth + 1, value, remove);
        return a;
    }
    QJsonObject o = node.toObject();
    if (last && remove)
        o.remove(key);
    else
        o[key] = last ? value : setPath(o.value(key), path, depth + 1, value, remove);
    return o;
}

QByteArray withField(const QString &dottedPath, const QJsonValue &value, bool remove = false)
{
    const QJsonValue root = setPath(validJson(), dottedPath.split('.'), 0, value, remove);
    return QJsonDocument(root.toObject()).toJson();
}

} // namespace

class TestProjectFile : public QObject {
    Q_OBJECT
private slots:
    void roundTripKeepsEverything();
    void missingOptionalFieldsTakeStartupValues();
    void unknownFieldsAreIgnored();
    void refusals_data();
    void refusals();
    void syntaxErrorNamesLineAndColumn();
    void refusedLoadLeavesProjectUntouched();
    void loadAndSaveFailuresNameTheFile();
};

void TestProjectFile::roundTripKeepsEverything()
{
    const MenuProject original = richProject();
    QTemporaryDir dir;
    const QString path = dir.filePath("menu.qnv");
    QString error;
    QVERIFY2(ProjectFile::save(path, original, &error), qPrintable(error));
    MenuProject loaded;
    QVERIFY2(ProjectFile::load(path, &loaded, &error), qPrintable(error));
    QVERIFY(loaded == original);
    for (const QString &mode : {codegen::kCodeMode, codegen::kPreviewMode}) {
        const MenuCode a = GenerateMenuCode(mode, original);
        const MenuCode b = GenerateMenuCode(mode, loaded);
        QCOMPARE(b.head, a.head);
        QCOMPARE(b.body, a.body);
    }
    // The file is UTF-8 JSON carrying the exact shape.
    const QJsonObject root = validJson();
    QCOMPARE(root.value("format").toString(), QString("quillnav-menu-project"));
    QCOMPARE(root.value("version").toInt(), 1);
    QCOMPARE(root.value("options").toObject().size(), 11);
    QCOMPARE(root.value("menuStyle").toObject().size(), 9);
    QCOMPARE(root.value("buttonStyle").toObject().size(), 14);
}

void TestProjectFile::missingOptionalFieldsTakeStartupValues()
{
    MenuProject p;
    QString error;
    QVERIFY2(ProjectFile::parse(R"({"format":"quillnav-menu-project","version":1,"items":[],
        "options":{"menuName":"M"}})",
                                &p, &error),
             qPrintable(error));
    MenuProject expected;
    expected.options.menuName = "M";
    QVERIFY(p == expected);
    QCOMPARE(p.options.buttonText, QString("Go"));
    QCOMPARE(p.options.buttonAlign, int(MenuOptions::AlignMiddle));
    QCOMPARE(p.buttonStyle.bttnClr[1], QString("#D4D0C8"));
}

void TestProjectFile::unknownFieldsAreIgnored()
{
    QJsonObject root = validJson();
    root["comment"] = "made by hand";
    QJsonObject options = root["options"].toObject();
    options["future"] = QJsonArray{1, 2};
    root["options"] = options;
    MenuProject p;
    QString error;
    QVERIFY2(ProjectFile::parse(QJsonDocument(root).toJson(), &p, &error), qPrintable(error));
    QVERIFY(p == richProject());
}

void TestProjectFile::refusals_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    auto row = [](const char *name, const QString &path, const QJsonValue &v, const QString &msg) {
        QTest::newRow(name) << withField(path, v) << msg;
    };
    row("wrong format", "format", "something-else", "format: must be \"quillnav-menu-project\"");
    row("newer version", "version", 2, "version: 2 is newer than this program reads (1)");
    row("version text", "version", "1", "version: must be a whole number");
    QTest::newRow("items missing") << withField("items", {}, true) << "items: is missing";
    row("items not list", "items", QJsonObject(), "items: must be a list");
    row("item not object", "items.1", 5, "items[1]: must be an object");
    QTest::newRow("item text missing") << withField("items.0.text", {}, true) << "items[0].text: is missing";
    row("item text number", "items.0.text", 3, "items[0].text: must be a text");
    row("linked lower case", "items.2.linked", "yes", "items[2].linked: must be \"Yes\" or \"No\"");
    row("selected other", "items.0.selected", "Maybe", "items[0].selected: must be \"Yes\" or \"No\"");
    row("two defaults", "items.3.selected", "Yes",
        "items[3].selected: only one item can be the default selection (items[1] already is)");
    row("options not object", "options", 1, "options: must be an object");
    row("link target 3", "options.linkTarget", 3, "options.linkTarget: must be a whole number from 0 to 2");
    row("link target fraction", "options.linkTarget", 1.5, "options.linkTarget: must be a whole number");
    row("button kind -1", "options.buttonKind", -1, "options.buttonKind: must be a whole number from 0 to 1");
    row("align 3", "options.buttonAlign", 3, "options.buttonAlign: must be a whole number from 0 to 2");
    row("menu name number", "options.menuName", 7, "options.menuName: must be a text");
    row("flag 2", "menuStyle.mnuItalic", 2, "menuStyle.mnuItalic: must be a whole number from 0 to 1");
    row("flag true", "buttonStyle.bttnNoBorder", true, "buttonStyle.bttnNoBorder: must be a whole number");
    row("colour short", "menuStyle.mnuClr.1", "#FFF", "menuStyle.mnuClr[1]: must be a colour");
    row("colour not hex", "buttonStyle.bttnClr.5", "#GG0000", "buttonStyle.bttnClr[5]: must be a colour");
    row("colours too few", "menuStyle.mnuClr", QJsonArray{"#000000"}, "menuStyle.mnuClr: must be a list of 2 colours");
    row("weight 950", "menuStyle.mnuFontWeight", "950", "menuStyle.mnuFontWeight: must be a whole number from 100 to 900");
    row("weight leading zero", "menuStyle.mnuFontWeight", "0500", "menuStyle.mnuFontWeight: must be");
    row("weight number", "menuStyle.mnuFontWeight", 500, "menuStyle.mnuFontWeight: must be a text");
    row("menu width 5 chars", "menuStyle.mnuWidth", "12345", "menuStyle.mnuWidth: must be at most 4 characters");
    row("button width letters", "buttonStyle.bttnWidth", "12a", "buttonStyle.bttnWidth: must contain digits only");
    row("border minus", "buttonStyle.bttnBorder", "-1", "buttonStyle.bttnBorder: must contain digits only");
    row("button size letters", "buttonStyle.bttnFontSize", "13px", "buttonStyle.bttnFontSize: must contain digits only");
    QTest::newRow("not an object") << QByteArray("[1,2]") << "the file must hold one JSON object";
}

void TestProjectFile::refusals()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    MenuProject p;
    QString error;
    QVERIFY(!ProjectFile::parse(bytes, &p, &error));
    QVERIFY2(error.startsWith(message), qPrintable(error));
}

void TestProjectFile::syntaxErrorNamesLineAndColumn()
{
    MenuProject p;
    QString error;
    QVERIFY(!ProjectFile::parse("{\n  \"format\": \"quillnav-menu-project\",\n  \"version\" 1\n}", &p, &error));
    QVERIFY2(error.startsWith("JSON syntax error at line 3, column "), qPrintable(error));
}

void TestProjectFile::refusedLoadLeavesProjectUntouched()
{
    MenuProject p = richProject();
    QString error;
    QVERIFY(!ProjectFile::parse(withField("items.3.selected", "Yes"), &p, &error));
    QVERIFY(p == richProject());
}

void TestProjectFile::loadAndSaveFailuresNameTheFile()
{
    QTemporaryDir dir;
    MenuProject p;
    QString error;
    const QString missing = dir.filePath("nothing-here.qnv");
    QVERIFY(!ProjectFile::load(missing, &p, &error));
    QVERIFY2(error.contains(missing), qPrintable(error));

    const QString bad = dir.filePath("bad.qnv");
    QFile f(bad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(withField("options.linkTarget", 9));
    f.close();
    QVERIFY(!ProjectFile::load(bad, &p, &error));
    QVERIFY2(error.contains(bad) && error.contains("options.linkTarget"), qPrintable(error));

    // A folder where the file should go cannot be written, even by root.
    QFile blocker(dir.filePath("afile"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString unwritable = dir.filePath("afile/menu.qnv");
    QVERIFY(!ProjectFile::save(unwritable, richProject(), &error));
    QVERIFY2(error.contains(unwritable), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
