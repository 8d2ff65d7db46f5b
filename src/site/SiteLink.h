#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// What a menu's link is, as Quillnav reads it against the site: an address
// on the web, a mail address, a file of the site, or a fragment of the page
// that shows the menu. The one reader of links for the link check,
// publishing, the sitemap reader and building from the site.
//
// A link is first cleaned as a browser cleans an href: C0 controls and
// spaces at the ends are dropped, tabs and line breaks inside removed, and in
// the path of a relative or http(s) link '\' is read as '/'. The clean-up
// applies only where a link is resolved; the stored link, and the code
// generated from it, stay as typed.
//
// A folder stands for its index page: its index.html, or its index.htm when
// it has no index.html (folderPage).
struct SiteLink {
    enum Kind {
        Empty,    // nothing, or only a query: the page that shows the menu
        Fragment, // "#name" alone: a place in the page that shows the menu
        Site,     // a relative or root-relative path: a file of the site
        Mail,     // mailto:
        Web,      // http:, https: or "//host"
        Other     // another scheme (javascript:, tel:, ftp: ...)
    };
    Kind kind = Empty;
    // Site, Web, and Other with "//host": the path's names, %-escapes
    // decoded, "." and ".." applied; a last empty name stands for a folder's
    // index page.
    QStringList names;
    // The same names as written (%-escapes kept).
    QStringList written;
    bool rootRelative = false; // Site: the path begins with '/'
    bool leavesSite = false;   // ".." led above the top folder
    QString path;              // Site: the cleaned path as written
    QString rest;              // Site: the query and fragment as written ("?a=1#x")
    QString fragment;          // after '#', as written (Site, Fragment)
    QString scheme;            // Web, Other: lower case
    QString host;              // Web, Other with "//host": in lower case
    QString mailAddresses;     // Mail: the text before '?', as written

    static SiteLink parse(const QString &link);

    // The link without what a browser drops from an href before reading it:
    // C0 controls and spaces at the ends, tabs and line breaks inside.
    static QString cleaned(const QString &link);

    // The link to a site file from its path relative to the site folder ('/'
    // between names): what a link may not hold as it is (white space,
    // '%', '#', '?', ':', '\' and other ASCII characters outside a URL's
    // path) is %-escaped; other characters stay.
    static QString forPath(const QString &relativePath);

    // Whether a text is a valid e-mail address as HTML defines one (an
    // internationalised domain is taken in its ASCII form).
    static bool isMailAddress(const QString &address);

    // A site's pages are named by their path relative to the site folder,
    // with '/'. A relative link is relative to the site folder; a
    // root-relative one ("/about.html") is taken from the site folder too.

    // The link as written into the page at pagePath: a relative link, cleaned,
    // relative to the page's folder ("about.html" from "blog/2026/x.html" is
    // "../../about.html"). Other links stay as typed.
    static QString forPage(const QString &link, const QString &pagePath);

    // Where a page's relative links are resolved from, as a browser resolves
    // them: the page's own address, or the first <base> element with an href
    // read against it (the site folder taken as the server's root, as for
    // root-relative links).
    struct Base {
        enum Problem {
            None,
            AboveSite, // a relative base that leads above the site folder
            Elsewhere  // an address of another kind (http:, //host, mailto: ...)
        };
        QString page;           // the page, relative to the site folder
        QString folder;         // where relative links start: "" or "blog/" (ends with '/')
        bool ownAddress = true; // the base is the page's own address
        Problem problem = None;
        QString href; // the base element's href, as written (empty without one)
    };
    // The page without a base element, and with one whose href is `href`.
    static Base base(const QString &pagePath);
    static Base base(const QString &pagePath, const QString &href);

    // The link as written into a page whose base is `base`, so that it
    // reaches the same file: a relative link relative to the base's folder;
    // a fragment or a query alone, when the base is not the page's own
    // address, with the page's path before it. Other links stay as typed.
    static QString forBase(const QString &link, const Base &base);

    // The pages a link leads to, its fragment and query aside, by paths
    // relative to the site folder: the page it names, or both index pages of
    // a folder it names (with its '/', or without it when `isFolder` is given:
    // pageNames). None for a link that does not stay in the site.
    static QStringList pagesLedTo(const QString &link,
                                  const std::function<bool(const QString &path)> &isFolder = {});

    // The names of what a link's names lead to when `isFolder` (given a path
    // relative to the site folder) says the last one is a folder named
    // without its '/': the names with a last empty name, which stands for the
    // folder's index page. Other names are returned as they are.
    static QStringList pageNames(const QStringList &names,
                                 const std::function<bool(const QString &path)> &isFolder);

    // The way from a page's folder up to the site folder: "" at the top, else
    // "../" for each folder.
    static QString upToSite(const QString &pagePath);

    // The file name of a folder's index page: the first of index.html and
    // index.htm that `holds` says the folder holds, else index.html.
    static QString folderPage(const std::function<bool(const QString &fileName)> &holds);

    // Whether a file name is one of the index pages' names, in any case (a
    // folder's index page comes first among its pages).
    static bool isIndexName(const QString &fileName);
};
