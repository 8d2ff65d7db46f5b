#pragma once

#include "menu/MenuProject.h"
#include "site/PageFacts.h"
#include "site/PageReadBounds.h"

#include <QStringList>

#include <functional>

// Makes a menu of a site's pages (SiteWalk's pages and order). The menu has
// one level of indentation: the pages at the site's top level are entries of
// their own; each top-level folder is a heading with every page under it, at
// any depth, indented under it. The heading is the folder's index page (its
// text and link) when it has one, else the folder's name without link. An
// entry's text is the page's title or first <h1> (PageFacts), else its file
// name; its link is its path relative to the site folder (SiteLink::forPath).
namespace SiteMenuBuilder {

inline const QString kMenuName = QStringLiteral("siteMenu");

// Notes about single pages beyond this many are summed up in one.
inline constexpr int kMaxNotes = 50;

// The text of a page's entry: its title, else its file name.
QString textFor(const QString &relativePath, const PageFacts &facts);

// The entries for the pages (relative paths, '/' between names, in the
// walk's order) and their facts; `notes` gets the pages that could not be read.
QList<MenuItem> items(const QStringList &pages, const QList<PageFacts> &facts, QStringList *notes);

// Walks the folder and reads its pages into a project: the entries, the menu
// name kMenuName, no default selection, the site field the absolute folder
// (a caller that saves the project makes it relative: SiteFolder::fieldFor).
// False with `error` when the folder cannot be walked or holds no page.
// `progress` gets the count of pages read and their total; false cancels.
bool build(const QString &folder, MenuProject *project, QStringList *notes, QString *error,
           const PageReadBounds &bounds = {}, const std::function<bool(qsizetype, qsizetype)> &progress = {});

// Adds a note, or counts it when there are kMaxNotes already; `more` then
// gives the line that sums them up.
void addNote(QStringList *notes, const QString &note, qsizetype *skipped);
QString moreNotes(qsizetype skipped);

} // namespace SiteMenuBuilder
