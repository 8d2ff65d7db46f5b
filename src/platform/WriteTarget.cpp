#include "platform/WriteTarget.h"

#include <QFile>

#include <sys/stat.h>

namespace {

// What the node is, in words, with the reason it is not written.
QString Kind(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a named pipe (FIFO), not a file");
    if (S_ISCHR(mode))
        return QStringLiteral("it is a device, not a file");
    if (S_ISBLK(mode))
        return QStringLiteral("it is a disk or other block device, not a file");
    if (S_ISSOCK(mode))
        return QStringLiteral("it is a socket, not a file");
    return QStringLiteral("it is not a regular file");
}

} // namespace

WriteTarget WriteTarget::inspect(const QString &path, WriteMode mode)
{
    struct stat info {};
    // A name that cannot be looked at (missing, a dangling link, no access)
    // is left to the write itself, which reports the system's reason.
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    if (mode == WriteMode::CommandLineOutput && (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode)))
        return {Stream, {}};
    return {Refused, Kind(info.st_mode) + QStringLiteral(", and it was left as it is.")};
}
