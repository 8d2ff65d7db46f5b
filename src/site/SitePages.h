#pragma once

#include <QString>
#include <QStringList>

// The pages of a site folder: every .html and .htm file under it, its
// subfolders too, by their paths relative to it ('/' between names), in
// order. Hidden folders and files (the backup folder among them) are
// skipped, and so are links that lead out of the folder; a folder reached
// twice (a link loop) is read once.
namespace SitePages {

inline const QString kBackupFolder = QStringLiteral(".quillnav-backup");
constexpr qsizetype kMaxPages = 100000;

// The pages; `note` tells when the walk stopped at kMaxPages.
QStringList find(const QString &siteFolder, QString *note = nullptr);

// Whether an absolute path lies in the site folder (links resolved); its
// path relative to the folder in `relative`.
bool contains(const QString &siteFolder, const QString &path, QString *relative);

// Whether a file is read-only: no one may write it by its mode, or the
// system refuses this user (so a page marked read-only is kept from an
// administrator too).
bool isReadOnly(const QString &path);

} // namespace SitePages
