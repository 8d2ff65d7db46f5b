#pragma once

#include "menu/CodeDialect.h"
#include "menu/MenuItem.h"
#include "menu/MenuOptions.h"
#include "menu/PageLanguage.h"
#include "styles/StyleRecords.h"

#include <QList>

// A snapshot of everything that makes up a menu project: what the generator
// reads and what a project file carries.
struct MenuProject {
    QList<MenuItem> items;
    MenuOptions options;
    MenuStyleRecord menuStyle;
    ButtonStyleRecord buttonStyle;
    CodeDialect dialect = CodeDialect::Classic;
    // The folder of the site the menu serves, as the project file holds it:
    // relative to the file's own folder ('/' between names, "../" allowed),
    // or absolute while the project has no file yet; empty: none (see
    // SiteFolder).
    QString site;
    // Publishing marks, on each page, the entry that links to that page as
    // the selected one.
    bool selectCurrentPage = true;
    // Where publishing keeps its backups, held like `site`; empty: in the
    // site's own .quillnav-backup (see BackupRuns).
    QString backups;
    // The language the HTML5 pages declare (a BCP 47 tag, see PageLanguage).
    QString lang = pagelanguage::kDefault;
    // The address of the site's server (ServerAddress), never with a
    // password; empty: none.
    QString server;

    friend bool operator==(const MenuProject &, const MenuProject &) = default;
};
