#pragma once

#include <QByteArray>
#include <QString>

// Reads a whole regular file. Anything else under the name (a FIFO, a device,
// a folder) is refused without waiting on it, and so is a file larger than
// maxBytes.
struct RegularFile {
    enum Status { Ok, Missing, Failed, NotRegular, TooLarge };

    Status status = Failed;
    QByteArray bytes;
    QString reason; // the system's reason when status is Failed

    static RegularFile read(const QString &path, qint64 maxBytes);
};
