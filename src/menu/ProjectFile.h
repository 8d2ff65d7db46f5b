#pragma once

#include "menu/MenuProject.h"

#include <QByteArray>
#include <QString>

// Saved menu projects (.qnv): JSON, UTF-8. Loading accepts only what the
// program itself can hold and names the file, the field and the problem
// of anything else.
namespace ProjectFile {

inline const QString kFormat = QStringLiteral("quillnav-menu-project");
inline constexpr int kVersion = 1;
inline const QString kFilter = QStringLiteral("Quillnav menu projects (*.qnv)");

QByteArray serialize(const MenuProject &project);

// Parses file contents. On failure returns false and sets error to
// "<field>: <problem>" (without the file name).
bool parse(const QByteArray &bytes, MenuProject *project, QString *error);

// Reads and parses a file; on failure the message names the file too.
bool load(const QString &path, MenuProject *project, QString *error);
// Writes atomically; on failure the message names the file and the reason.
bool save(const QString &path, const MenuProject &project, QString *error);

} // namespace ProjectFile
