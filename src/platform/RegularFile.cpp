#include "platform/RegularFile.h"
#include "platform/FileName.h"
#include "platform/FreshMemory.h"
#include "platform/LeasedMapping.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace {

// Clears O_NONBLOCK, for a file system whose regular files heed it (most
// ignore it, so it is cleared only when a read says to wait): true when
// the read may be tried again.
bool blocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && (flags & O_NONBLOCK) && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

// Reads `size` bytes from `offset` on; false when fewer came (an error or the end).
bool readFully(int fd, char *to, qsizetype size, qsizetype offset)
{
    FreshMemory::prepare(to, size);
    while (size > 0) {
        const ssize_t n = ::pread(fd, to, size_t(size), off_t(offset));
        if (n < 0 && (errno == EINTR || (errno == EAGAIN && blocking(fd))))
            continue;
        if (n <= 0)
            return false;
        to += n;
        offset += n;
        size -= n;
    }
    return true;
}

} // namespace

RegularFile RegularFile::read(const QString &path, qint64 maxBytes)
{
    return load(path, maxBytes, false);
}

RegularFile RegularFile::map(const QString &path, qint64 maxBytes)
{
    return load(path, maxBytes, true);
}

RegularFile RegularFile::load(const QString &path, qint64 maxBytes, bool mapped)
{
    RegularFile result;
    result.maxBytes = maxBytes;
    const auto failed = [&](int error) {
        result.status = error == ENOENT ? Missing : Failed;
        result.reason = QString::fromLocal8Bit(std::strerror(error));
        return result;
    };
    // Non-blocking, so that opening a FIFO returns at once; fstat then tells
    // what was opened, with no window between the check and the read.
    const int fd = ::open(FileName::encode(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return failed(errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return failed(errno);
    result.identity = FileIdentity::of(info);
    if (!S_ISREG(info.st_mode)) {
        result.status = NotRegular;
        return result;
    }
    if (info.st_size > maxBytes) {
        result.status = TooLarge;
        return result;
    }
    if (mapped) {
        if (auto mapping = LeasedMapping::map(fd, qsizetype(info.st_size))) {
            result.bytes = QByteArray::fromRawData(mapping->bytes().data(), mapping->bytes().size());
            result.keep = std::move(mapping);
            result.status = Ok;
            return result;
        }
    }
    // The file may grow while it is read: read at most one byte past the limit.
    QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    // A large file is read in two halves at once where a second processor
    // is (filling fresh memory costs as much as the copy); should the second
    // half come short, it is read again below, in order.
    qsizetype used = 0;
    constexpr qint64 kTwoReadersFrom = 8 << 20;
    if (info.st_size >= kTwoReadersFrom && std::thread::hardware_concurrency() > 1) {
        const qsizetype half = qsizetype(info.st_size / 2);
        bool secondRead = false;
        std::thread reader;
        try {
            reader = std::thread([&] {
                secondRead = readFully(fd, bytes.data() + half, qsizetype(info.st_size) - half, half);
            });
        } catch (const std::system_error &) {
            // No thread to be had: the loop below reads it all.
        }
        if (reader.joinable()) {
            const bool firstRead = readFully(fd, bytes.data(), half, 0);
            reader.join();
            used = !firstRead ? 0 : secondRead ? qsizetype(info.st_size) : half;
        }
    }
    for (;;) {
        if (used == bytes.size()) {
            if (used > maxBytes) {
                result.status = TooLarge;
                return result;
            }
            bytes.resize(std::min<qint64>(maxBytes + 1, std::max<qint64>(used * 2, 4096)));
        }
        const ssize_t n = ::pread(fd, bytes.data() + used, size_t(bytes.size() - used), off_t(used));
        if (n < 0 && (errno == EINTR || (errno == EAGAIN && blocking(fd))))
            continue;
        if (n < 0)
            return failed(errno);
        if (n == 0)
            break;
        used += n;
        // A read that comes short just where the file ended when it was
        // opened is its end: asking once more would only say so.
        if (used == info.st_size && used < bytes.size())
            break;
    }
    bytes.truncate(used);
    result.bytes = std::move(bytes);
    result.status = Ok;
    return result;
}

QString RegularFile::problem(const QString &path) const
{
    const QString mib = QString::number(maxBytes / (1024 * 1024));
    if (path.isEmpty()) {
        switch (status) {
        case Ok:
            return {};
        case Missing:
            return QCoreApplication::translate("RegularFile", "It does not exist.");
        case NotRegular:
            return QCoreApplication::translate("RegularFile",
                                               "It is not a regular file (a folder, a device or a pipe), so "
                                               "it was not read.");
        case TooLarge:
            return QCoreApplication::translate("RegularFile",
                                               "It is larger than %1 MiB, the most that is read.")
                .arg(mib);
        case Failed:
            return QCoreApplication::translate("RegularFile", "It could not be read: %1").arg(reason);
        }
        return {};
    }
    const QString name = QDir::toNativeSeparators(FileName::shown(path));
    switch (status) {
    case Ok:
        return {};
    case Missing:
        return QCoreApplication::translate("RegularFile", "\"%1\" does not exist.").arg(name);
    case NotRegular:
        return QCoreApplication::translate("RegularFile",
                                           "\"%1\" is not a regular file (a folder, a device or a pipe), "
                                           "so it was not read.")
            .arg(name);
    case TooLarge:
        return QCoreApplication::translate("RegularFile",
                                           "\"%1\" is larger than %2 MiB, the most that is read.")
            .arg(name, mib);
    case Failed:
        return QCoreApplication::translate("RegularFile", "\"%1\" could not be read: %2").arg(name, reason);
    }
    return {};
}
