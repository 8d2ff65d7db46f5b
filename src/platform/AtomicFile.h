#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

// Writes a whole file through a temporary file that replaces the target only
// when everything was written and flushed to disk: a failed write leaves the
// old file untouched. On failure returns false and sets errorText to a
// sentence naming the file and the system's reason.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *errorText);

// Writes several files into one folder as a set: each is first written in a
// fresh private folder beside them and, only when all of them were written,
// moved onto its name. A link under a target name is replaced, never
// followed. On failure nothing of the set has been written.
bool WriteFilesAtomically(const QString &folder, const QList<std::pair<QString, QByteArray>> &files,
                          QString *errorText);
