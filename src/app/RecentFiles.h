#pragma once

#include <QString>
#include <QStringList>

// The list of recently used project files, most recent first, kept per user
// in the settings store under Software\Brookfen\Quillnav 1.2\Recent Files.
namespace RecentFiles {

inline constexpr int MaxCount = 5;
inline const QString Section = QStringLiteral("Recent Files");

// The stored paths, most recent first; empty entries are skipped.
QStringList Read();
// Puts a path in front (removing it further down) and keeps MaxCount paths.
// False when the store could not be written.
bool Add(const QString &path);
// Drops a path from the list.
bool Remove(const QString &path);

} // namespace RecentFiles
