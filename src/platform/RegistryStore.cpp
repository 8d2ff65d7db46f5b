#include "platform/RegistryStore.h"

#include <QCoreApplication>

#include "platform/AtomicFile.h"
#include "platform/RegularFile.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace {

QString &OverridePath()
{
    static QString path;
    return path;
}

// A change waits this long for another writer before it gives up.
constexpr int LockTimeoutMs = 2000;
// A lock file older than this that is still empty was left by a writer that
// died between creating and filling it (a live one fills it at once).
constexpr qint64 EmptyLockAgeMs = 1000;

bool Fail(QString *errorText, const QString &message)
{
    if (errorText)
        *errorText = message;
    return false;
}

QString Native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Moves a file that cannot be used out of the way, so that nothing the user
// might still want is overwritten.
bool MoveAside(const QString &path, QString *errorText)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString backup = path + QStringLiteral(".corrupt-") + stamp;
    for (int n = 2; QFileInfo::exists(backup); ++n)
        backup = path + QStringLiteral(".corrupt-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(path, backup))
        return Fail(errorText,
                    QCoreApplication::translate(
                        "RegistryStore", "Could not move the damaged settings file \"%1\" aside to \"%2\".")
                        .arg(Native(path), Native(backup)));
    return true;
}

// QLockFile clears a lock whose owner is gone at once, but takes an empty one
// (whose owner is unknown) for live until it is 30 s old: clear that here.
bool TakeLock(QLockFile &lock, const QString &lockPath)
{
    QDeadlineTimer deadline(LockTimeoutMs);
    for (;;) {
        if (lock.tryLock(0))
            return true;
        const QFileInfo info(lockPath);
        if (info.isFile() && info.size() == 0
            && info.lastModified().msecsTo(QDateTime::currentDateTime()) > EmptyLockAgeMs)
            QFile::remove(lockPath);
        else if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        else
            QThread::msleep(20);
    }
}

} // namespace

QString RegistryStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Quillnav/user-registry.txt");
}

QString RegistryStore::filePath()
{
    return OverridePath().isEmpty() ? defaultFilePath() : OverridePath();
}

void RegistryStore::setFilePath(const QString &path)
{
    OverridePath() = path;
}

RegistryStore::Snapshot RegistryStore::read()
{
    Snapshot snapshot;
    const QString path = filePath();
    const RegularFile file = RegularFile::read(path, RegistryHive::kMaxTextBytes);
    if (file.status == RegularFile::Missing)
        return snapshot;
    if (file.status == RegularFile::Failed || file.status == RegularFile::NotRegular) {
        snapshot.state = FileState::Unreadable;
        return snapshot;
    }
    if (auto hive = RegistryHive::parse(file.bytes)) {
        snapshot.hive = std::move(*hive);
        snapshot.state = FileState::Ok;
    } else {
        snapshot.state = FileState::Corrupt;
    }
    return snapshot;
}

bool RegistryStore::modify(const std::function<bool(RegistryHive &)> &change, QString *errorText)
{
    const QString path = filePath();
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return Fail(errorText, QCoreApplication::translate("RegistryStore",
                                                           "Could not create the settings folder \"%1\".")
                                   .arg(Native(folder)));

    const QString lockPath = path + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    if (!TakeLock(lock, lockPath))
        return Fail(errorText,
                    QCoreApplication::translate("RegistryStore",
                                                "Could not lock the settings file \"%1\": another copy of "
                                                "Quillnav is changing it, or \"%2\" cannot be created.")
                        .arg(Native(path), Native(lockPath)));

    // A folder, FIFO, device or socket under the settings file's name is not
    // a damaged file to move aside: it is left alone, and nothing is written.
    const WriteTarget target = WriteTarget::inspect(path, WriteMode::Replace);
    if (target.kind == WriteTarget::Refused)
        return Fail(errorText, QCoreApplication::translate("RegistryStore",
                                                           "Could not write the settings file \"%1\": %2")
                                   .arg(Native(path), target.reason));

    Snapshot snapshot = read();
    if (!change(snapshot.hive))
        return Fail(errorText, QString());

    if (snapshot.state == FileState::Corrupt || snapshot.state == FileState::Unreadable) {
        if (!MoveAside(path, errorText))
            return false;
    }
    return WriteFileAtomically(path, snapshot.hive.serialize(), errorText);
}
