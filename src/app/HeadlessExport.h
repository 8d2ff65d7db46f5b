#pragma once

#include <QStringList>

// The command-line export, which runs before any window is created and needs
// no display:
//   quillnav --generate PROJECT [--part head|body|page] [--preview-mode]
//                     [--dialect classic|html5] [-o FILE]
// Without --dialect the project's own dialect is used (classic when it has none).
//   quillnav --write-preview DIR PROJECT
//   quillnav --import PAGE -o PROJECT [--select N|NAME]
// The import writes the project made from one list of a web page; a page
// with several lists needs --select (its lists are named in the message).
namespace HeadlessExport {

enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

// True when the arguments (without the program name) ask for an export.
bool isExportRequest(const QStringList &arguments);

// Runs an export; messages go to stderr, generated text to stdout or a file.
int run(const QStringList &arguments);

// Writes the three preview pages of a project file into a folder. Used by
// the export and shareable with tests. Returns an exit code; on failure the
// message is stored in errorText.
int writePreview(const QString &directory, const QString &projectPath, QString *errorText);

QString usage();

} // namespace HeadlessExport
