#pragma once

#include <QString>
#include <QtGlobal>

struct stat;

// The node a name leads to (links followed): which file it is (device and
// inode) and what a change to it shows (size, modification and change times
// to the nanosecond). A name that leads nowhere has exists == false.
struct FileIdentity {
    bool exists = false;
    bool regular = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;

    static FileIdentity of(const QString &path);
    // The node a stat() or fstat() described.
    static FileIdentity of(const struct stat &info);

    // The same node, whatever names lead to it (hard links, symbolic links).
    bool sameFileAs(const FileIdentity &other) const
    {
        return exists && other.exists && device == other.device && inode == other.inode;
    }
    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;
};

// When a command's output would be the file it reads (the same node under any
// name), the sentence that refuses it; otherwise an empty text.
QString OutputIsInputProblem(const QString &input, const QString &output);
