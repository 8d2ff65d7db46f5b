#include "styles/ColorContrast.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace ColorContrast {

namespace {
// A colour channel of 0-255 in the sRGB curve, made linear.
double linear(quint32 channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
} // namespace

double RelativeLuminance(mColorSelect::ColorNumber colour)
{
    // Colour numbers hold red in the low byte: 0x00BBGGRR.
    return 0.2126 * linear(colour & 0xFF) + 0.7152 * linear((colour >> 8) & 0xFF)
           + 0.0722 * linear((colour >> 16) & 0xFF);
}

double ContrastRatio(mColorSelect::ColorNumber text, mColorSelect::ColorNumber background)
{
    const double a = RelativeLuminance(mColorSelect::TranslateSysColor(text));
    const double b = RelativeLuminance(mColorSelect::TranslateSysColor(background));
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QString LowContrastWarning(double ratio)
{
    if (ratio >= MinimumTextContrast)
        return {};
    // Both numbers written as the window's language writes them ("4,5" in German).
    const QLocale locale;
    return QCoreApplication::translate("ColorContrast", "Low contrast (%1:1): the text may be hard to read. "
                                                        "At least %2:1 is advised.")
        .arg(locale.toString(std::floor(ratio * 10) / 10, 'f', 1),
             locale.toString(MinimumTextContrast, 'f', 1));
}

} // namespace ColorContrast
