#include "platform/WriteTarget.h"
#include "platform/FileName.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// What the node is, in words, with the reason it is not written.
QString Described(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("AtomicFile", "it is a folder");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("AtomicFile", "it is a named pipe (FIFO), not a file");
    if (S_ISCHR(mode))
        return QCoreApplication::translate("AtomicFile", "it is a device, not a file");
    if (S_ISBLK(mode))
        return QCoreApplication::translate("AtomicFile", "it is a disk or other block device, not a file");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("AtomicFile", "it is a socket, not a file");
    return QCoreApplication::translate("AtomicFile", "it is not a regular file");
}

// The open descriptor that a name such as /dev/stdout or /dev/fd/3 stands
// for, or -1.
int DescriptorNamed(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    int fd = clean == QLatin1String("/dev/stdout") ? 1 : clean == QLatin1String("/dev/stderr") ? 2 : -1;
    static const QRegularExpression numbered(QStringLiteral("^/(?:dev|proc/self)/fd/([0-9]{1,9})$"));
    if (const QRegularExpressionMatch m = numbered.match(clean); m.hasMatch())
        fd = m.captured(1).toInt();
    return fd >= 0 && ::fcntl(fd, F_GETFD) != -1 ? fd : -1;
}

} // namespace

WriteTarget WriteTarget::inspect(const QString &path, WriteMode mode)
{
    if (mode == WriteMode::CommandLineOutput) {
        if (const int fd = DescriptorNamed(path); fd >= 0)
            return {Descriptor, {}, fd};
    }
    struct stat info {};
    // A name that cannot be looked at (missing, a dangling link, no access)
    // is left to the write itself, which reports the system's reason.
    if (::stat(FileName::encode(path).constData(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    if (mode == WriteMode::CommandLineOutput && (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode)))
        return {Stream, {}};
    return {Refused, Described(info.st_mode)
                         + QCoreApplication::translate("AtomicFile", ", and it was left as it is.")};
}
