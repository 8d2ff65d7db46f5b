#pragma once

#include <QString>

struct MenuProject;

// The folder of the site a menu serves. A project file holds it relative to
// the file's own folder, so that a project and its site move together; the
// window holds it the same way once the project has a file, and absolute
// before.
namespace SiteFolder {

// The folder `field` names, absolute and clean, for a project saved at
// projectPath (empty: not saved, and a relative field is taken from the
// current folder). Empty when field is.
QString absolute(const QString &field, const QString &projectPath);

// What a project saved at projectPath holds for the absolute `folder`: the
// relative path with '/' ("." for the project's own folder), or the
// absolute path when projectPath is empty.
QString fieldFor(const QString &folder, const QString &projectPath);

// The field of a project moved from oldPath to newPath (Save As), naming
// the same folder.
QString rebase(const QString &field, const QString &oldPath, const QString &newPath);

// The site folder a command works on: `given` (--site, from the current
// folder) when not empty, else the project's own. Returns the absolute
// folder, or an empty text and a message: `missing` is set when there is
// none at all (a usage error); else the folder does not exist or is not a
// folder, and the message names it.
QString forCommand(const QString &given, const MenuProject &project, const QString &projectPath,
                   QString *error, bool *missing);

} // namespace SiteFolder
