#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// Colour values of the style dialogs.
//
// A colour number is laid out as 0x00BBGGRR (red in the low byte). A value
// 0x800000nn refers to system colour nn and stands for whatever that colour
// currently is. A colour text is "#RRGGBB".
//
// The colour chooser itself needs widgets and lives in styles/ui/ShowColorDialog.h.
namespace mColorSelect {

using ColorNumber = quint32;

// Marks a system colour reference; the low byte is the system colour index.
inline constexpr ColorNumber SysColorFlag = 0x80000000u;
inline constexpr ColorNumber SysColor(int index)
{
    return SysColorFlag | ColorNumber(index & 0xFF);
}

// "#RRGGBB" with upper-case digits; only bits 0-23 of the colour are used.
// Example: 0x00C08040 gives "#4080C0".
QString ColorToHex(ColorNumber colour);

// Reads the text as a hexadecimal number from the right: the n-th character
// from the right is weighted by 16^(n-1); 0-9, a-f and A-F count their digit
// value, any other character its character code minus 55 (so "#" counts -20).
// Leading and trailing spaces are ignored, an empty text counts as "0".
// Returns nothing when the sum, a weight or a weighted digit does not fit a
// signed 32-bit number.
std::optional<qint32> HexToLong(const QString &text);

// The colour number that a colour text stands for: HexToLong, then the RR, GG
// and BB digit pairs rearranged into 0x00BBGGRR. Nothing when HexToLong fails.
std::optional<ColorNumber> ColorTextToNumber(const QString &text);

// A system colour reference becomes the current value of that colour, taken
// from the application palette; a plain colour number comes back unchanged.
// A reference to an unknown index, or any other malformed value, gives 0.
ColorNumber TranslateSysColor(ColorNumber colour);

// Conversions between colour numbers (plain ones only) and QColor.
QColor ToQColor(ColorNumber colour);
ColorNumber FromQColor(const QColor &colour);

// Key filters: a typed character code in, the code to use out; 0 discards it.
// Digits and Backspace (8) pass, everything else becomes 0.
int DigitsOnly(int code);
// 0-9 and A-F pass, a-f become upper case, Backspace passes, everything else
// becomes 0. Enter (13) also becomes 0 and sets *sendTab: the caller then
// moves the focus on as if Tab had been pressed.
int HexDigitsOnly(int code, bool *sendTab = nullptr);

// The 16 custom colours of the colour chooser, kept for the run and shared by
// every "Select" button. A slot that holds 0 counts as empty.
using CustomColorTable = std::array<ColorNumber, 16>;
CustomColorTable &CustomColors();

} // namespace mColorSelect
