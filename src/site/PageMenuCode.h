#pragma once

#include "menu/MenuProject.h"
#include "site/SiteLink.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The menu's code for one page of its site: the links relative to the
// site folder rewritten for the page's folder (SiteLink::forPage) and, when
// the project asks for it, the entry that leads to the page selected
// (SiteLink::pagesLedTo). HTML5 pages link the shared script file in the site
// folder instead of holding the script.
namespace PageMenuCode {

// The shared script's file name in the site folder.
inline const QString kScriptFile = QStringLiteral("quillnav-menus.js");

// The project as it stands on the page at pagePath (relative to the site).
MenuProject forPage(const MenuProject &project, const QString &pagePath);
// The same on a page whose links are resolved from `base` (its <base href>):
// the links rewritten to reach their files from there (SiteLink::forBase).
// `isFolder` says whether a path relative to the site folder is a folder, so
// that a link to a folder without its '/' selects the folder's index page.
MenuProject forPage(const MenuProject &project, const SiteLink::Base &base,
                    const std::function<bool(const QString &path)> &isFolder = {});

// The links of the project as the pages of each base folder write them,
// worked out once per folder: a large menu goes into many pages, and a link
// is rewritten for the folder its page's links start in. forPage() gives the
// same project as PageMenuCode::forPage. `isFolder` must give the same
// answers in every call (the pages' own entries are found once, for all).
class FolderLinks {
public:
    explicit FolderLinks(const MenuProject &project) : m_project(project) {}
    MenuProject forPage(const SiteLink::Base &base,
                        const std::function<bool(const QString &path)> &isFolder = {});
    // head(project, base) and body(forPage(base, isFolder)), each made once
    // for the pages that share it: the pages of a folder share their code
    // unless their own entry differs. Equal `variant`s, equal bodies.
    QString head(const SiteLink::Base &base);
    QString body(const SiteLink::Base &base, const std::function<bool(const QString &path)> &isFolder,
                 int *variant = nullptr);

private:
    QString keyOf(const SiteLink::Base &base) const;
    qsizetype ownEntry(const QString &page, const std::function<bool(const QString &path)> &isFolder);

    const MenuProject &m_project;
    QHash<QString, QStringList> m_urls;               // by the base's folder, "" or ending in '/'
    QHash<QString, QString> m_heads;                  // the same way
    QHash<QString, std::pair<QString, int>> m_bodies; // the same way and the own entry's index
    std::optional<QHash<QString, qsizetype>> m_own;   // each page's own entry (ownEntries)
};

// The head region's code and the body region's code (lines end with CR LF).
QString head(const MenuProject &project, const QString &pagePath);
QString head(const MenuProject &project, const SiteLink::Base &base);
QString body(const MenuProject &pageProject);

// The contents of the shared script file (LF line ends).
QByteArray scriptFile();

} // namespace PageMenuCode
