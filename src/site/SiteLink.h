#pragma once

#include <QString>
#include <QStringList>

// What a menu's link is, as the site commands read it: an address on the
// web, a mail address, a file of the site, or a fragment of the page that
// shows the menu. Links are read as a browser reads an href (white space
// at the ends and tabs and line breaks inside ignored, '\' as '/').
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
    // Site: the path's names, %-escapes decoded, "." and ".." applied; a
    // last empty name stands for a folder's index page.
    QStringList names;
    bool leavesSite = false; // Site: ".." led above the site folder
    QString fragment;        // after '#', as written (Site, Fragment)
    QString scheme;          // Web, Other: lower case
    QString mailAddresses;   // Mail: the text before '?', as written

    static SiteLink parse(const QString &link);

    // The link to a site file from its path relative to the site folder ('/'
    // between names): what a link may not hold as it is (white space,
    // '%', '#', '?', ':', '\' and other ASCII characters outside a URL's
    // path) is %-escaped; other characters stay.
    static QString forPath(const QString &relativePath);

    // Whether a text is a valid e-mail address as HTML defines one (an
    // internationalised domain is taken in its ASCII form).
    static bool isMailAddress(const QString &address);
};
