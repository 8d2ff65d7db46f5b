#pragma once

#include "support/TestPaths.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace testfiles {

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The rows of a table in tests/data: a JSON file holding a list of lists.
// Texts that stand for bytes are read as Latin-1 ("\u00c3" is the byte C3).
inline QList<QJsonArray> tableRows(const QString &name)
{
    QList<QJsonArray> rows;
    for (const QJsonValue &row : QJsonDocument::fromJson(readAll(testpaths::dataFile(name))).array())
        rows.append(row.toArray());
    if (rows.isEmpty())
        qFatal("missing test table %s", qPrintable(name));
    return rows;
}

} // namespace testfiles
