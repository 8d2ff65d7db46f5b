#pragma once

#include <QString>

// Font families as CSS names them. Qt lists a family that two foundries share
// as "Family [Foundry]"; a browser knows only "Family". The generic fallback
// ("serif", "sans-serif" or "monospace") is decided when a font is chosen and
// kept with the style record, so that writing code needs no font database.
namespace cssfont {

// The family without Qt's " [Foundry]" suffix.
QString familyName(const QString &qtFamily);

// True for the three generic families a record may keep (exact, lower case).
bool isGeneric(const QString &word);

// The generic family for a font: "monospace" for a fixed-pitch font, else
// "serif" or "sans-serif" by its name (a name saying "sans" is sans-serif; one
// naming a serif face or a classic book face is serif; anything else is
// sans-serif, the look of most screen fonts).
QString genericFor(const QString &qtFamily, bool fixedPitch);

} // namespace cssfont
