#include "styles/mColorSelect.h"

#include "platform/TextTrim.h"

#include <QGuiApplication>
#include <QPalette>

#include <limits>

namespace mColorSelect {

namespace {

qint64 CharacterValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return qint64(u) - 55;
}

bool FitsInt32(qint64 value)
{
    return value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max();
}

// The palette colour that stands in for each system colour index. Index 25 is
// not assigned a colour by the classic scheme (it reads as black there).
struct RoleOf {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr RoleOf SystemColorRoles[] = {
    {QPalette::Active, QPalette::Button},          //  0 scroll bar
    {QPalette::Active, QPalette::Dark},            //  1 desktop
    {QPalette::Active, QPalette::Highlight},       //  2 active caption
    {QPalette::Inactive, QPalette::Mid},           //  3 inactive caption
    {QPalette::Active, QPalette::Window},          //  4 menu
    {QPalette::Active, QPalette::Base},            //  5 window
    {QPalette::Active, QPalette::Shadow},          //  6 window frame
    {QPalette::Active, QPalette::WindowText},      //  7 menu text
    {QPalette::Active, QPalette::Text},            //  8 window text
    {QPalette::Active, QPalette::HighlightedText}, //  9 caption text
    {QPalette::Active, QPalette::Button},          // 10 active border
    {QPalette::Inactive, QPalette::Button},        // 11 inactive border
    {QPalette::Active, QPalette::Dark},            // 12 application workspace
    {QPalette::Active, QPalette::Highlight},       // 13 highlight
    {QPalette::Active, QPalette::HighlightedText}, // 14 highlighted text
    {QPalette::Active, QPalette::Button},          // 15 button face
    {QPalette::Active, QPalette::Dark},            // 16 button shadow
    {QPalette::Disabled, QPalette::Text},          // 17 grey text
    {QPalette::Active, QPalette::ButtonText},      // 18 button text
    {QPalette::Inactive, QPalette::Midlight},      // 19 inactive caption text
    {QPalette::Active, QPalette::Light},           // 20 button highlight
    {QPalette::Active, QPalette::Shadow},          // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},        // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},     // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},     // 24 tooltip background
    {QPalette::Active, QPalette::Shadow},          // 25 unassigned (black)
    {QPalette::Active, QPalette::Link},            // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},       // 27 active caption gradient
    {QPalette::Inactive, QPalette::Mid},           // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},       // 29 menu highlight
    {QPalette::Active, QPalette::Window},          // 30 menu bar
};

} // namespace

QString ColorToHex(ColorNumber colour)
{
    const auto pair = [](ColorNumber component) {
        return QStringLiteral("%1").arg(component & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
    };
    return QLatin1Char('#') + pair(colour) + pair(colour >> 8) + pair(colour >> 16);
}

std::optional<qint32> HexToLong(const QString &text)
{
    QString digits = TrimSpaces(text);
    if (digits.isEmpty())
        digits = QStringLiteral("0");

    qint64 sum = 0;
    qint64 weight = 1;
    for (qsizetype n = 0; n < digits.size(); ++n) {
        if (n > 0) {
            weight *= 16;
            if (!FitsInt32(weight))
                return std::nullopt;
        }
        const qint64 term = CharacterValue(digits.at(digits.size() - 1 - n)) * weight;
        if (!FitsInt32(term))
            return std::nullopt;
        sum += term;
        if (!FitsInt32(sum))
            return std::nullopt;
    }
    return qint32(sum);
}

std::optional<ColorNumber> ColorTextToNumber(const QString &text)
{
    const std::optional<qint32> value = HexToLong(text);
    if (!value)
        return std::nullopt;
    const quint32 bits = quint32(*value);
    const ColorNumber red = (bits >> 16) & 0xFF;
    const ColorNumber green = (bits >> 8) & 0xFF;
    const ColorNumber blue = bits & 0xFF;
    return red + green * 256 + blue * 256 * 256;
}

ColorNumber TranslateSysColor(ColorNumber colour)
{
    if ((colour & 0xFF000000u) == 0)
        return colour;
    if ((colour & 0xFFFFFF00u) != SysColorFlag)
        return 0;
    const ColorNumber index = colour & 0xFF;
    if (index >= std::size(SystemColorRoles))
        return 0;
    const RoleOf &slot = SystemColorRoles[index];
    return FromQColor(QGuiApplication::palette().color(slot.group, slot.role));
}

QColor ToQColor(ColorNumber colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

ColorNumber FromQColor(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return ColorNumber(rgb.red()) | (ColorNumber(rgb.green()) << 8) | (ColorNumber(rgb.blue()) << 16);
}

int DigitsOnly(int code)
{
    if (code == 8)
        return code;
    if (code >= '0' && code <= '9')
        return code;
    return 0;
}

int HexDigitsOnly(int code, bool *sendTab)
{
    if (sendTab)
        *sendTab = false;
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'F'))
        return code;
    if (code >= 'a' && code <= 'f')
        return code - 'a' + 'A';
    if (code == 13) {
        if (sendTab)
            *sendTab = true;
        return 0;
    }
    if (code == 8)
        return code;
    return 0;
}

CustomColorTable &CustomColors()
{
    static CustomColorTable table{};
    return table;
}

} // namespace mColorSelect
