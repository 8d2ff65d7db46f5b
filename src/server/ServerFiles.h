#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct MenuProject;

// The files that move between a site folder and its server: the pages that
// hold a placeholder or a region of the menu, and the shared script
// quillnav-menus.js, and nothing else (no backup folder, no hidden file, no
// project file). Pages named by the user must lie in the site folder and
// must not be hidden.
struct ServerFiles {
    QStringList paths;                          // relative to the site folder, '/' between names
    QList<std::pair<QString, QString>> refused; // a named file and why it does not move
    QString error;                              // the site could not be read at all
    QString note;

    // `named`: the files given (absolute or from the current folder); empty:
    // the menu's pages of the site.
    static ServerFiles select(const MenuProject &project, const QString &siteFolder,
                              const QStringList &named);
};
