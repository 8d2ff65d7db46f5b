#pragma once

#include "menu/MenuItem.h"
#include "site/LinkVerdict.h"
#include "site/PageReadBounds.h"

#include <QHash>
#include <QList>

#include <functional>

// Checks a menu's links against the files of its site folder, without any
// network access; links are read by SiteLink. A relative or root-relative
// link must name a file that exists with exactly the link's case (each name
// is looked up in its folder's listing); its query is ignored and its
// %-escapes decoded; a folder, with or without its '/', stands for its index
// page (SiteLink::pageNames, SiteLink::folderPage). A fragment must name an id or an <a name> of
// that page ("top" always may), read as the import
// reads pages (PageFactsReader, each page once). A bare fragment is not
// checked: the menu sits on many pages. mailto: links must hold valid
// addresses; http(s) and other addresses are not checked.
class LinkCheck {
public:
    explicit LinkCheck(const QString &siteFolder);

    // One verdict for each item, in order. `progress` as in PageFactsReader.
    QList<LinkVerdict> check(const QList<MenuItem> &items, const PageReadBounds &bounds = {},
                             const std::function<bool(qsizetype)> &progress = {});

    // "12 links: 10 good, 1 failed, 1 not checked".
    static QString summary(const QList<LinkVerdict> &verdicts);

    // The failed links, one line each: `entry 3 ("Blog"), "blog/old.html": the reason`.
    static QStringList deadLinks(const QList<MenuItem> &items, const QList<LinkVerdict> &verdicts);

private:
    struct Listing {
        bool read = false;
        QHash<QString, bool> entries;   // name: whether it is a folder
        QHash<QString, QString> folded; // name in lower case: the name
    };
    struct Target {
        QString path;   // relative to the site folder, '/' between names
        QString failed; // why it fails, when it does
    };

    Target resolve(const QStringList &names);
    bool isFolder(const QString &relativePath);
    const Listing &listing(const QString &relativeFolder);
    // The entry of a listing that a name stands for: of this case, else of another.
    static QHash<QString, bool>::const_iterator lookup(const Listing &listing, const QString &name);

    QString m_site;
    QHash<QString, Listing> m_listings;
};
