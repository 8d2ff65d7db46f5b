#pragma once

#include "site/PageMarks.h"
#include "site/PageReadBounds.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// Whether the pages of a site still use the HTML5 menus' shared script
// (PageMenuCode::kScriptFile in the site folder), so that taking a menu out
// removes the script only when no page of the whole site needs it. A page
// uses it through a <script src> that leads to it, read from the page's
// <base href> when one comes before the script (PageMarks). A src that
// cannot be placed in the site (another address, a base elsewhere, ".."
// above the site) counts when it names the script's file, so that a doubt
// keeps the script.
namespace SharedScript {

// Whether the page at pagePath (relative to the site) uses the script; the
// scripts inside the regions of the menu `leaving` (which the run takes
// out) are left out.
bool usedBy(const QString &pagePath, const QList<PageMark> &marks, const QString &leaving = {});

// The pages of the site, but those in `skip` (relative paths), that use the
// script: each read (at most maxPageBytes; one that cannot be read counts)
// and parsed when its text names "quillnav".
QStringList users(const QString &siteFolder, const QSet<QString> &skip, qint64 maxPageBytes,
                  const PageReadBounds &bounds = {});

} // namespace SharedScript
