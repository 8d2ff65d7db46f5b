#pragma once

#include "menu/MenuProject.h"
#include "site/PageReadBounds.h"

#include <QStringList>

#include <functional>

// Makes a menu of a sitemap in the sitemaps.org format (read with
// QXmlStreamReader): each <url>'s <loc> becomes an entry, in the sitemap's
// order, at most SiteWalk::kMaxPages. An address maps to a file of the site
// folder by its path (its host aside), read by SiteLink: "/blog/" is
// blog/index.html, a path that names a folder is its index page
// (SiteLink::folderPage), and a path that climbs above the top names no
// file. When that file
// exists the entry has its text (PageFacts, as a site's menu) and links to
// it relative to the site folder; otherwise the text is the address's last
// path name (decoded; its host when it has none) and the link the address.
class SitemapImport {
public:
    // The most a sitemap file may hold.
    static constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;

    // Reads the addresses; false with error() naming the file (and the line
    // of bad XML).
    bool read(const QString &sitemapPath);
    // The same for contents in memory; `path` only names them in messages.
    bool parse(const QByteArray &bytes, const QString &path);

    QString error() const { return m_error; }
    const QStringList &addresses() const { return m_addresses; }
    // Addresses left out past the limit, empty ones.
    const QStringList &notes() const { return m_notes; }

    // The file an address stands for in `siteFolder`, relative to it ('/'
    // between names); empty when there is none.
    static QString fileFor(const QString &address, const QString &siteFolder);

    // Makes the project: the entries, menu name "siteMenu", the site field the
    // absolute site folder. `progress` as in SiteMenuBuilder::build.
    bool project(const QString &siteFolder, MenuProject *out, QStringList *notes,
                 const PageReadBounds &bounds = {},
                 const std::function<bool(qsizetype, qsizetype)> &progress = {});

private:
    QString m_path;
    QString m_error;
    QStringList m_addresses;
    QStringList m_notes;
};
