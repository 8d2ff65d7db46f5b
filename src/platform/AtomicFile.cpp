#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString CouldNotWrite(const QString &path, const QString &reason)
{
    return QStringLiteral("Could not write \"%1\": %2").arg(QDir::toNativeSeparators(path), reason);
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
    return ::fsync(fd) == 0 ? 0 : errno;
}

} // namespace

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *errorText)
{
    QSaveFile file(path);
    const auto fail = [&](const QString &reason) {
        if (errorText)
            *errorText = CouldNotWrite(path, reason);
        file.cancelWriting();
        return false;
    };
    // Unbuffered, and written here: Qt's buffered write reports a failed final
    // write neither from write() nor from commit().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    if (const int error = WriteAll(file.handle(), bytes.constData(), bytes.size()))
        return fail(SystemReason(error));
    if (!file.commit())
        return fail(file.errorString());
    return true;
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
        if (QFileInfo(dir.filePath(name)).isDir()) {
            if (errorText)
                *errorText = CouldNotWrite(dir.filePath(name), QStringLiteral("a folder of that name is in the way."));
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
        if (std::rename(QFile::encodeName(stage.filePath(name)).constData(),
                        QFile::encodeName(dir.filePath(name)).constData())
            != 0) {
            if (errorText)
                *errorText = CouldNotWrite(dir.filePath(name), SystemReason(errno));
            return false;
        }
    }
    return true;
}
