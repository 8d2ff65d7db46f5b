#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// The last transfer of each file between a site folder and its server, kept
// in the hidden file .quillnav-server.json in the site folder (the walk takes
// only pages, so it never reads it as one, and it is never uploaded). For
// each file: its size, the SHA-256 of its bytes (lower-case hex) and the
// server's modification time and, where the server gives one, its entity
// tag (WebDAV's ETag), all as they were when it last moved. A file whose
// server entry no longer has that size, time and tag changed on the server; one whose bytes no longer have
// that hash changed here.
//
// Server times have whole seconds, and an entity tag may be made of them:
// a change made on the server within the second of the recorded time, to
// the same size, leaves the entry as it was. An entry taken before that
// second was surely over is marked `verify` (every upload's is): the next
// plan compares the server's bytes with the hash and, once the record is
// older than kSettleMs, drops the mark. `saved` is this computer's clock
// when the record was written; the server's clock is unknown, but a listing
// made kSettleMs after `saved` lies in a later second than every time the
// record holds (each was seen on the server before it was saved).
//
// The file:
//   {"format": 1, "server": "sftp://user@host/var/www", "saved": 1765100000123,
//    "files": {"blog/index.html": {"size": 2048, "sha256": HASH, "mtime": 1765100000}}}
// ("etag": "\"5f-64a3\"" beside them where there is a tag, "verify": true
// where marked). A record written without "saved" (by an older version) has
// every entry marked, and its file's time stands for "saved".
// A record made for another server address is set aside.
struct TransferRecord {
    static inline const QString kFileName = QStringLiteral(".quillnav-server.json");
    static constexpr qint64 kMaxBytes = 64LL * 1024 * 1024;
    // One second, and one more for servers keeping times in two-second
    // steps and for clocks that run at slightly different rates.
    static constexpr qint64 kSettleMs = 3000;

    struct File {
        qint64 size = 0;
        QByteArray hash;
        qint64 mtime = 0;
        QByteArray tag;      // the server's entity tag (WebDAV), where it gives one
        bool verify = false; // the server's bytes still to be compared with `hash`
        friend bool operator==(const File &, const File &) = default;
    };

    QString server;            // the address's text the transfers went to
    QMap<QString, File> files; // by the path relative to the site, '/' between names
    qint64 saved = 0;          // when it was written, ms since 1970 on this computer; 0: never

    // Whether a listing made at `now` (ms since 1970) lies in a later second
    // of the server's clock than every time the loaded record holds.
    bool settled(qint64 now) const { return saved > 0 && now - saved >= kSettleMs; }

    // The record of a site for `server`; empty when the file is missing, made
    // for another server, or damaged (`note` then says why).
    static TransferRecord load(const QString &siteFolder, const QString &server, QString *note);
    // Writes it atomically, `saved` now; false with the reason.
    bool save(const QString &siteFolder, QString *error);

    static QByteArray hash(QByteArrayView bytes);
    static QString path(const QString &siteFolder) { return siteFolder + u'/' + kFileName; }
};
