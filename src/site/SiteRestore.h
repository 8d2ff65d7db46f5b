#pragma once

#include "site/PagePlan.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Puts the pages of a backup run (.quillnav-backup/STAMP/, see SiteWriter)
// back into the site. prepare() reads every page of the run and the page it
// replaces into a plan, writing nothing; SiteWriter::write() then writes it
// with publishing's own rules (atomic, read-only pages refused, pages
// changed since they were read skipped, the current texts backed up first).
// Pages identical to their backup are up to date and not written. A restored
// page's entry in the publishing record becomes the one the run kept.
namespace SiteRestore {

struct Run {
    QString stamp;  // the folder's name: YYYYMMDD-HHMMSS, with "-N" after a second run in one second
    QDateTime time; // from the stamp; invalid when it names none
    qsizetype pages = 0;
    QString folder; // absolute
};

// The backup runs of a site (the folders named by a stamp), the newest
// first: those in `backupFolder` (the project's `backups`, absolute) and
// those in the site's own .quillnav-backup.
QList<Run> runs(const QString &siteFolder, const QString &backupFolder = {});

// The plan that restores the run `stamp`, looked for in `backupFolder` first,
// then in the site's own; `error` set when there is no such run. The texts
// it replaces are backed up into `backupFolder` (or the site's own).
SitePlan prepare(const QString &siteFolder, const QString &stamp, const QString &backupFolder = {});

} // namespace SiteRestore
