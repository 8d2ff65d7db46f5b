#pragma once

#include <QString>
#include <QStringList>

// Where a site's backup runs (SiteWriter) are kept, and how many: each run
// is a folder named by its time, YYYYMMDD-HHMMSS with "-N" after a second
// run in one second. The runs go into the site's own .quillnav-backup, or
// into the folder the project's `backups` field names (outside the site, or
// in a hidden folder of it, which publishing never walks). After a
// successful run only the newest kKept runs are kept.
namespace BackupRuns {

inline constexpr qsizetype kKept = 10;

// The folder that holds the runs: `folder` (absolute; empty: the site's own
// .quillnav-backup). Empty, with the reason in `error`, when `folder` lies
// where publishing would take its copies for pages (in the site, not in a
// hidden folder) or holds the site itself.
QString root(const QString &siteFolder, const QString &folder, QString *error);

// Whether a folder's name is a run's stamp.
bool isStamp(const QString &name);

// The runs in `root` (folders named by a stamp, no links), the oldest first.
QStringList stamps(const QString &root);

// Removes the runs of `root` older than the newest kKept, never `keep` (the
// run just made); only folders named by a stamp are touched. Returns the
// stamps removed.
QStringList prune(const QString &root, const QString &keep);

} // namespace BackupRuns
