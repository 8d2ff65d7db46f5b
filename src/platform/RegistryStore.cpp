#include "platform/RegistryStore.h"

#include "platform/AtomicFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace {

QString &OverridePath()
{
    static QString path;
    return path;
}

constexpr int LockTimeoutMs = 10000;

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
        return Fail(errorText, QStringLiteral("Could not move the damaged settings file \"%1\" aside to \"%2\".")
                                   .arg(Native(path), Native(backup)));
    return true;
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
    QFile file(path);
    if (!file.exists())
        return snapshot;
    if (!file.open(QIODevice::ReadOnly)) {
        snapshot.state = FileState::Unreadable;
        return snapshot;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        snapshot.state = FileState::Unreadable;
        return snapshot;
    }
    if (auto hive = RegistryHive::parse(bytes)) {
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
        return Fail(errorText, QStringLiteral("Could not create the settings folder \"%1\".").arg(Native(folder)));

    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(LockTimeoutMs))
        return Fail(errorText, QStringLiteral("Could not lock the settings file \"%1\".").arg(Native(path)));

    Snapshot snapshot = read();
    if (!change(snapshot.hive))
        return Fail(errorText, QString());

    if (snapshot.state == FileState::Corrupt || snapshot.state == FileState::Unreadable) {
        if (!MoveAside(path, errorText))
            return false;
    }
    return WriteFileAtomically(path, snapshot.hive.serialize(), errorText);
}
