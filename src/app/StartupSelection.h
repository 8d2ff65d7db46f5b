#pragma once

#include <QString>
#include <QStringList>

// The choices of the start-up: which entries the font and size lists of the
// style dialogs show first, when the splash window is worth showing, and
// which font families are installed.
namespace StartupSelection {

// The entry a size list of `count` entries selects: the sixth, else the last;
// -1 when the list is empty.
int sizeIndex(int count);

// The splash shows only when loading is slow enough that it would not just
// flash: after 100 ms of loading, when at least 400 ms more are expected at
// the pace so far. Once shown it stays until the lists are full.
bool splashWanted(qint64 elapsedMs, int done, int total);

// The installed font families, in the font database's order, without the
// system's private families, each named as browsers name it (Qt's
// " [Foundry]" suffix dropped: a family two foundries share comes twice, and
// the font lists keep it once). A failing font database gives an empty list.
QStringList installedFontFamilies();

} // namespace StartupSelection
