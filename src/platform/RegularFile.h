#pragma once

#include "platform/FileIdentity.h"

#include <QByteArray>
#include <QString>

#include <memory>

// Reads a whole regular file. Anything else under the name (a FIFO, a device,
// a folder) is refused without waiting on it, and so is a file larger than
// maxBytes.
struct RegularFile {
    enum Status { Ok, Missing, Failed, NotRegular, TooLarge };

    Status status = Failed;
    QByteArray bytes;
    QString reason;      // the system's reason when status is Failed
    qint64 maxBytes = 0; // the bound it was read with
    // The file opened, as it was before its bytes were read (unset when it
    // could not be opened).
    FileIdentity identity;

    // What holds `bytes` when they are mapped rather than read; they stay
    // valid as long as a copy of it lives.
    std::shared_ptr<const void> keep;

    static RegularFile read(const QString &path, qint64 maxBytes);
    // The same, the bytes mapped where the file can be held unchanged
    // meanwhile (LeasedMapping), read otherwise: for a command that reads a
    // large file and ends. A copy of `keep` goes wherever the bytes go.
    static RegularFile map(const QString &path, qint64 maxBytes);

    // Why the file was not read, as the user reads it: one sentence naming
    // the file by `path`, or beginning with "It" when `path` is empty (for a
    // list whose rows name their files already). Empty when it was read.
    // Every reader of the user's files words its refusal here.
    QString problem(const QString &path = QString()) const;

private:
    static RegularFile load(const QString &path, qint64 maxBytes, bool mapped);
};
