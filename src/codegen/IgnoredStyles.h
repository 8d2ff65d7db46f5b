#pragma once

#include "menu/MenuProject.h"

#include <QString>
#include <QStringList>

// Classic code writes the list's and the button's styles as `name='value'`
// texts, which today's browsers ignore. These checks tell when that matters:
// a style that the code writes differs from what "Restore Defaults" gives.
namespace IgnoredStyles {

// The font families that count as the default font: the one Restore Defaults
// selects, the one the start-up selects (they differ where "MS Sans Serif" is
// not installed) and "MS Sans Serif" itself, the default of a record. A font
// that came by default is no choice of the user's.
QStringList DefaultFamilies(const QStringList &installedFamilies);

// Whether a record writes something other than the defaults into the code:
// font, size, weight, italics, underline, dimensions or its own colours.
bool MenuStyleChanged(const MenuStyleRecord &style, const QStringList &defaultFamilies);
bool ButtonStyleChanged(const ButtonStyleRecord &style, const QStringList &defaultFamilies);

// Whether the code has a text button, the only button that carries a style.
bool WritesTextButton(const MenuOptions &options);

// A classic project with a changed list style, or a changed style of a
// button that its code writes.
bool Apply(const MenuProject &project, const QStringList &defaultFamilies);

// The notice, in the user's words.
QString Message();

} // namespace IgnoredStyles
