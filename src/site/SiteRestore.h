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
};

// The backup runs of a site, the newest first.
QList<Run> runs(const QString &siteFolder);

// The plan that restores the run `stamp`; `error` set when there is no such run.
SitePlan prepare(const QString &siteFolder, const QString &stamp);

} // namespace SiteRestore
