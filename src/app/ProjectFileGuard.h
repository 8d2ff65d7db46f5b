#pragma once

#include "platform/FileIdentity.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class QFileSystemWatcher;
class QLockFile;
class QTimer;

// Watches over the file of an open project. A lock file beside it tells
// other windows and other copies of Quillnav that it is open here; a file
// watcher and a record of what the file held (size, times, inode and a hash
// of its bytes) tell when something else has written it since it was loaded
// or saved here.
class ProjectFileGuard : public QObject {
    Q_OBJECT
public:
    enum class DiskChange {
        None,    // the file holds what was recorded (or there is no file)
        Changed, // other bytes are in it now, or another file is under its name
        Removed, // there is no file under its name any more
    };

    explicit ProjectFileGuard(QObject *parent = nullptr);
    ~ProjectFileGuard() override;

    // The project's file; empty for none. Another file than before releases
    // the former lock, takes the lock of this one when nobody else holds it
    // (without a word when another window holds it or the folder cannot hold
    // a lock file), watches it and records what it holds. With `reread`, the
    // same file is recorded again (after a load or a save).
    void setFile(const QString &path, bool reread = false);
    QString file() const { return m_path; }
    bool holdsLock() const;
    // Whether `path` leads to the guarded file, under this or another name.
    bool isFile(const QString &path) const;

    // What the file on disk is now against what was last recorded.
    DiskChange compare() const;
    // compare(), but each new state of the file is told only once: for the
    // notice when the watcher reports a change.
    DiskChange takeNews();

    // The lock file kept beside a project.
    static QString lockPathFor(const QString &path);
    // Whether another window or program holds the lock of `path` now, and
    // its process id. A lock left behind by a program that ended is taken
    // over (removed) here.
    static bool lockedElsewhere(const QString &path, qint64 *pid);

signals:
    // Something happened to the file or its folder (bursts are merged).
    void touched();

private:
    struct DiskState {
        FileIdentity id;
        QByteArray hash; // of the bytes, when the file is regular and not too large
        friend bool operator==(const DiskState &, const DiskState &) = default;
    };
    DiskState readState() const;
    DiskChange compareWith(const DiskState &now) const;
    void watch();
    void release();

    QString m_path;
    DiskState m_recorded;
    DiskState m_told; // the last state compare() reported through takeNews()
    std::unique_ptr<QLockFile> m_lock;
    QFileSystemWatcher *m_watcher = nullptr;
    QTimer *m_settle = nullptr;
};
