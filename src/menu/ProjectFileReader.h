#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// What the project reader's parts share (ProjectFile, ProjectFields,
// ProjectItems): the refusal that stops a read and the root's members.
namespace ProjectFile::reader {

// Thrown inside the reader; carries "<field> <problem>", the field named as
// the window shows it.
struct Refusal {
    QString text;
};

[[noreturn]] void refuse(const QString &field, const QString &problem);

// The problem of a text longer than a field in the window holds.
QString tooLongProblem();

// The root's members, found in a first pass that also checks the whole
// file's syntax: where each value starts (the last of equal names counts,
// as in Qt's JSON), and the number of items.
struct RootMembers {
    QHash<QByteArray, qsizetype> at;
    qsizetype itemCount = 0;

    qsizetype offset(const char *key) const { return at.value(QByteArray(key), -1); }
};

} // namespace ProjectFile::reader
