// Saved menu projects: round trips, defaults for missing fields, and the
// refusal of anything the program could not hold, with a message naming the
// field and the problem.
#include "codegen/CodeLimit.h"
#include "codegen/MenuCodeGenerator.h"
#include "codegen/PartedWalk.h"
#include "codegen/TextBuilder.h"
#include "menu/ProjectFile.h"
#include "platform/RegularFile.h"
#include "support/TestFiles.h"

#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A project with every field away from its start-up value, texts with
// markup, quotes and characters outside the BMP.
const QString kRich = testpaths::dataFile("rich-project.qnv");

MenuProject richProject()
{
    MenuProject p;
    QString error;
    if (!ProjectFile::load(kRich, &p, &error))
        qFatal("%s", qPrintable(error));
    return p;
}

// A valid project file as JSON, to be broken one field at a time.
QJsonObject validJson()
{
    return QJsonDocument::fromJson(testfiles::readAll(kRich)).object();
}

QJsonValue setPath(QJsonValue node, const QStringList &path, int depth, const QJsonValue &value, bool remove)
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

// One item as long as a field takes and enough separators, each as long as
// that item, to pass the limit of the generated code.
QJsonArray hugeCodeItems()
{
    QJsonArray items{QJsonObject{{"text", QString(ProjectFile::kMaxTextLength, 'x')},
                                 {"linked", "No"},
                                 {"url", ""},
                                 {"selected", "No"}}};
    const QJsonObject separator{
        {"text", menutext::kSeparatorText}, {"linked", "No"}, {"url", ""}, {"selected", "No"}};
    for (qint64 n = 0; n * ProjectFile::kMaxTextLength <= ProjectFile::kMaxCodeLength; ++n)
        items.append(separator);
    return items;
}

// A project file around the text of its item list.
QByteArray withItems(const QByteArray &items, const QByteArray &after = {})
{
    return R"({"format": "quillnav-menu-project", "version": 1, "options": {"menuName": "M"},)"
           "\n\"items\": [\n"
           + items + "\n]" + after + "}\n";
}

// Enough items, one per line, for a list read in two halves at once; with
// line ends of CR LF and, where asked, a second default far from the first.
QByteArray manyItems(int count, int secondDefault = -1)
{
    QByteArray text;
    for (int i = 0; i < count; ++i) {
        const bool selected = i == 5 || i == secondDefault;
        text += i % 40 == 39 ? QByteArray(
                    R"({"linked": "No", "selected": "No", "text": "--------------------", "url": ""})")
                             : R"({"linked": "Yes", "selected": ")" + QByteArray(selected ? "Yes" : "No")
                                   + R"(", "text": "Page \")" + QByteArray::number(i)
                                   + R"(\" caf\u00e9", "url": "/p/)" + QByteArray::number(i) + ".html\"}";
        text += i + 1 < count ? ",\r\n" : "";
    }
    return text;
}

} // namespace

class TestProjectFile : public QObject {
    Q_OBJECT
private slots:
    void roundTripKeepsEverything()
    {
        const MenuProject original = richProject();
        QTemporaryDir dir;
        const QString path = dir.filePath("menu.qnv");
        QString error;
        QVERIFY2(ProjectFile::save(path, original, &error), qPrintable(error));
        QCOMPARE(testfiles::readAll(path), testfiles::readAll(kRich)); // saved exactly as it was read
        MenuProject loaded;
        QVERIFY2(ProjectFile::load(path, &loaded, &error), qPrintable(error));
        QVERIFY(loaded == original);
        QCOMPARE(loaded.items.at(1).text, "--- Caf\u00e9 \U0001F600 \"q\" <b>");
    }

    // U+FEFF at the start of a text is a character like any other, where it
    // stands alone in a text without escapes too (Qt's own reader drops it there).
    void roundTripKeepsLeadingFeff()
    {
        const QString feff(QChar(0xFEFF));
        MenuProject p;
        p.items = {MenuItem{feff + "Home", "Yes", feff, "No"}, MenuItem{feff + feff, "No", "", "Yes"}};
        p.options.menuName = feff + "M";
        for (const bool walked : {false, true}) {
            MenuProject loaded;
            MenuItems items;
            QString error;
            QVERIFY2(walked ? ProjectFile::parse(ProjectFile::serialize(p), &loaded, &items, &error)
                            : ProjectFile::parse(ProjectFile::serialize(p), &loaded, &error),
                     qPrintable(error));
            if (walked)
                QVERIFY(items.summary == MenuItemSummary::of(p.items));
            else
                QCOMPARE(loaded, p);
        }
    }

    void lenientReading()
    {
        // Missing optional fields take their start-up values.
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
        QCOMPARE(p.buttonStyle.bttnClr[1], QString("#D4D0C8"));
        // Unknown fields are ignored.
        QJsonObject root = validJson();
        root["comment"] = "made by hand";
        QJsonObject options = root["options"].toObject();
        options["future"] = QJsonArray{1, 2};
        root["options"] = options;
        QVERIFY2(ProjectFile::parse(QJsonDocument(root).toJson(), &p, &error), qPrintable(error));
        QVERIFY(p == richProject());
        // A font stored with Qt's trailing foundry suffix loads under the name browsers know.
        for (const auto &[stored, loaded] : {std::pair{"C059 [urw]", "C059"},
                                             {"Nimbus Sans [URW ]", "Nimbus Sans"},
                                             {"Mono [x] Pro", "Mono [x] Pro"},
                                             {"[urw]", "[urw]"}}) {
            QVERIFY(ProjectFile::parse(withField("menuStyle.mnuFont", stored), &p, &error));
            QCOMPARE(p.menuStyle.mnuFont, QString(loaded));
            QVERIFY(ProjectFile::parse(withField("buttonStyle.bttnFont", stored), &p, &error));
            QCOMPARE(p.buttonStyle.bttnFont, QString(loaded));
        }
    }

    void refusals_data(); // defined below the class: moc misreads a raw string in it

    void refusals()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        MenuProject p = richProject();
        QString error;
        ProjectFile::Refused refused = ProjectFile::Refused::Nothing;
        QVERIFY(!ProjectFile::parse(bytes, &p, &error, &refused));
        QVERIFY2(error.startsWith(message), qPrintable(error));
        QCOMPARE(refused, message.startsWith("JSON syntax error") ? ProjectFile::Refused::Syntax
                                                                  : ProjectFile::Refused::Content);
        QVERIFY(p == richProject()); // a refused file changes nothing
        MenuItems items;             // the same when the items stay in the text, as the export reads them
        QString walkedError;
        QVERIFY(!ProjectFile::parse(bytes, &p, &items, &walkedError));
        QCOMPARE(walkedError, error);
    }

    void walkedItemsGiveTheSameCode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("rich project") << testfiles::readAll(kRich);
        for (const QJsonArray &r : testfiles::tableRows("project-walks.json"))
            QTest::newRow(qPrintable(r[0].toString()))
                << withItems(r[1].toString().toUtf8(), r[2].toString().toUtf8());
        const QByteArray feff = "\xEF\xBB\xBF"; // U+FEFF in UTF-8, which QString::fromUtf8 drops at the start
        QTest::newRow("texts starting with U+FEFF") << withItems(
            R"({"linked": "Yes", "selected": "No", "text": ")" + feff + R"(a\n)" + feff + R"(", "url": ")"
            + feff + R"(\/"}, {")" + feff + R"(n": 1, "linked": "No", "selected": "No", "text": ")" + feff
            + R"(\u00e9", "url": ""})");
        QTest::newRow("a byte order mark")
            << "\xEF\xBB\xBF" + withItems(R"({"linked": "No", "selected": "No", "text": "a", "url": ""})");
        QTest::newRow("large, read in two halves") << withItems(manyItems(70000));
        QTest::newRow("a huge text among short ones") << withItems(
            manyItems(3) + ", {\"linked\": \"Yes\", \"selected\": \"No\", \"text\": \""
            + QByteArray(32000, 'x') + "\\u00e9\", \"url\": \"" + QByteArray(30000, '&') + "\"}");
        QTest::newRow("large, list ends before the middle")
            << withItems(manyItems(30), ",\n\"later\": [\n" + QByteArray("{},\n").repeated(1500000) + "{}]");
    }

    void walkedItemsGiveTheSameCode()
    {
        QFETCH(QByteArray, bytes);
        MenuProject held;
        MenuProject walked;
        MenuItems items;
        QString error;
        QVERIFY2(ProjectFile::parse(bytes, &held, &error), qPrintable(error));
        QVERIFY2(ProjectFile::parse(bytes, &walked, &items, &error), qPrintable(error));
        QVERIFY(items.summary == MenuItemSummary::of(held.items));
        const QJsonArray expected =
            QJsonDocument::fromJson(bytes).object().value("items").toArray(); // Qt's reading
        QCOMPARE(held.items.size(), expected.size());
        for (qsizetype i = 0; i < held.items.size(); ++i) {
            const MenuItem &item = held.items.at(i);
            const QJsonObject o = expected.at(i).toObject();
            QCOMPARE(QStringList({item.text, item.linked, item.url, item.selected}),
                     QStringList({o["text"].toString(), o["linked"].toString(), o["url"].toString(),
                                  o["selected"].toString()}));
        }
        // Made in one walk, and in parts at once (PartedWalk), parts of one
        // item and more, so that every item starts a part once.
        const qsizetype usual = partedwalk::chunkItems();
        const auto restore = qScopeGuard([&] { partedwalk::setChunkItems(usual); });
        for (const qsizetype chunk : {usual, qsizetype(1), qsizetype(2), qsizetype(3)}) {
            partedwalk::setChunkItems(chunk < 4 && items.summary.count > 100 ? chunk * 997 : chunk);
            for (const CodeDialect dialect : {CodeDialect::Classic, CodeDialect::Html5}) {
                held.dialect = walked.dialect = dialect;
                for (const QString &mode : {codegen::kCodeMode, codegen::kPreviewMode}) {
                    QByteArray streamed;
                    TextBuilder b([&](QByteArrayView bytes) { streamed += bytes; },
                                  64); // pieces cross chunks
                    AppendMenuBody(b, mode, walked, items);
                    b.flush();
                    QVERIFY2(streamed == GenerateMenuCode(mode, held).body.toUtf8(),
                             qPrintable(QStringLiteral("parts of %1 items").arg(partedwalk::chunkItems())));
                }
            }
        }
    }

    // The export maps the project file (under a read lease) rather than
    // reading it: its walk gives what reading gives, a writer waits until the
    // items are let go, and a file open for writing elsewhere is read.
    void mappedLoadHoldsTheFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("openElsewhere");
        const QByteArray large = withItems(manyItems(70000));
        QTest::newRow("large") << large << false;
        QTest::newRow("large, open for writing elsewhere") << large << true;
        QByteArray paged = withItems(manyItems(3)); // blanks before its end, up to a page's end
        paged.insert(paged.size() - 2, QByteArray(4096 - paged.size() % 4096, ' '));
        QTest::newRow("ending on a page's end") << paged << false;
    }

    void mappedLoadHoldsTheFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, openElsewhere);
        QTemporaryDir dir;
        const QString path = dir.filePath("menu.qnv");
        const QByteArray name = QFile::encodeName(path);
        QVERIFY(testfiles::writeAll(path, bytes));
        QFile elsewhere(path);
        if (openElsewhere)
            QVERIFY(elsewhere.open(QIODevice::ReadWrite));
        const auto writerWaits = [&] {
            const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            const bool waits = fd < 0 && errno == EWOULDBLOCK;
            if (fd >= 0)
                ::close(fd);
            return waits;
        };
        bool held = false;
        {
            const RegularFile file = RegularFile::map(path, ProjectFile::kMaxFileBytes);
            QCOMPARE(file.bytes, bytes);
            QCOMPARE(file.bytes.constData()[file.bytes.size()], '\0'); // readable, as a QByteArray's is
            QCOMPARE(bool(file.keep), !openElsewhere && writerWaits());
            held = bool(file.keep);
        }
        QVERIFY(!writerWaits());
        MenuProject read;
        MenuProject walked;
        MenuItems items;
        QString error;
        QVERIFY2(ProjectFile::parse(bytes, &read, &error), qPrintable(error));
        QVERIFY2(ProjectFile::load(path, &walked, &items, &error), qPrintable(error));
        QCOMPARE(writerWaits(), held);
        for (const CodeDialect dialect : {CodeDialect::Classic, CodeDialect::Html5}) {
            read.dialect = walked.dialect = dialect;
            QByteArray streamed;
            TextBuilder b([&](QByteArrayView bytes) { streamed += bytes; });
            AppendMenuBody(b, codegen::kCodeMode, walked, items);
            b.flush();
            QVERIFY(streamed == GenerateMenuCode(codegen::kCodeMode, read).body.toUtf8());
        }
        items = MenuItems();
        QVERIFY(!writerWaits());
        if (!held && !openElsewhere)
            QSKIP("This file system grants no leases: the file was read, not mapped.");
    }

    void loadFailuresNameTheFile_data() { testfiles::addTableRows("project-load-failures.json"); }

    void loadFailuresNameTheFile()
    {
        QFETCH(QJsonArray, row);
        const QString kind = row[1].toString(), message = row[2].toString();
        QTemporaryDir dir;
        const QString path = dir.filePath("menu.qnv");
        QFile file(path);
        if (kind == "fifo")
            QCOMPARE(::mkfifo(path.toLocal8Bit(), 0600), 0);
        else if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        else if (kind == "code")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(withField("items", hugeCodeItems())) > 0);
        else if (kind != "missing")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(withField("options.linkTarget", 9)) > 0
                    && (kind != "large" || file.resize(ProjectFile::kMaxFileBytes + 1)));
        file.close();
        // As the callers load: held in memory, or left in the text for the export.
        for (const bool walked : {false, true}) {
            MenuProject p = richProject();
            MenuItems items;
            QString error;
            QVERIFY(
                !(walked ? codelimit::load(path, &p, &items, &error) : codelimit::load(path, &p, &error)));
            QVERIFY2(error.contains("\"" + path + "\"") && error.contains(message), qPrintable(error));
            QVERIFY(p == richProject() && !items.walk);
        }
    }
};

void TestProjectFile::refusals_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    // name, dotted field path, value (none: the field is removed; "@N": a
    // text of N characters), message
    for (const QJsonArray &r : testfiles::tableRows("project-refusals.json")) {
        const bool remove = r.size() == 3;
        QJsonValue value = r[2];
        if (const QString t = value.toString(); t.startsWith('@'))
            value = QString(t.mid(1).toInt(), 'u');
        QTest::newRow(qPrintable(r[0].toString()))
            << withField(r[1].toString(), value, remove) << r[remove ? 2 : 3].toString();
    }
    // An entry's text as the message shows it: cut short, controls, format
    // characters and lone surrogates escaped, so that it cannot garble a
    // terminal or the window.
    const auto entry = [](const QString &text) {
        return withField("items.0",
                         QJsonObject{{"text", text}, {"linked", "Maybe"}, {"url", ""}, {"selected", "No"}});
    };
    QTest::newRow("entry text with controls")
        << entry(QString("a\x1b[2Jb\r\nc\td\x7f") + QChar(0x85) + QChar(0x202E) + "e" + QChar(0xD800) + "\\")
        << R"(entry 1 ("a\u001b[2Jb\r\nc\td\u007f\u0085\u202ee\ud800\\"): Linked must be "Yes" or "No")";
    QTest::newRow("long entry text cut")
        << entry(QString(39, 'x') + QString::fromUtf8("\U0001F600\U0001F600"))
        << QString::fromUtf8(
               "entry 1 (\"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\U0001F600...\"): Linked must be");
    QTest::newRow("entry text of forty characters")
        << entry(QString(40, 'x')) << "entry 1 (\"" + QString(40, 'x') + "\"): Linked";
    // Whole texts (three columns), or item lists and what follows them (four):
    // what Qt's own JSON reader lets pass but RFC 8259 refuses stays refused;
    // numbers no double holds are refused, as Qt refuses them.
    for (const QJsonArray &r : testfiles::tableRows("project-syntax.json"))
        QTest::newRow(qPrintable(r[0].toString()))
            << (r.size() == 3 ? r[1].toString().toUtf8()
                              : withItems(r[1].toString().toUtf8(), r[2].toString().toUtf8()))
            << r.last().toString();
    const QByteArray valid = testfiles::readAll(kRich);
    QTest::newRow("bytes after the object") << valid + "x"
                                            << "JSON syntax error at line 65, column 1: garbage";
    QTest::newRow("broken UTF-8") << QByteArray(valid).replace("Home", "Ho\xC0\xAF"
                                                                       "e")
                                  << "JSON syntax error at line 28, column 56: invalid UTF8";
    QTest::newRow("two defaults far apart")
        << withItems(manyItems(70000, 60000))
        << QString::fromUtf8(R"(entry 60001 ("Page \"60000\" café"): Selected cannot be "Yes" too: only one )"
                             "entry can be the default selection, and entry 6 already is");
}

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
