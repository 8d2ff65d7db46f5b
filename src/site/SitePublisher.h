#pragma once

#include "menu/MenuProject.h"
#include "site/PagePlan.h"
#include "site/PageReadBounds.h"

#include <QStringList>

// Publishes a menu into the pages of its site, or takes it out again, in two
// steps: prepare() reads every page (but those whose file the publishing
// record vouches for: PublishRecord::vouchesFor) and makes its new text,
// writing nothing; write() (SiteWriter) then writes the pages that change.
// The window shows the plans between the two.
namespace SitePublisher {

enum Action { Publish, Unpublish };

struct Options {
    qint64 maxPageBytes = 64LL * 1024 * 1024; // as the import reads
    PageReadBounds bounds;
    QString backupFolder; // absolute, from the project's `backups`; empty: the site's own
};

// The plans for the pages: `pages` are absolute paths (they must lie in the
// site folder); empty, every page of the site (SitePages) that holds the
// menu's placeholder or a region of it. The project's options must have
// been checked (CheckMenuOptions).
SitePlan prepare(const MenuProject &project, const QString &siteFolder, const QStringList &pages,
                 Action action, const Options &options = {});

// Taking a menu out: the shared script's row removes the file when no page
// of the site uses it once the run is written (pages edited by hand count
// as written only with replaceEdits), else keeps it. prepare() settles it;
// call it again after changing replaceEdits.
void settleScript(SitePlan &plan);

} // namespace SitePublisher
