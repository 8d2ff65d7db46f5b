#pragma once

#include "menu/MenuItems.h"
#include "menu/MenuProject.h"
#include "platform/WriteTarget.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Saved menu projects (.qnv): JSON, UTF-8. Loading accepts only what the
// program itself can hold and names the file, the field and the problem
// of anything else.
namespace ProjectFile {

inline const QString kFormat = QStringLiteral("quillnav-menu-project");
inline constexpr int kVersion = 1;
// The file dialogs' filter, in the windows' language.
inline QString filter()
{
    return QCoreApplication::translate("ProjectFile", "Quillnav menu projects (*.qnv)");
}

// Limits of what a project may hold, so that everything loaded can be shown
// and generated at once: a text no longer than the window's line edits take
// (32767 characters), code of at most 256 MiB, a file of at most 128 MiB
// (a million items of site-map length take about 100 MiB). The file's
// reader checks the texts and the file; the code's length is the code
// generator's to check (codelimit), by every caller that loads a project
// to show or generate it.
inline constexpr qsizetype kMaxTextLength = 32767;
inline constexpr qint64 kMaxCodeLength = 256LL * 1024 * 1024;
inline constexpr qint64 kMaxFileBytes = 128LL * 1024 * 1024;

// The file's text. One pass over the project; each item takes one line.
QByteArray serialize(const MenuProject &project);

// What a refused text failed: the JSON syntax (RFC 8259, UTF-8, nesting up
// to JsonScanner::kMaxDepth), or, well-formed JSON, what a project must hold
// (its fields, their meaning and limits).
enum class Refused { Nothing, Syntax, Content };

// Parses file contents without building a JSON document: one pass checks the
// syntax, a second reads the fields. On failure returns false and sets error
// to the problem (without the file name), naming the field as the window
// shows it: "entry 2 ("About us"): Selected must be "Yes" or "No"",
// "Menu Options: Target of Links must be ...". `refused`, when given, tells
// what failed.
bool parse(const QByteArray &bytes, MenuProject *project, QString *error, Refused *refused = nullptr);

// Parses like parse(), with the same checks and problems, but keeps no item:
// `items` walks them in the text (read again at each walk, which holds the
// text), so that a large project costs little more memory than its file.
bool parse(const QByteArray &bytes, MenuProject *project, MenuItems *items, QString *error,
           Refused *refused = nullptr);

// The message of a file refused for `problem`, naming the file: every
// refusal of a project file's contents, here or by a caller's own check (the
// code's length, see codelimit), reads the same.
QString refusalMessage(const QString &path, const QString &problem);

// Reads and parses a file (a regular file only); on failure the message
// names the file too. `summary`, when given, gets the items' summary as the
// reader gathered it.
bool load(const QString &path, MenuProject *project, QString *error, MenuItemSummary *summary = nullptr);
// The same, the items kept in the file text (see the parse() with `items`).
bool load(const QString &path, MenuProject *project, MenuItems *items, QString *error);
// Writes atomically, streamed to the file; on failure (a project larger than
// kMaxFileBytes included) the message names the file and the reason, and the
// old file is untouched. `mode` says what else may stand at the name (see
// WriteTarget): a device or FIFO is written through only for the command line.
bool save(const QString &path, const MenuProject &project, QString *error,
          WriteMode mode = WriteMode::Replace);

} // namespace ProjectFile
