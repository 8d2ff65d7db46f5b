#pragma once

#include "menu/MenuItems.h"
#include "menu/MenuProject.h"

#include <QString>

// The one limit of a menu's generated code (ProjectFile::kMaxCodeLength),
// checked wherever a project comes in from outside before it is generated:
// loaded from its file (the window, the command line) or imported from a
// page. The project file itself knows nothing of the code; a project whose
// code would pass the limit is refused here, before any caller takes it.
namespace codelimit {

// Whether the code of the project, in its dialect, stays within the limit
// (MenuCodeLengthBound). The second form sums the items up apart (the
// project's own items are not read).
bool fits(const MenuProject &project);
bool fits(const MenuProject &project, const MenuItemSummary &items);

// The problem named when the code would pass the limit.
QString problem();

// Loads a project file as ProjectFile::load does and refuses one whose code
// would pass the limit; every refusal names the file. On failure `project`
// (and `items`) are left as they were.
bool load(const QString &path, MenuProject *project, QString *error);
// The same, the items kept in the file text (see ProjectFile::parse).
bool load(const QString &path, MenuProject *project, MenuItems *items, QString *error);

} // namespace codelimit
