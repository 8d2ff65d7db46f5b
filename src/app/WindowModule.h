#pragma once

#include <QString>
#include <QStringList>

// The windows live in a module of their own (libquillnav_windows.so, linking
// Qt Widgets and Qt WebEngine) so that the export and the command line start
// without loading them. The program loads it only to open its main window,
// looking for it where ProgramModule looks.
namespace WindowModule {

// The module's one entry point: runs the main window, opening projectFile
// (UTF-8, empty for none), and returns the program's exit code. argv holds
// the program's name and Qt's own options only, for QApplication to read.
using EntryPoint = int (*)(int *argc, char **argv, const char *projectFile);
inline constexpr char kEntryPointName[] = "quillnav_windows_main";

// Why no window can open here, or an empty text: without a display (X11 or
// Wayland) and without a platform named (QT_QPA_PLATFORM, -platform), Qt
// would stop the program.
QString displayProblem(const QStringList &qtOptions);

// Loads the module and runs its entry point with programName and Qt's
// options as QApplication's arguments. When the module cannot be loaded,
// writes a message naming the file and the loader's reason to stderr (when
// there is no display, says so) and returns HeadlessExport::Failure.
int run(const QByteArray &programName, const QStringList &qtOptions, const QString &programFolder,
        const QString &projectFile);

} // namespace WindowModule
