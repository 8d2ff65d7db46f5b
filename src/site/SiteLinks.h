#pragma once

#include <QString>
#include <QStringList>

// Links of a menu that serves a whole site. A relative link is relative to
// the site folder; a root-relative one ("/about.html") is taken from the site
// folder too; links with a scheme ("https:", "mailto:") and "//host" links
// lead outside. Pages are named by their path relative to the site folder,
// with '/'.
namespace SiteLinks {

// Whether a link is relative (neither root-relative nor with a scheme, nor
// only a fragment or a query).
bool isRelative(const QString &link);

// A site-relative link written for a page at pagePath: relative to the page's
// folder ("about.html" from "blog/2026/x.html" is "../../about.html"). Other
// links, and every link of a page at the top, stay as they are.
QString forPage(const QString &link, const QString &pagePath);

// Whether a link leads to the page at pagePath, its fragment and query aside
// (a link to a folder leads to its index.html or index.htm).
bool leadsTo(const QString &link, const QString &pagePath);

// The way from a page's folder up to the site folder: "" at the top, else
// "../" for each folder.
QString upToSite(const QString &pagePath);

} // namespace SiteLinks
