#pragma once

#include <QString>

// Names and paths on a server, checked before any call uses them: what a
// transfer names comes from the site's relative paths, and nothing a
// server's listing says can lead out of the server folder.
namespace ServerPath {

// One name of a path: not empty, not "." or "..", no '/', '\\' or NUL, at
// most 255 bytes.
bool isSafeName(const QString &name);
// A path relative to the site (or server) folder, '/' between safe names.
bool isSafeRelative(const QString &relative);
// The server path of `relative` under `folder`; empty when relative is not safe.
QString under(const QString &folder, const QString &relative);
// The folder part of a server path ("/a/b" of "/a/b/c.html").
QString folderOf(const QString &path);

// The temporaries of a transfer, in the target's own folder: the new bytes
// are written under the first, the old file is moved to the second while
// the new one takes its name. Both are found and tidied by the next run.
QString newName(const QString &name);
QString oldName(const QString &name);
// For a listed name: the target it was a temporary of, and which kind.
bool isTemporary(const QString &name, QString *target, bool *old);

} // namespace ServerPath
