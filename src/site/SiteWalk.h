#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// Finds the pages of a site: every .html and .htm file under a folder, at
// any depth. Hidden folders (a name starting with '.', the backup folder
// .quillnav-backup among them) are skipped, and so are symbolic links that
// lead out of the folder or that cannot be followed. A symbolic link to a
// page or folder inside the site (an alias, or a loop) is not followed: what
// it leads to is walked under its own path, so each page is listed once,
// for its real folder (a page that only an alias leads to, in a hidden
// folder, is left out with a note). Within each folder the order is: its
// index.html (or index.htm), its other pages in natural order
// (NaturalOrder), then its subfolders in natural order, each walked whole.
// At most kMaxPages are taken, the first in that order, with a note.
class SiteWalk {
public:
    static constexpr qsizetype kMaxPages = 100000;
    // Folders deeper than this below the site are not entered (with a note).
    static constexpr int kMaxDepth = 128;

    // Whether a file name is a page's (.html or .htm, in any case).
    static bool isPage(const QString &fileName);

    // Walks `folder`; false, with error(), when it is missing or not a folder.
    bool run(const QString &folder);

    QString error() const { return m_error; }
    // The pages' paths relative to the folder, '/' between names.
    const QStringList &pages() const { return m_pages; }
    // Whether pages were left out past kMaxPages.
    bool truncated() const { return m_truncated; }
    // What was skipped or left out, in words (links leading out, past the limit).
    const QStringList &notes() const { return m_notes; }

private:
    void walk(const QString &absolute, const QString &relative, int depth, QSet<QString> *visited);
    // Notes the aliases whose target the walk did not reach.
    void noteAliases(const QSet<QString> &visited);
    void note(const QString &text);

    QString m_root;
    QString m_error;
    QStringList m_pages;
    QStringList m_notes;
    bool m_truncated = false;
    int m_skippedNotes = 0;
    QList<std::pair<QString, QString>> m_aliases; // relative path of a link, canonical target
};
