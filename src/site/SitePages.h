#pragma once

#include <QString>
#include <QStringList>

// The pages of a site folder that publishing works on, and where a page may
// be written.
namespace SitePages {

inline const QString kBackupFolder = QStringLiteral(".quillnav-backup");

// Every page under the site folder as SiteWalk finds it (hidden folders,
// the backup folder among them, and links leading out skipped; loops
// walked once), by paths relative to it; `note` tells when the walk
// stopped at its limit.
QStringList find(const QString &siteFolder, QString *note = nullptr);

// Whether an absolute path lies in the site folder (links resolved); its
// path relative to the folder in `relative`.
bool contains(const QString &siteFolder, const QString &path, QString *relative);

// Whether a file is read-only: no one may write it by its mode, or the
// system refuses this user (so a page marked read-only is kept from an
// administrator too).
bool isReadOnly(const QString &path);

// The folder a file is written into (through a link, its target's), when
// this user cannot make a file in it (an atomic write makes its temporary
// file there), else empty. The system's own check, so it holds for an
// administrator too (an immutable folder, a read-only file system).
QString unwritableFolder(const QString &path);

} // namespace SitePages
