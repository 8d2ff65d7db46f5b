#pragma once

#include "menu/CodeDialect.h"

#include <QString>

// The user's preferences, kept per user in the settings store beside the
// advisories' flags (section "Preferences").
namespace Preferences {

inline const QString Section = QStringLiteral("Preferences");
inline const QString NewMenuCode = QStringLiteral("Code for New Menus");

// The code of a new menu (File > New and the first window of a run; menus
// made from a site or sitemap are always HTML5): classic unless "html5" is
// stored.
CodeDialect NewMenuDialect();
// False when the store could not be written.
bool SetNewMenuDialect(CodeDialect dialect);

} // namespace Preferences
