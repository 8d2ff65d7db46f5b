#include "platform/RegularFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

RegularFile RegularFile::read(const QString &path, qint64 maxBytes)
{
    RegularFile result;
    const auto failed = [&](int error) {
        result.status = error == ENOENT ? Missing : Failed;
        result.reason = QString::fromLocal8Bit(std::strerror(error));
        return result;
    };
    // Non-blocking, so that opening a FIFO returns at once; fstat then tells
    // what was opened, with no window between the check and the read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return failed(errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return failed(errno);
    if (!S_ISREG(info.st_mode)) {
        result.status = NotRegular;
        return result;
    }
    if (info.st_size > maxBytes) {
        result.status = TooLarge;
        return result;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    // The file may grow while it is read: read at most one byte past the limit.
    QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    qsizetype used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (used > maxBytes) {
                result.status = TooLarge;
                return result;
            }
            bytes.resize(std::min<qint64>(maxBytes + 1, std::max<qint64>(used * 2, 4096)));
        }
        const ssize_t n = ::read(fd, bytes.data() + used, size_t(bytes.size() - used));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failed(errno);
        if (n == 0)
            break;
        used += n;
    }
    bytes.truncate(used);
    result.bytes = std::move(bytes);
    result.status = Ok;
    return result;
}
