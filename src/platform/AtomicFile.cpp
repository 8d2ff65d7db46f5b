#include "platform/AtomicFile.h"
#include "platform/FileName.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How much is written before the system is asked to start writing it to disk.
constexpr qint64 kWriteBackStep = 4 << 20;

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString CouldNotWrite(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("AtomicFile", "Could not write \"%1\": %2")
        .arg(QDir::toNativeSeparators(FileName::shown(path)), reason);
}

// Writes every byte to the descriptor; returns 0 or the errno of the failure.
// A short write is retried, so the reason is always the system's own.
int WriteAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        data += n;
        size -= n;
    }
    return 0;
}

} // namespace

AtomicFileWriter::AtomicFileWriter(const QString &path, WriteMode mode, OwnerRule owner)
    : m_path(path), m_mode(mode), m_owner(owner),
      m_standIn(FileName::isPlain(path)
                    ? QString()
                    : QFileInfo(path).absolutePath() + QStringLiteral("/.quillnav-name-")
                          + QString::number(QRandomGenerator::global()->generate64(), 36)),
      m_file(m_standIn.isEmpty() ? path : m_standIn)
{
}

AtomicFileWriter::~AtomicFileWriter()
{
    m_earlySync.reset(); // its flush ends before the file is closed
    if (m_stream >= 0)
        ::close(m_stream);
    else if (!m_done)
        m_file.cancelWriting();
}

bool AtomicFileWriter::open(QString *errorText)
{
    const WriteTarget target = WriteTarget::inspect(m_path, m_mode);
    if (target.kind == WriteTarget::Refused) {
        fail(target.reason);
        return commit(errorText);
    }
    if (target.kind == WriteTarget::Descriptor) {
        // Written through a copy of the descriptor, at its own position and
        // with its own flags (appending, say), and never replaced.
        if ((m_stream = ::fcntl(target.descriptor, F_DUPFD_CLOEXEC, 3)) >= 0)
            return true;
        fail(SystemReason(errno));
        return commit(errorText);
    }
    if (target.kind == WriteTarget::Stream && openStream())
        return true;
    if (!m_failure.isEmpty())
        return commit(errorText);
    // Unbuffered, and written here: Qt's buffered write reports a failed final
    // write neither from write() nor from commit().
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        keepOwner();
        if (m_failure.isEmpty())
            return true;
    } else {
        fail(m_file.errorString());
    }
    return commit(errorText);
}

// Opens a device or FIFO to write into it as it is. Non-blocking, so that a
// FIFO that no program reads is refused at once instead of waited on; the
// writes themselves then wait for the reader as usual. False without a
// failure when the name no longer holds a device or FIFO.
bool AtomicFileWriter::openStream()
{
    const int fd = ::open(FileName::encode(m_path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        fail(errno == ENXIO
                 ? QCoreApplication::translate("AtomicFile", "no program is reading from it (a named pipe or "
                                                             "a socket), and it was left as it is.")
                 : SystemReason(errno));
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !(S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode))) {
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    m_stream = fd;
    return true;
}

// Gives the temporary file the owner and group of the file it replaces
// (QSaveFile gives it the mode). A link is written through, so its target's.
void AtomicFileWriter::keepOwner()
{
    struct stat old {};
    struct stat fresh {};
    if (::stat(QFile::encodeName(m_path).constData(), &old) != 0 || !S_ISREG(old.st_mode)
        || ::fstat(m_file.handle(), &fresh) != 0)
        return; // a new file is this user's
    if (fresh.st_uid == old.st_uid && fresh.st_gid == old.st_gid)
        return;
    if (::fchown(m_file.handle(), fresh.st_uid == old.st_uid ? uid_t(-1) : old.st_uid,
                 fresh.st_gid == old.st_gid ? gid_t(-1) : old.st_gid)
            != 0
        && m_owner == OwnerRule::Required)
        fail(QCoreApplication::translate(
                 "AtomicFile", "its owner and group could not be kept (%1), so it was left as it is.")
                 .arg(SystemReason(errno)));
}

void AtomicFileWriter::write(QByteArrayView bytes)
{
    if (!m_failure.isEmpty() || m_done)
        return;
    if (const int error = WriteAll(handle(), bytes.data(), bytes.size()))
        fail(SystemReason(error));
    else {
        m_written += bytes.size();
        if (m_stream < 0 && m_written - m_flushedUpTo >= kWriteBackStep)
            startWriteBack();
    }
}

// Starts writing what was written since the last call to disk without waiting
// for it, and flushing it on a second thread (EarlySync), so that commit()'s
// fsync finds little left to do on a large file.
void AtomicFileWriter::startWriteBack()
{
#ifdef Q_OS_LINUX
    ::sync_file_range(m_file.handle(), m_flushedUpTo, m_written - m_flushedUpTo, SYNC_FILE_RANGE_WRITE);
#endif
    m_flushedUpTo = m_written;
    if (!m_earlySync)
        m_earlySync = std::make_unique<EarlySync>(m_file.handle());
    m_earlySync->request();
}

void AtomicFileWriter::fail(const QString &reason)
{
    if (m_failure.isEmpty())
        m_failure = reason;
}

bool AtomicFileWriter::commit(QString *errorText)
{
    if (!m_done && m_stream >= 0) {
        if (::close(m_stream) != 0 && errno != EINTR)
            fail(SystemReason(errno));
        m_stream = -1;
    } else if (!m_done) {
        commitFile();
    }
    m_done = true;
    if (!m_failure.isEmpty() && errorText)
        *errorText = CouldNotWrite(m_path, m_failure);
    return m_failure.isEmpty();
}

void AtomicFileWriter::commitFile()
{
    // The stand-in takes the mode of the file it replaces, as QSaveFile does.
    struct stat replaced {};
    if (!m_standIn.isEmpty() && ::stat(FileName::encode(m_path).constData(), &replaced) == 0)
        ::fchmod(m_file.handle(), replaced.st_mode & 07777);
    // The last flush need not wait for the early one under way: both wait
    // for the same writes.
    if (m_failure.isEmpty() && ::fsync(m_file.handle()) != 0)
        fail(SystemReason(errno));
    if (m_earlySync) {
        if (const int error = m_earlySync->finish())
            fail(SystemReason(error));
    }
    // Whatever was put under the name while the file was written is not
    // replaced either.
    if (m_failure.isEmpty()) {
        const WriteTarget target = WriteTarget::inspect(m_path, WriteMode::Replace);
        if (target.kind == WriteTarget::Refused)
            fail(target.reason);
    }
    // A second descriptor on the file outlives commit(), which closes its own.
    struct stat before {};
    const int held = m_failure.isEmpty() ? ::fcntl(m_file.handle(), F_DUPFD_CLOEXEC, 3) : -1;
    const bool known = held >= 0 && ::fstat(held, &before) == 0;
    if (m_failure.isEmpty() && !m_file.commit())
        fail(m_file.errorString());
    if (!m_failure.isEmpty())
        m_file.cancelWriting();
    if (m_failure.isEmpty() && !m_standIn.isEmpty()
        && std::rename(FileName::encode(m_standIn).constData(), FileName::encode(m_path).constData()) != 0) {
        fail(SystemReason(errno));
        ::unlink(FileName::encode(m_standIn).constData());
    }
    struct stat after {};
    if (known && m_failure.isEmpty() && ::fstat(held, &after) == 0) {
        const FileIdentity was = FileIdentity::of(before);
        const FileIdentity now = FileIdentity::of(after);
        if (now.size == was.size && now.modifiedNs == was.modifiedNs)
            m_committed = now;
    }
    if (held >= 0)
        ::close(held);
}

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *errorText, WriteMode mode,
                         OwnerRule owner, FileIdentity *committed)
{
    AtomicFileWriter file(path, mode, owner);
    if (!file.open(errorText))
        return false;
    file.write(bytes);
    const bool ok = file.commit(errorText);
    if (committed)
        *committed = file.committed();
    return ok;
}

bool WriteFilesAtomically(const QString &folder, const QList<std::pair<QString, QByteArray>> &files,
                          QString *errorText)
{
    const QDir dir(folder);
    // mkdtemp: a fresh name, mode 0700, so nothing can be planted inside.
    QTemporaryDir stage(dir.filePath(QStringLiteral(".quillnav-stage-XXXXXX")));
    if (!stage.isValid()) {
        if (errorText)
            *errorText = CouldNotWrite(dir.filePath(files.value(0).first), stage.errorString());
        return false;
    }
    for (const auto &[name, bytes] : files) {
        // A link is replaced (callers that refuse links check before); any
        // other node that is not a file is somebody else's.
        const QString target = dir.filePath(name);
        const WriteTarget found = WriteTarget::inspect(target, WriteMode::Replace);
        if (found.kind == WriteTarget::Refused && !QFileInfo(target).isSymLink()) {
            if (errorText)
                *errorText = CouldNotWrite(target, found.reason);
            return false;
        }
        if (!WriteFileAtomically(stage.filePath(name), bytes, errorText)) {
            if (errorText)
                errorText->replace(QDir::toNativeSeparators(stage.filePath(name)),
                                   QDir::toNativeSeparators(dir.filePath(name)));
            return false;
        }
    }
    // rename() replaces whatever holds the name, a link included, without
    // following it.
    for (const auto &[name, bytes] : files) {
        if (std::rename(FileName::encode(stage.filePath(name)).constData(),
                        FileName::encode(dir.filePath(name)).constData())
            != 0) {
            if (errorText)
                *errorText = CouldNotWrite(dir.filePath(name), SystemReason(errno));
            return false;
        }
    }
    return true;
}
