// The single-byte encodings: every byte 0x80 to 0xFF of each read as the
// Encoding Standard's index says (tests/data/encodings/single-byte.tsv, the
// index files as plain text), every character written back as its byte, and
// a character an encoding lacks written as a reference, never a look-alike.
// Then the bytes where ICU reads otherwise than browsers, through the page
// import, and a menu published into a KOI8-U page.
#include "menu/MenuProject.h"
#include "site/PageEncoder.h"
#include "site/PageEncoding.h"
#include "site/PageImport.h"
#include "site/SingleByteIndexes.h"
#include "site/SitePublisher.h"
#include "site/SiteWriter.h"
#include "support/TestFiles.h"

#include <QMap>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The index of each encoding: the character of bytes 0x80 to 0xFF, 0 for none.
QMap<QString, QList<int>> standardIndexes()
{
    QMap<QString, QList<int>> indexes;
    const QList<QByteArray> lines =
        testfiles::readAll(testpaths::dataFile("encodings/single-byte.tsv")).split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> cells = line.split('\t');
        if (line.startsWith('#') || cells.size() != 3)
            continue;
        QList<int> &index = indexes[QString::fromLatin1(cells[0])];
        if (cells[1].toInt(nullptr, 16) != 0x80 + index.size())
            qFatal("single-byte.tsv: %s is out of order", line.constData());
        index.append(cells[2] == "-" ? 0 : cells[2].toInt(nullptr, 16));
    }
    return indexes;
}

QByteArray reference(char32_t c)
{
    return "&#" + QByteArray::number(quint32(c)) + ';';
}

} // namespace

class TestSingleByte : public QObject {
    Q_OBJECT

private slots:
    void everyByte_data()
    {
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QList<int>>("index");
        const auto indexes = standardIndexes();
        QCOMPARE(indexes.size(), 28);
        QCOMPARE(SingleByteIndexes::kCount, std::size_t(indexes.size()));
        for (auto it = indexes.begin(); it != indexes.end(); ++it) {
            QCOMPARE(it.value().size(), 128);
            QTest::newRow(qPrintable(it.key())) << it.key() << it.value();
        }
    }
    void everyByte()
    {
        QFETCH(QString, encoding);
        QFETCH(QList<int>, index);
        const QByteArray name = encoding.toLatin1();

        // Read: the page names its encoding by its name, which is also a
        // label; ASCII reads as itself.
        QByteArray ascii;
        for (int b = 0; b < 0x80; ++b)
            ascii += char(b);
        QByteArray page = "<meta charset=" + name + ">" + ascii;
        for (int b = 0x80; b <= 0xFF; ++b)
            page += char(b);
        QString text, error;
        QByteArray found;
        QVERIFY2(PageEncoding::decode(page, &text, &error, &found), qPrintable(error));
        QCOMPARE(found, name);
        QCOMPARE(text.right(256).left(128), QString::fromLatin1(ascii));
        const QString high = text.right(128);
        QCOMPARE(high.size(), 128);
        for (int i = 0; i < 128; ++i) {
            const char16_t expected = index[i] ? char16_t(index[i]) : char16_t(QChar::ReplacementCharacter);
            QVERIFY2(high[i].unicode() == expected,
                     qPrintable(QStringLiteral("byte %1 reads as U+%2, not U+%3")
                                    .arg(0x80 + i, 0, 16)
                                    .arg(high[i].unicode(), 4, 16, QChar(u'0'))
                                    .arg(expected, 4, 16, QChar(u'0'))));
        }

        // Written back: ASCII as itself, every character of the index as its byte.
        QVERIFY(PageEncoder::canWrite(name));
        QCOMPARE(PageEncoder::encode(QString::fromLatin1(ascii), name), ascii);
        for (int i = 0; i < 128; ++i) {
            if (!index[i])
                continue;
            bool exact = false;
            QCOMPARE(PageEncoder::encode(QString(QChar(index[i])), name, &exact),
                     QByteArray(1, char(0x80 + i)));
            QVERIFY(exact);
        }

        // A character the encoding lacks is a reference, not a similar one:
        // no index holds them all, several have look-alikes in a best fit.
        for (const char32_t c :
             {U'\u0101', U'\u0416', U'\u05D0', U'\u20AC', U'\u2260', U'\u4E00', U'\U0001F600'}) {
            const QString in = QStringLiteral("a") + QString::fromUcs4(&c, 1);
            bool exact = true;
            const QByteArray out = PageEncoder::encode(in, name, &exact);
            const qsizetype at = index.indexOf(int(c));
            QCOMPARE(out, at >= 0 ? QByteArray("a") + char(0x80 + at) : "a" + reference(c));
            QCOMPARE(exact, at >= 0);
        }
        // A reference already in the text does not hide one that is needed.
        bool exact = true;
        PageEncoder::encode(QStringLiteral("&#38; \u4E00"), name, &exact);
        QVERIFY(!exact);
    }

    // Where ICU's tables differ from the Encoding Standard, and the encoding
    // ICU does not have: an option's text as a browser shows it.
    void importAsBrowsers_data()
    {
        QTest::addColumn<QByteArray>("label");
        QTest::addColumn<int>("byte");
        QTest::addColumn<QString>("text");
        QTest::newRow("KOI8-U 0xAE") << QByteArray("koi8-u") << 0xAE << QStringLiteral("\u045E");
        QTest::newRow("KOI8-U 0xBE") << QByteArray("koi8-u") << 0xBE << QStringLiteral("\u040E");
        QTest::newRow("windows-874 0xDB") << QByteArray("windows-874") << 0xDB << QStringLiteral("\uFFFD");
        QTest::newRow("windows-874 0xDE") << QByteArray("tis-620") << 0xDE << QStringLiteral("\uFFFD");
        QTest::newRow("windows-874 0xFC") << QByteArray("iso-8859-11") << 0xFC << QStringLiteral("\uFFFD");
        QTest::newRow("windows-874 0xFF") << QByteArray("dos-874") << 0xFF << QStringLiteral("\uFFFD");
        QTest::newRow("windows-1253 0xAA") << QByteArray("cp1253") << 0xAA << QStringLiteral("\uFFFD");
        QTest::newRow("windows-1255 0xCA") << QByteArray("windows-1255") << 0xCA << QStringLiteral("\u05BA");
        QTest::newRow("ISO-8859-16 0xA4") << QByteArray("iso-8859-16") << 0xA4 << QStringLiteral("\u20AC");
        QTest::newRow("ISO-8859-8-I 0xE0") << QByteArray("logical") << 0xE0 << QStringLiteral("\u05D0");
        QTest::newRow("windows-1252 0x80") << QByteArray("latin1") << 0x80 << QStringLiteral("\u20AC");
    }
    void importAsBrowsers()
    {
        QFETCH(QByteArray, label);
        QFETCH(int, byte);
        QFETCH(QString, text);
        const QByteArray page =
            "<meta charset=" + label + "><select><option value=a.html>x" + char(byte) + "y</option></select>";
        PageImport import;
        MenuProject project;
        QStringList notes;
        QVERIFY2(import.parse(page, QStringLiteral("page.html")) && import.project(0, &project, &notes),
                 qPrintable(import.error()));
        QCOMPARE(project.items.size(), 1);
        QCOMPARE(project.items[0].text, "x" + text + "y");
    }

    // Published into a KOI8-U page, a character of KOI8-U is its byte and one
    // it lacks a reference; the page imports as the menu.
    void publishIntoKoi8U()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("index.html");
        QVERIFY(testfiles::writeAll(path, "<html><head><meta charset=koi8-u></head><body>\n"
                                          "<!-- quillnav nav -->\n</body></html>\n"));
        MenuProject p;
        p.options.menuName = QStringLiteral("nav");
        p.items = {{QStringLiteral("\u045E\u20AC"), "Yes", "index.html", "Yes"}};
        const SitePlan plan = SitePublisher::prepare(p, dir.path(), {}, SitePublisher::Publish);
        QVERIFY2(!plan.failed(), qPrintable(plan.error));
        QVERIFY(!SiteWriter::write(plan).failed());
        const QByteArray written = testfiles::readAll(path);
        QVERIFY2(written.contains("\xAE&#8364;"), written.constData());

        PageImport import;
        MenuProject back;
        QStringList notes;
        QVERIFY2(import.load(path) && import.project(import.find("nav"), &back, &notes),
                 qPrintable(import.error()));
        QCOMPARE(back.items, p.items);
    }
};

QTEST_MAIN(TestSingleByte)
#include "tst_singlebyte.moc"
