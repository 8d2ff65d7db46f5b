#pragma once

#include "platform/FileIdentity.h"

#include <QByteArray>
#include <QMap>
#include <QString>

// What publishing last wrote into each page of a site, kept in the hidden
// file .quillnav-publish.json in the site folder (the walk takes only
// pages, so it never reads it as one). For each page: a hash of its whole
// bytes after the write, kept only when its links start in its own folder
// (no base element can be in it), and, for each menu in it, hashes of the regions
// written and of the menu's code, and the placeholder the body region
// replaced. A region whose bytes no longer match its hash was edited by
// hand. The regions' and the code's hashes are SHA-256 in lower-case hex;
// the page's is XXH3-128 in lower-case hex (pageHash): publishing again
// hashes every page of the site, so that hash must cost less than reading.
//
// Beside a page's hash, the file it was written as (`Page::file`: device,
// inode, size, modification and change times), so that a later run can
// tell, as git's index does, that the page still holds those bytes without
// reading it (vouchesFor).
//
// The file:
//   {"format": 2, "pages": {"blog/index.html": {"page": HASH128,
//     "stat": "DEVICE INODE SIZE MODIFIED_NS CHANGED_NS",
//     "menus": {"siteNav": {"body": HASH, "head": HASH, "code": HASH,
//                           "placeholder": "<!--   quillnav siteNav -->"}}}}}
// "stat" may be missing (records of earlier versions, which do not read it).
// A record of format 1 (whose page hashes were SHA-256 and kept for every
// page) is read without its page hashes: its pages are parsed once more.
struct PublishRecord {
    static inline const QString kFileName = QStringLiteral(".quillnav-publish.json");
    static constexpr qint64 kMaxBytes = 64LL * 1024 * 1024;

    struct Menu {
        QByteArray bodyHash; // the body region as written, from its begin mark to its end mark
        QByteArray headHash; // the head region the same way; empty when none was written
        QByteArray codeHash; // the page's menu code (its head and body code)
        QString placeholder; // the placeholder comment, whole, as the page had it; may be empty
        friend bool operator==(const Menu &, const Menu &) = default;
    };
    using MenuMap = QMap<QString, Menu>;
    struct Page {
        QByteArray pageHash; // the whole page after the write (pageHash()); empty when not kept
        // The file that held exactly those bytes once written (taken from the
        // writer's own descriptor); exists == false when not kept.
        FileIdentity file;
        MenuMap menus; // by the menu's name as the marks compare it
        friend bool operator==(const Page &, const Page &) = default;
    };

    QMap<QString, Page> pages; // by the path relative to the site, '/' between names
    // The record's own file as load() read it; not saved, not compared.
    FileIdentity loadedFrom;
    friend bool operator==(const PublishRecord &a, const PublishRecord &b) { return a.pages == b.pages; }

    // Whether a page's file, as it stands (`now`, links followed), still holds
    // exactly the bytes its pageHash names, without reading it: it is the very
    // file recorded (device and inode), of the same size and times. A change
    // in place sets the change time, which no program can set back, so it shows
    // in the next tick of the file system's clock; within the recorded tick it
    // may not. So the record vouches only for files whose change time is older
    // than the record's own (its modification and change times, on the same
    // device): an edit made in the same tick as the page's write, after the
    // record was saved, would otherwise go unseen ("racy" in git's words).
    bool vouchesFor(const Page &page, const FileIdentity &now) const;

    // The record of a site; none when the file is missing. A file that cannot
    // be read or is damaged gives none too, and `note` says so.
    static PublishRecord load(const QString &siteFolder, QString *note);
    // Writes it atomically; false with the reason.
    bool save(const QString &siteFolder, QString *error) const;

    // SHA-256 in lower-case hex.
    static QByteArray hash(QByteArrayView bytes);
    // A whole page's hash, as `Page::pageHash` keeps it: XXH3-128 in
    // lower-case hex (its canonical, big-endian bytes), many times quicker
    // than SHA-256, and as unlikely to take two pages for one by chance.
    static QByteArray pageHash(QByteArrayView bytes);
    // The hash of a page's menu code, as `Menu::codeHash` keeps it.
    static QByteArray codeHash(const QString &head, const QString &body);
    static QString path(const QString &siteFolder) { return siteFolder + u'/' + kFileName; }
};
