// Colour texts, colour numbers and system colours. (The key filters are
// driven through the colour boxes in tst_colorrow.)
#include "styles/ColorContrast.h"
#include "styles/mColorSelect.h"
#include "support/TestFiles.h"

#include <QGuiApplication>
#include <QPalette>
#include <QtTest>

using namespace mColorSelect;

Q_DECLARE_METATYPE(std::optional<qint32>)
Q_DECLARE_METATYPE(std::optional<quint32>)

class TestColorValues : public QObject {
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
                palette.setColor(group, QPalette::ColorRole(role),
                                 QColor(shade, 255 - shade, shade * 3 % 256));
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

    void translateSysColor()
    {
        QCOMPARE(TranslateSysColor(0x00123456u), 0x00123456u); // a plain colour stays
        QCOMPARE(TranslateSysColor(0x8000001Fu), 0u);          // an unknown system index
        QCOMPARE(TranslateSysColor(0x80000105u), 0u);          // high index bits
        const QPalette palette = QGuiApplication::palette();
        for (const auto &[index, role] : {std::pair{5, QPalette::Base},
                                          {8, QPalette::Text},
                                          {15, QPalette::Button},
                                          {16, QPalette::Dark},
                                          {18, QPalette::ButtonText},
                                          {20, QPalette::Light}})
            QCOMPARE(TranslateSysColor(SysColor(index)), FromQColor(palette.color(role)));
    }

    void
    contrastRatio() // black on white both ways, the neighbours of 4.5:1, red, a system colour on its value
    {
        QList<double> ratios;
        for (const auto &[a, b] :
             {std::pair{0x000000u, 0xFFFFFFu},
              {0xFFFFFFu, 0x000000u},
              {0x767676u, 0xFFFFFFu},
              {0x777777u, 0xFFFFFFu},
              {0x0000FFu, 0xFFFFFFu},
              {SysColor(5), FromQColor(QGuiApplication::palette().color(QPalette::Base))}})
            ratios << std::round(ColorContrast::ContrastRatio(a, b) * 100) / 100;
        QCOMPARE(ratios, QList<double>({21, 21, 4.54, 4.48, 4, 1}));
    }
};

QTEST_MAIN(TestColorValues)
#include "tst_colorvalues.moc"
