#pragma once

#include <QString>
#include <QStringList>

// Where the compiled help is looked for: beside the program (a build tree),
// in share/quillnav/help below the program's prefix (an installed tree that
// was moved), and in the folder the build was configured to install into.
namespace HelpLocation {

QStringList searchFolders(const QString &programFolder);

// The first existing help file, or an empty text; lookedIn receives the
// folders that were searched, in order.
QString find(const QString &programFolder, QStringList *lookedIn = nullptr);

// One line for the command line's help: where the help file is, or where it
// was looked for.
QString describe(const QString &programFolder);

} // namespace HelpLocation
