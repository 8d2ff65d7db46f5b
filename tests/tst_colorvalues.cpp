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
    void colorToHex_data();
    void colorToHex();
    void hexToLong_data();
    void hexToLong();
    void colorTextToNumber_data();
    void colorTextToNumber();
    void colorTextRoundTrip();
    void digitsOnly_data();
    void digitsOnly();
    void hexDigitsOnly_data();
    void hexDigitsOnly();
    void translateSysColorPlainAndMalformed_data();
    void translateSysColorPlainAndMalformed();
    void translateSysColorFollowsPalette_data();
    void translateSysColorFollowsPalette();
    void translateEverySystemIndex();
    void customColorsStartEmpty();
};

void TestColorValues::colorToHex_data()
{
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<QString>("text");
    QTest::newRow("example from the documentation") << 0x00C08040u << "#4080C0";
    QTest::newRow("black") << 0x0u << "#000000";
    QTest::newRow("white") << 0x00FFFFFFu << "#FFFFFF";
    QTest::newRow("red is the low byte") << 0x000000FFu << "#FF0000";
    QTest::newRow("blue is the high byte") << 0x00FF0000u << "#0000FF";
    QTest::newRow("orange") << 0x000080FFu << "#FF8000";
    QTest::newRow("components below 16 get a leading zero") << 0x000F0E0Du << "#0D0E0F";
    QTest::newRow("bits above 23 are ignored") << 0x12ABCDEFu << "#EFCDAB";
}

void TestColorValues::colorToHex()
{
    QFETCH(quint32, colour);
    QFETCH(QString, text);
    QCOMPARE(ColorToHex(colour), text);
}

void TestColorValues::hexToLong_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<qint32>>("value");
    const auto some = [](qint64 v) { return std::optional<qint32>(qint32(v)); };
    const std::optional<qint32> none;

    QTest::newRow("empty counts as zero") << "" << some(0);
    QTest::newRow("spaces only count as zero") << "   " << some(0);
    QTest::newRow("surrounding spaces are removed") << "  1A  " << some(26);
    QTest::newRow("lower case") << "ff" << some(255);
    QTest::newRow("upper case") << "FF" << some(255);
    QTest::newRow("mixed case") << "aB" << some(0xAB);
    QTest::newRow("hash alone counts -20") << "#" << some(-20);
    QTest::newRow("colour text: hash weighs -20 * 16^6")
        << "#FF8000" << some(-20LL * 16777216 + 0xFF8000);
    QTest::newRow("colour text black") << "#000000" << some(-20LL * 16777216);
    QTest::newRow("other letters count code minus 55") << "G" << some(16);
    QTest::newRow("Z counts 35") << "Z" << some(35);
    QTest::newRow("minus sign counts -10") << "-1" << some(-10 * 16 + 1);
    QTest::newRow("inner space counts -23") << "1 2" << some(256 - 23 * 16 + 2);
    QTest::newRow("largest value") << "7FFFFFFF" << some(0x7FFFFFFF);
    QTest::newRow("eight digits that overflow") << "80000000" << none;
    QTest::newRow("all ones overflow") << "FFFFFFFF" << none;
    QTest::newRow("sum overflows while each term fits") << "7FFFFFFG" << none;
    QTest::newRow("ninth digit's weight overflows") << "100000000" << none;
    QTest::newRow("weight overflows even for leading zeros") << "000000001" << none;
    QTest::newRow("hash in the eighth place overflows") << "#1234567" << none;
    QTest::newRow("non-ASCII first character overflows") << QString::fromUtf8("\xC3\xA9" "123456")
                                                         << none;
}

void TestColorValues::hexToLong()
{
    QFETCH(QString, text);
    QFETCH(std::optional<qint32>, value);
    QCOMPARE(HexToLong(text), value);
}

void TestColorValues::colorTextToNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<quint32>>("colour");
    const auto some = [](quint32 v) { return std::optional<quint32>(v); };
    QTest::newRow("upper case") << "#FF8000" << some(0x000080FF);
    QTest::newRow("pasted lower case means the same") << "#ff8000" << some(0x000080FF);
    QTest::newRow("example") << "#4080C0" << some(0x00C08040);
    QTest::newRow("black") << "#000000" << some(0);
    QTest::newRow("white") << "#FFFFFF" << some(0x00FFFFFF);
    QTest::newRow("seven digits use the last six") << "1234567" << some(0x00674523);
    QTest::newRow("six digits without hash") << "123456" << some(0x00563412);
    QTest::newRow("first character out of range") << QString::fromUtf8("\xC3\xA9" "123456")
                                                  << std::optional<quint32>();
}

void TestColorValues::colorTextToNumber()
{
    QFETCH(QString, text);
    QFETCH(std::optional<quint32>, colour);
    QCOMPARE(ColorTextToNumber(text), colour);
}

void TestColorValues::colorTextRoundTrip()
{
    // Every component value survives number -> text -> number.
    for (quint32 c = 0; c < 256; c += 3) {
        const quint32 colour = c | ((255 - c) << 8) | (((c * 7) & 0xFF) << 16);
        QCOMPARE(ColorTextToNumber(ColorToHex(colour)), std::optional<quint32>(colour));
    }
}

void TestColorValues::digitsOnly_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("result");
    for (char c = '0'; c <= '9'; ++c)
        QTest::addRow("digit %c", c) << int(c) << int(c);
    QTest::newRow("backspace") << 8 << 8;
    QTest::newRow("enter") << 13 << 0;
    QTest::newRow("ctrl+c") << 3 << 0;
    QTest::newRow("ctrl+v") << 22 << 0;
    QTest::newRow("minus") << int('-') << 0;
    QTest::newRow("letter") << int('a') << 0;
    QTest::newRow("hex letter") << int('F') << 0;
    QTest::newRow("space") << int(' ') << 0;
    QTest::newRow("zero code") << 0 << 0;
}

void TestColorValues::digitsOnly()
{
    QFETCH(int, code);
    QFETCH(int, result);
    QCOMPARE(DigitsOnly(code), result);
}

void TestColorValues::hexDigitsOnly_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("sendTab");
    for (const char c : QByteArray("0123456789ABCDEF"))
        QTest::addRow("passes %c", c) << int(c) << int(c) << false;
    for (const char c : QByteArray("abcdef"))
        QTest::addRow("upper-cases %c", c) << int(c) << int(c - 'a' + 'A') << false;
    QTest::newRow("enter becomes 0 and moves on") << 13 << 0 << true;
    QTest::newRow("backspace") << 8 << 8 << false;
    QTest::newRow("g") << int('g') << 0 << false;
    QTest::newRow("G") << int('G') << 0 << false;
    QTest::newRow("hash") << int('#') << 0 << false;
    QTest::newRow("x") << int('x') << 0 << false;
    QTest::newRow("ctrl+v") << 22 << 0 << false;
    QTest::newRow("space") << int(' ') << 0 << false;
    QTest::newRow("non-ASCII") << 0xE9 << 0 << false;
}

void TestColorValues::hexDigitsOnly()
{
    QFETCH(int, code);
    QFETCH(int, result);
    QFETCH(bool, sendTab);
    bool tab = !sendTab;
    QCOMPARE(HexDigitsOnly(code, &tab), result);
    QCOMPARE(tab, sendTab);
    QCOMPARE(HexDigitsOnly(code), result);
}

void TestColorValues::translateSysColorPlainAndMalformed_data()
{
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<quint32>("result");
    QTest::newRow("plain colour unchanged") << 0x00123456u << 0x00123456u;
    QTest::newRow("black unchanged") << 0u << 0u;
    QTest::newRow("white unchanged") << 0x00FFFFFFu << 0x00FFFFFFu;
    QTest::newRow("unknown system index") << 0x8000001Fu << 0u;
    QTest::newRow("system reference with high index bits") << 0x80000105u << 0u;
    QTest::newRow("palette index form") << 0x01000005u << 0u;
}

void TestColorValues::translateSysColorPlainAndMalformed()
{
    QFETCH(quint32, colour);
    QFETCH(quint32, result);
    QCOMPARE(TranslateSysColor(colour), result);
}

void TestColorValues::translateSysColorFollowsPalette_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("role");
    QTest::newRow("5 window") << 5 << int(QPalette::Base);
    QTest::newRow("8 window text") << 8 << int(QPalette::Text);
    QTest::newRow("15 button face") << 15 << int(QPalette::Button);
    QTest::newRow("16 button shadow") << 16 << int(QPalette::Dark);
    QTest::newRow("18 button text") << 18 << int(QPalette::ButtonText);
    QTest::newRow("20 button highlight") << 20 << int(QPalette::Light);
    QTest::newRow("13 highlight") << 13 << int(QPalette::Highlight);
    QTest::newRow("24 tooltip background") << 24 << int(QPalette::ToolTipBase);
}

void TestColorValues::translateSysColorFollowsPalette()
{
    QFETCH(int, index);
    QFETCH(int, role);
    const QPalette saved = QGuiApplication::palette();
    // A classic scheme: the colours the default style records were made from.
    QPalette classic = saved;
    classic.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xFF));
    classic.setColor(QPalette::Text, QColor(0, 0, 0));
    classic.setColor(QPalette::Button, QColor(0xD4, 0xD0, 0xC8));
    classic.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    classic.setColor(QPalette::ButtonText, QColor(0, 0, 0));
    classic.setColor(QPalette::Light, QColor(0xFF, 0xFF, 0xFF));
    classic.setColor(QPalette::Highlight, QColor(0x0A, 0x24, 0x6A));
    classic.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    QGuiApplication::setPalette(classic);
    const quint32 expected = FromQColor(classic.color(QPalette::ColorRole(role)));
    const quint32 actual = TranslateSysColor(SysColor(index));
    QGuiApplication::setPalette(saved);
    QCOMPARE(actual, expected);
    if (index == 5)
        QCOMPARE(ColorToHex(actual), QStringLiteral("#FFFFFF"));
    if (index == 8 || index == 18)
        QCOMPARE(ColorToHex(actual), QStringLiteral("#000000"));
    if (index == 15)
        QCOMPARE(ColorToHex(actual), QStringLiteral("#D4D0C8"));
}

void TestColorValues::translateEverySystemIndex()
{
    // Every index the scheme defines gives a plain colour number, and a
    // distinctive palette shows that the indices do not all fall back to one role.
    QPalette palette = QGuiApplication::palette();
    int shade = 1;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        if (role == QPalette::NoRole)
            continue;
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, QPalette::ColorRole(role), QColor(shade, 255 - shade, shade * 3 % 256));
        shade += 9;
    }
    const QPalette saved = QGuiApplication::palette();
    QGuiApplication::setPalette(palette);
    QSet<quint32> seen;
    for (int index = 0; index <= 30; ++index) {
        const quint32 colour = TranslateSysColor(SysColor(index));
        QVERIFY2(colour <= 0x00FFFFFFu, qPrintable(QString::number(index)));
        seen.insert(colour);
    }
    QGuiApplication::setPalette(saved);
    QVERIFY(seen.size() >= 10);
}

void TestColorValues::customColorsStartEmpty()
{
    for (const quint32 slot : CustomColors())
        QCOMPARE(slot, 0u);
    QCOMPARE(int(CustomColors().size()), 16);
}

QTEST_MAIN(TestColorValues)
#include "tst_colorvalues.moc"
