#pragma once

// Weighed and kept: QSaveFile alone was weighed. Its commit() ignores a
// failed fsync ("sync to disk if possible"), and its buffered write reports
// a failed final write neither from write() nor from commit(). So this
// writer still uses QSaveFile for the temporary file beside the target and
// the rename, but opens it unbuffered, writes it itself (short writes
// retried), calls fsync itself and fails on its error before QSaveFile
// renames; a device or FIFO named on the command line is written through
// as it is, where QSaveFile would try to put a file in its place. The
// folder is not flushed after the rename: after a power failure the name
// may still hold the old file, whole, never part of the new one.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QSaveFile>
#include <QString>

#include "platform/EarlySync.h"
#include "platform/FileIdentity.h"
#include "platform/WriteTarget.h"

#include <memory>

#include <utility>

// A file that is replaced keeps its owner and group, as it keeps its mode:
// the temporary file is given them before it takes the name. When the
// system refuses (a user who is not the administrator and not the owner),
// BestEffort writes on and the new file is this user's; Required refuses
// the write and leaves the old file as it is.
enum class OwnerRule { BestEffort, Required };

// Writes a whole file through a temporary file that replaces the target only
// when everything was written and flushed to disk: a failed write leaves the
// old file untouched. On failure returns false and sets errorText to a
// sentence naming the file and the system's reason. A link is written
// through to its target. What else may stand at the name depends on `mode`
// (see WriteTarget): anything refused is left as it is, with a message.
// `committed`, when given, takes AtomicFileWriter::committed().
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *errorText,
                         WriteMode mode = WriteMode::Replace, OwnerRule owner = OwnerRule::BestEffort,
                         FileIdentity *committed = nullptr);

// The same write in pieces, for a file too large to hold at once: open(),
// any number of write() calls, then commit(). A failed write is kept and
// reported by commit(); the file is replaced only by a successful commit(),
// and a writer destroyed without one leaves the old file untouched.
// In WriteMode::CommandLineOutput a character device or a FIFO is opened and
// written as it is (never replaced); a FIFO that nobody reads is refused
// rather than waited on.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const QString &path, WriteMode mode = WriteMode::Replace,
                              OwnerRule owner = OwnerRule::BestEffort);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    bool open(QString *errorText);
    void write(QByteArrayView bytes);
    // Stops the write with a reason of the caller's; commit() then fails with it.
    void fail(const QString &reason);
    bool commit(QString *errorText);
    qint64 written() const { return m_written; }
    // After a commit() that replaced the file: the new file as it stood just
    // after it took the name, from the descriptor still open on it (so a file
    // put under the name since is never taken for it), times after the rename
    // (which sets the change time). exists == false when a stream was written,
    // the commit failed, or the file's size or modification time moved while
    // it was renamed (someone wrote into it).
    const FileIdentity &committed() const { return m_committed; }

private:
    void startWriteBack();
    bool openStream();
    void keepOwner();
    int handle() const { return m_stream >= 0 ? m_stream : m_file.handle(); }
    void commitFile();

    QString m_path;
    WriteMode m_mode;
    OwnerRule m_owner;
    // A name that Qt's file classes cannot take (FileName::isPlain) is written
    // under this plain name beside it, then renamed to it.
    QString m_standIn;
    QSaveFile m_file;
    int m_stream = -1; // the device, FIFO or descriptor written through, else -1
    QString m_failure;
    qint64 m_written = 0;
    qint64 m_flushedUpTo = 0;               // where the early write-back has reached
    std::unique_ptr<EarlySync> m_earlySync; // from the first write-back on
    bool m_done = false;
    FileIdentity m_committed;
};

// Writes several files into one folder as a set: each is first written in a
// fresh private folder beside them and, only when all of them were written,
// moved onto its name. A link under a target name is replaced, never
// followed; anything else that is not a regular file (a FIFO, a device, a
// socket, a folder) is refused and left as it is. On failure nothing of the
// set has been written.
bool WriteFilesAtomically(const QString &folder, const QList<std::pair<QString, QByteArray>> &files,
                          QString *errorText);
