#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One entry of a server folder's listing, or what stat() finds.
struct ServerEntry {
    QString name; // the name in its folder (stat: the last name of the path)
    bool folder = false;
    bool regular = false; // a plain file (not a folder, link or device)
    qint64 size = 0;
    qint64 mtime = 0;        // seconds since 1970, as the server reports it
    quint32 permissions = 0; // the mode's permission bits; 0: unknown
    QByteArray tag;          // the entity tag (WebDAV's ETag); empty where the protocol has none
};

// The operations a transfer needs of a server, one implementation per
// protocol (SftpTransport, DavTransport). Paths are absolute server paths with '/'. Every
// call blocks until it is done or its bounded wait ran out, and none touches
// a window: a transfer may run on any thread, one transport per thread.
// A failed call returns false and leaves its sentence in error(): it names
// the server, the file and what was being done.
class ServerTransport {
public:
    virtual ~ServerTransport() = default;

    // Connects and logs in; false with the reason (hostKeyRefused() tells
    // whether the host key was the cause).
    virtual bool open() = 0;
    virtual void close() = 0;
    // Whether the connection still stands (after a failed call: whether the
    // failure was the file's or the connection's).
    virtual bool connected() const = 0;

    // The entries of a folder, "." and ".." left out; `missing` set (and
    // true returned) when the folder does not exist. At most maxEntries are
    // read: a longer listing is refused.
    virtual bool list(const QString &folder, QList<ServerEntry> *entries, bool *missing) = 0;
    // The entry at path; `missing` set (and true returned) when none.
    virtual bool stat(const QString &path, ServerEntry *entry, bool *missing) = 0;
    // A whole file, at most maxBytes long.
    virtual bool read(const QString &path, qint64 maxBytes, QByteArray *bytes) = 0;
    // Writes bytes under a new name (any file there is replaced) with the
    // permission bits given.
    virtual bool write(const QString &path, const QByteArray &bytes, quint32 permissions) = 0;
    // Renames onto a name that is free; where renameReplaces(), also onto an
    // existing file, which the new one then replaces in one step.
    virtual bool rename(const QString &from, const QString &to) = 0;
    virtual bool renameReplaces() const { return false; }
    virtual bool remove(const QString &path) = 0;
    virtual bool makeFolder(const QString &path) = 0;

    QString error() const { return m_error; }
    bool hostKeyRefused() const { return m_hostKeyRefused; }
    // Refused only because the host is not known yet: the user may accept its
    // fingerprint (never so for a changed key).
    bool hostKeyUnknown() const { return m_hostKeyUnknown; }
    bool loginRefused() const { return m_loginRefused; }
    // The server's key as "SHA256:...", once open() has seen it (SFTP).
    QString fingerprint() const { return m_fingerprint; }

    static constexpr qsizetype kMaxEntries = 100000;

protected:
    QString m_error;
    bool m_hostKeyRefused = false;
    bool m_hostKeyUnknown = false;
    bool m_loginRefused = false;
    QString m_fingerprint;
};
