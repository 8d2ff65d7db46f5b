#pragma once

#include "styles/mColorSelect.h"

#include <QString>

// Contrast between a text colour and the colour behind it, measured as the web
// accessibility guidelines (WCAG 2) do: the ratio of the lighter colour's
// relative luminance to the darker one's, each plus 0.05, from 1:1 (the same
// colour) to 21:1 (black on white). Normal text needs at least 4.5:1 to be
// readable by most people.
namespace ColorContrast {

inline constexpr double MinimumTextContrast = 4.5;

// Relative luminance of a plain colour number, 0 (black) to 1 (white).
double RelativeLuminance(mColorSelect::ColorNumber colour);

// The ratio of two colours, at least 1; system colour references are
// translated to their current value first. The order does not matter.
double ContrastRatio(mColorSelect::ColorNumber text, mColorSelect::ColorNumber background);

// The warning a style dialog shows beside its colours when the ratio is below
// MinimumTextContrast; empty when the contrast is enough. The ratio is shown
// rounded down to one decimal, so that a failing ratio never reads "4.5:1".
QString LowContrastWarning(double ratio);

} // namespace ColorContrast
