#pragma once

#include "app/CommandLine.h"

#include <QString>

struct MenuItems;
struct MenuProject;

// The modes of the command line that need no window and no display (read by
// CommandLine): --generate writes the menu's code (without --dialect in the
// project's own dialect, classic when it has none); --write-preview the
// preview pages; --import the project made from one list of a web page (a
// page with several lists needs --select; its lists are named in the message).
namespace HeadlessExport {

enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

// Writes one message line to standard error.
void printError(const QString &text);
// Writes one line of a command's report to standard output.
void printLine(const QString &text);
// One row of a command's table of files: the state padded to `width`, the
// file's name as a user reads it, and the reason after a colon.
QString fileRow(const QString &state, int width, const QString &path, const QString &reason = {});

// Loads a project and applies the checks that come before any generation
// (an empty menu, the options; with previewChecks, what the preview needs).
// With `items`, the items stay in the file text (see ProjectFile::load).
int loadChecked(const QString &path, MenuProject *project, MenuItems *items, bool previewChecks,
                QString *error);

// Runs a mode without a window; messages go to stderr, generated text to
// stdout or a file.
int run(const CommandLine &command);

// Writes the three preview pages of a project file into a folder. Used by
// the export and shareable with tests. Returns an exit code; on failure the
// message is stored in errorText.
int writePreview(const QString &directory, const QString &projectPath, QString *errorText);

} // namespace HeadlessExport
