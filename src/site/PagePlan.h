#pragma once

#include "platform/FileIdentity.h"
#include "site/LinkVerdict.h"
#include "site/PublishRecord.h"

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

// What publishing (or taking out) a menu does to one page of the site, found
// before anything is written.
struct PagePlan {
    // EditedByHand: it would change, but a region of the menu is no longer
    // what the last publish wrote (PublishRecord); written only when the
    // user chooses to replace the edits (replaceEdits).
    enum State { WillChange, UpToDate, NoPlaceholder, Error, EditedByHand };
    QString path; // relative to the site folder, '/' between names
    State state = Error;
    QString reason;         // Error: why; NoPlaceholder: what the page lacks (translated, as stateText)
    QByteArray oldBytes;    // the page as it was read (empty when it did not exist)
    QByteArray newBytes;    // WillChange: what it becomes
    FileIdentity identity;  // the file as it was read
    QByteArray encoding;    // the one the page was read in and is written in (empty when not read)
    qint64 regionBytes = 0; // WillChange when publishing: the bytes of the menu's regions in it
    // EditedByHand: write it all the same.
    bool replaceEdits = false;
    // WillChange: the file goes (backed up like a changed page) instead of
    // taking newBytes.
    bool remove = false;
    // Taking a menu out: whether the page uses the shared script now, and
    // once this run has written it (SharedScript).
    bool scriptBefore = false;
    bool scriptAfter = false;
    // What the publishing record keeps of the page once it is written (no
    // menus: its entry goes); unset: its entry is left as it is.
    std::optional<PublishRecord::Page> record;

    // "will change", "up to date", "no placeholder", "error" or "edited by hand".
    static QString stateText(State state);
};

// A whole run's plans; `error` is set when the run cannot start at all (the
// site folder, the menu name).
struct SitePlan {
    QString siteFolder; // absolute
    // Where the run's backup goes (BackupRuns::root); empty: the site's own.
    QString backupRoot;
    QList<PagePlan> pages;
    QString error;
    QString note; // a remark on the walk (it stopped early)
    // The record of earlier publishing (PublishRecord) was set aside: why.
    QString recordNote;
    // Taking a menu out: the row of the shared script (-1: none), and the
    // site's other pages that use it (SitePublisher::settleScript).
    qsizetype scriptRow = -1;
    QStringList scriptUsers;
    // Publishing: the verdict on each entry's link (LinkCheck), in the
    // menu's order; a dead link is a warning, never a failure of the run.
    QList<LinkVerdict> links;

    bool failed() const
    {
        if (!error.isEmpty())
            return true;
        for (const PagePlan &p : pages) {
            if (p.state == PagePlan::Error)
                return true;
        }
        return false;
    }
    // The largest region of the menu in a page, and the bytes the changed pages hold in all.
    qint64 largestRegion() const;
    qint64 bytesToWrite() const;
    // A sentence giving both, as the dry run and the window tell them; empty
    // when nothing changes.
    QString sizeText(const QLocale &locale) const;
    qsizetype count(PagePlan::State state) const
    {
        qsizetype n = 0;
        for (const PagePlan &p : pages)
            n += p.state == state;
        return n;
    }
};
