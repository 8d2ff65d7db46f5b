// Colour texts, colour numbers, system colours and the two key filters.
#include "styles/mColorSelect.h"
#include "support/TestFiles.h"

#include <QGuiApplication>
#include <QPalette>
#include <QtTest>

using namespace mColorSelect;

Q_DECLARE_METATYPE(std::optional<qint32>)
Q_DECLARE_METATYPE(std::optional<quint32>)

class TestColorValues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A distinctive colour per palette role shows which role each system index reads.
        QPalette palette = QGuiApplication::palette();
        for (int role = 0, shade = 1; role < QPalette::NColorRoles; ++role, shade += 9) {
            if (role == QPalette::NoRole)
                continue;
            for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                palette.setColor(group, QPalette::ColorRole(role), QColor(shade, 255 - shade, shade * 3 % 256));
        }
        QGuiApplication::setPalette(palette);
        QCOMPARE(CustomColors(), CustomColorTable{}); // the custom colours start empty
    }

    void hexToLong_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<qint32>>("value");
        // name, text, value (none: it does not fit)
        for (const QJsonArray &r : testfiles::tableRows("hex-to-long.json"))
            QTest::newRow(qPrintable(r[0].toString()))
                << r[1].toString() << (r[2].isNull() ? std::nullopt : std::optional<qint32>(r[2].toInt()));
    }

    void hexToLong()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<qint32>, value);
        QCOMPARE(HexToLong(text), value);
    }

    void colorTextToNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<quint32>>("colour");
        QTest::addColumn<bool>("canonical"); // ColorToHex gives the text back
        const auto some = [](quint32 v) { return std::optional<quint32>(v); };
        QTest::newRow("blue in the high byte, red in the low") << "#4080C0" << some(0x00C08040) << true;
        QTest::newRow("components below 16 get a leading zero") << "#0D0E0F" << some(0x000F0E0D) << true;
        QTest::newRow("pasted lower case means the same") << "#ff8000" << some(0x000080FF) << false;
        QTest::newRow("seven digits use the last six") << "1234567" << some(0x00674523) << false;
    }

    void colorTextToNumber()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<quint32>, colour);
        QFETCH(bool, canonical);
        QCOMPARE(ColorTextToNumber(text), colour);
        if (canonical) {
            QCOMPARE(ColorToHex(*colour), text);
            QCOMPARE(ColorToHex(*colour | 0x12000000u), text); // bits above 23 are ignored
        }
    }

    void keyFilters_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("digits"); // DigitsOnly
        QTest::addColumn<int>("hex");    // HexDigitsOnly
        QTest::addColumn<bool>("sendTab");
        for (const char c : QByteArray("09"))
            QTest::addRow("%c", c) << int(c) << int(c) << int(c) << false;
        for (const char c : QByteArray("AFaf"))
            QTest::addRow("%c", c) << int(c) << 0 << int(QChar(c).toUpper().unicode()) << false;
        for (const char c : QByteArray("gG#"))
            QTest::addRow("'%c'", c) << int(c) << 0 << 0 << false;
        QTest::newRow("backspace") << 8 << 8 << 8 << false;
        QTest::newRow("enter is discarded; hex boxes move on") << 13 << 0 << 0 << true;
        for (const int code : {3, 22, 0xE9, 0}) // Ctrl+C, Ctrl+V, non-ASCII, nothing
            QTest::addRow("code %d", code) << code << 0 << 0 << false;
    }

    void keyFilters()
    {
        QFETCH(int, code);
        QFETCH(int, digits);
        QFETCH(int, hex);
        QFETCH(bool, sendTab);
        QCOMPARE(DigitsOnly(code), digits);
        bool tab = !sendTab;
        QCOMPARE(HexDigitsOnly(code, &tab), hex);
        QCOMPARE(tab, sendTab);
        QCOMPARE(HexDigitsOnly(code), hex);
    }

    void translateSysColor_data()
    {
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<quint32>("result");
        const QPalette palette = QGuiApplication::palette();
        const auto role = [&](QPalette::ColorRole r) { return FromQColor(palette.color(r)); };
        QTest::newRow("plain colour unchanged") << 0x00123456u << 0x00123456u;
        QTest::newRow("unknown system index") << 0x8000001Fu << 0u;
        QTest::newRow("system reference with high index bits") << 0x80000105u << 0u;
        for (const auto &[index, r] : {std::pair{5, QPalette::Base}, {8, QPalette::Text}, {15, QPalette::Button},
                                       {16, QPalette::Dark}, {18, QPalette::ButtonText}, {20, QPalette::Light}})
            QTest::addRow("index %d", index) << SysColor(index) << role(r);
    }

    void translateSysColor()
    {
        QFETCH(quint32, colour);
        QFETCH(quint32, result);
        QCOMPARE(TranslateSysColor(colour), result);
    }
};

QTEST_MAIN(TestColorValues)
#include "tst_colorvalues.moc"
