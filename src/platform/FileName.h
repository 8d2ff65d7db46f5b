#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// File names as the system holds them (bytes) and as Quillnav holds them
// (text). A name in UTF-8 is its text. A name that is not (an old Latin-1
// "r\xe9sum\xe9.htm", say) keeps each byte that does not decode as the lone
// surrogate U+DC80..U+DCFF, so that its text gives the very same bytes back,
// which QFile::encodeName and Qt's file classes cannot: every system call
// on a user's file takes its name from encode(). Such a text cannot be
// printed as it is; shown() writes those bytes as "\xE9".
namespace FileName {

QString decode(const QByteArray &bytes);
QByteArray encode(const QString &path);

// Whether a path holds no kept byte (Qt's file classes take it as it is).
bool isPlain(const QString &path);

// The path for a message: each kept byte as "\xE9".
QString shown(const QString &path);

// The absolute path with every link resolved (realpath); empty when it
// cannot be resolved (a missing file, a link that leads nowhere).
QString canonical(const QString &path);

// One entry of a folder, its kind found by following links.
struct Entry {
    QString name;
    bool isDir = false;
    bool isFile = false; // a regular file
    bool isSymLink = false;
};

// The entries of a folder but "." and ".." in the system's order; false when
// it cannot be read.
bool list(const QString &folder, QList<Entry> *entries);

} // namespace FileName
