#pragma once

#include "codegen/MenuCodeGenerator.h"
#include "menu/MenuProject.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;

// Asks for a file name (an HTML page) and writes the code there as a complete
// page holding the head fragment and the body fragment exactly as given. The
// file is replaced as a whole or not at all; a failed write is reported in a
// message box naming the file and the reason. Returns true when the file was
// written (and savedPath, if given, to its path); false when the user
// cancelled or the write failed.
bool SaveCodeToFile(QWidget *owner, const MenuCode &code, QString *savedPath = nullptr);
// The same for the bare code of a project (the fragments the code window shows).
bool SaveCodeToFile(QWidget *owner, const MenuProject &project, QString *savedPath = nullptr);

// The file chooser behind SaveCodeToFile: returns the chosen path, or an empty
// text when the user cancelled. Tests replace it so that no dialog blocks; an
// empty chooser restores the file dialog. Returns the previous chooser.
using SaveCodeFileChooser = std::function<QString(QWidget *owner)>;
SaveCodeFileChooser SetSaveCodeFileChooser(SaveCodeFileChooser chooser);

// Caption of the save dialog and of its messages.
inline QString SaveCodeTitle()
{
    return QCoreApplication::translate("SaveCodeToFile", "Save Code to File");
}
