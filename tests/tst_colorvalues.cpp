// Colour texts, colour numbers, system colours and the two key filters.
#include "styles/mColorSelect.h"

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
        // The custom colour table starts empty.
        QCOMPARE(int(CustomColors().size()), 16);
        for (const quint32 slot : CustomColors())
            QCOMPARE(slot, 0u);
    }

    void hexToLong_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<qint32>>("value");
        const auto some = [](qint64 v) { return std::optional<qint32>(qint32(v)); };
        const std::optional<qint32> none;
        QTest::newRow("empty counts as zero") << "" << some(0);
        QTest::newRow("surrounding spaces are removed, mixed case") << "  aB  " << some(0xAB);
        QTest::newRow("hash alone counts -20") << "#" << some(-20);
        QTest::newRow("colour text: hash weighs -20 * 16^6") << "#FF8000" << some(-20LL * 16777216 + 0xFF8000);
        QTest::newRow("other letters count code minus 55") << "G" << some(16);
        QTest::newRow("minus sign counts -10") << "-1" << some(-10 * 16 + 1);
        QTest::newRow("largest value") << "7FFFFFFF" << some(0x7FFFFFFF);
        QTest::newRow("eight digits that overflow") << "80000000" << none;
        QTest::newRow("sum overflows while each term fits") << "7FFFFFFG" << none;
        QTest::newRow("weight overflows even for leading zeros") << "000000001" << none;
        QTest::newRow("hash in the eighth place overflows") << "#1234567" << none;
        QTest::newRow("non-ASCII first character overflows") << QString::fromUtf8("\xC3\xA9" "123456") << none;
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
        QTest::newRow("six digits without hash") << "123456" << some(0x00563412) << false;
        for (quint32 c = 0; c < 256; c += 3) {
            const quint32 colour = c | ((255 - c) << 8) | (((c * 7) & 0xFF) << 16);
            QTest::addRow("round trip %06x", colour) << ColorToHex(colour) << some(colour) << true;
        }
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
        for (const char c : QByteArray("0123456789"))
            QTest::addRow("%c", c) << int(c) << int(c) << int(c) << false;
        for (const char c : QByteArray("ABCDEFabcdef"))
            QTest::addRow("%c", c) << int(c) << 0 << int(QChar(c).toUpper().unicode()) << false;
        for (const char c : QByteArray("gGxZ#- "))
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
        QTest::newRow("palette index form") << 0x01000005u << 0u;
        QTest::newRow("5 window") << SysColor(5) << role(QPalette::Base);
        QTest::newRow("8 window text") << SysColor(8) << role(QPalette::Text);
        QTest::newRow("15 button face") << SysColor(15) << role(QPalette::Button);
        QTest::newRow("16 button shadow") << SysColor(16) << role(QPalette::Dark);
        QTest::newRow("18 button text") << SysColor(18) << role(QPalette::ButtonText);
        QTest::newRow("20 button highlight") << SysColor(20) << role(QPalette::Light);
    }

    void translateSysColor()
    {
        QFETCH(quint32, colour);
        QFETCH(quint32, result);
        QCOMPARE(TranslateSysColor(colour), result);
    }

    void everySystemIndexIsAPlainColour()
    {
        // ... and the indices do not all fall back to one role.
        QSet<quint32> seen;
        for (int index = 0; index <= 30; ++index) {
            const quint32 colour = TranslateSysColor(SysColor(index));
            QVERIFY2(colour <= 0x00FFFFFFu, qPrintable(QString::number(index)));
            seen.insert(colour);
        }
        QVERIFY(seen.size() >= 10);
    }
};

QTEST_MAIN(TestColorValues)
#include "tst_colorvalues.moc"
