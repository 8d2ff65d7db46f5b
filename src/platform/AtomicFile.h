#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file through a temporary file that replaces the target only
// when everything was written: a failed write leaves the old file untouched.
// On failure returns false and sets errorText to a sentence naming the file.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *errorText);
