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
// The file:
//   {"format": 1, "server": "sftp://user@host/var/www",
//    "files": {"blog/index.html": {"size": 2048, "sha256": HASH, "mtime": 1765100000}}}
// ("etag": "\"5f-64a3\"" beside them where there is a tag).
// A record made for another server address is set aside.
struct TransferRecord {
    static inline const QString kFileName = QStringLiteral(".quillnav-server.json");
    static constexpr qint64 kMaxBytes = 64LL * 1024 * 1024;

    struct File {
        qint64 size = 0;
        QByteArray hash;
        qint64 mtime = 0;
        QByteArray tag; // the server's entity tag (WebDAV), where it gives one
        friend bool operator==(const File &, const File &) = default;
    };

    QString server;            // the address's text the transfers went to
    QMap<QString, File> files; // by the path relative to the site, '/' between names

    // The record of a site for `server`; empty when the file is missing, made
    // for another server, or damaged (`note` then says why).
    static TransferRecord load(const QString &siteFolder, const QString &server, QString *note);
    // Writes it atomically; false with the reason.
    bool save(const QString &siteFolder, QString *error) const;

    static QByteArray hash(QByteArrayView bytes);
    static QString path(const QString &siteFolder) { return siteFolder + u'/' + kFileName; }
};
