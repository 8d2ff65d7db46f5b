#pragma once

#include <QString>
#include <QStringList>

// The parts of the program that need large libraries live in modules of
// their own, which the program loads with dlopen() only in the modes that
// need them: the windows (Qt Widgets, Qt WebEngine; WindowModule) and the
// transfers to a site's server (libssh, Qt Network; ServerCommand). So the
// export and the other commands start without loading those libraries.
// Each module shows only its entry point (a version script).
namespace ProgramModule {

// Where the module fileName is looked for, in order: beside the program (a
// build tree), then in the library folder of an installed tree, relative to
// the program's folder.
QStringList candidates(const QString &programFolder, const QString &fileName);

// Loads the first candidate that exists (each of them when none does) and
// returns its entry point entryName; the module stays loaded until the
// program ends. When none can be loaded, returns nullptr and sets *problem
// to "Quillnav could not load its <what>:" and the loader's reasons, a line
// each, which name the files.
void *entryPoint(const QString &programFolder, const QString &fileName, const char *entryName,
                 const QString &what, QString *problem);

} // namespace ProgramModule
