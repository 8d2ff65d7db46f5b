#pragma once

#include "site/PagePlan.h"

#include <QDateTime>

// Writes the pages that a publish run's plans change. Nothing is written
// when any plan failed. Each page is written atomically; before the first,
// the earlier text of every page that changes is kept under
// <site>/.quillnav-backup/YYYYMMDD-HHMMSS/ (or the plan's backupRoot) with
// the page's own relative path; after a run that went through, only the
// newest BackupRuns::kKept runs stay. A plan that removes its file (remove)
// is backed up and written the same way, by unlinking.
// A page that changed on disk since it was read (its bytes compared just
// before its write), or vanished, is skipped; a read-only page is refused,
// never replaced by a rename; a page whose menu was edited by hand is
// skipped unless its plan says to replace the edits. Afterwards the site's
// publishing record (PublishRecord) takes what the written pages hold, and
// the files they were written as.
struct PageResult {
    enum Outcome { Written, Unchanged, Skipped, Failed };
    QString path;
    Outcome outcome = Failed;
    QString message; // Skipped and Failed: why
};

struct SiteWriteReport {
    QList<PageResult> results; // one for each plan, in their order
    QString backupFolder;      // relative to the site (absolute outside it); empty when nothing was kept
    QString note;              // the publishing record could not be kept (the pages were written)
    bool failed() const
    {
        for (const PageResult &r : results) {
            if (r.outcome == PageResult::Skipped || r.outcome == PageResult::Failed)
                return true;
        }
        return false;
    }
};

namespace SiteWriter {

// `now` names the backup folder.
SiteWriteReport write(const SitePlan &plan, const QDateTime &now = QDateTime::currentDateTime());

} // namespace SiteWriter
