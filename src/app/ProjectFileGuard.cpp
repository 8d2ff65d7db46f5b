#include "app/ProjectFileGuard.h"

#include "menu/ProjectFile.h"
#include "platform/RegularFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QTimer>

namespace {

// Events of one write (a new file renamed over the old, its folder changed)
// come in a burst; they are reported once this long after the last.
constexpr int kSettleMs = 100;

} // namespace

ProjectFileGuard::ProjectFileGuard(QObject *parent)
    : QObject(parent), m_watcher(new QFileSystemWatcher(this)), m_settle(new QTimer(this))
{
    m_settle->setSingleShot(true);
    m_settle->setInterval(kSettleMs);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, m_settle, qOverload<>(&QTimer::start));
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_settle, qOverload<>(&QTimer::start));
    connect(m_settle, &QTimer::timeout, this, [this] {
        watch(); // a file renamed over the old one is a new file to watch
        emit touched();
    });
}

ProjectFileGuard::~ProjectFileGuard() = default;

QString ProjectFileGuard::lockPathFor(const QString &path)
{
    const QFileInfo info(path);
    return info.absoluteDir().filePath(QLatin1Char('.') + info.fileName() + QStringLiteral(".lock"));
}

bool ProjectFileGuard::lockedElsewhere(const QString &path, qint64 *pid)
{
    QLockFile probe(lockPathFor(path));
    probe.setStaleLockTime(0); // a lock held for hours is not stale while its holder runs
    if (probe.tryLock(0)) {
        probe.unlock();
        return false;
    }
    if (probe.error() != QLockFile::LockFailedError)
        return false; // no lock can be had there at all: nobody holds one
    QString host, application;
    if (!probe.getLockInfo(pid, &host, &application))
        *pid = 0;
    return true;
}

void ProjectFileGuard::setFile(const QString &path, bool reread)
{
    const QString absolute = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    if (absolute == m_path) {
        if (reread && !m_path.isEmpty())
            m_recorded = m_told = readState();
        return;
    }
    release();
    m_path = absolute;
    if (m_path.isEmpty())
        return;
    m_lock = std::make_unique<QLockFile>(lockPathFor(m_path));
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0))
        m_lock.reset();
    watch();
    m_recorded = m_told = readState();
}

void ProjectFileGuard::release()
{
    m_lock.reset(); // removes the lock file
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    m_settle->stop();
    m_recorded = m_told = DiskState();
}

// The file and its folder: the folder tells when a file comes back under
// the name after it was removed or renamed away.
void ProjectFileGuard::watch()
{
    if (m_path.isEmpty())
        return;
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!m_watcher->directories().contains(folder))
        m_watcher->addPath(folder);
    if (!m_watcher->files().contains(m_path) && QFileInfo::exists(m_path))
        m_watcher->addPath(m_path);
}

bool ProjectFileGuard::holdsLock() const
{
    return m_lock && m_lock->isLocked();
}

bool ProjectFileGuard::isFile(const QString &path) const
{
    if (m_path.isEmpty() || path.isEmpty())
        return false;
    return QFileInfo(path).absoluteFilePath() == m_path
           || FileIdentity::of(path).sameFileAs(FileIdentity::of(m_path));
}

ProjectFileGuard::DiskState ProjectFileGuard::readState() const
{
    DiskState state{FileIdentity::of(m_path), {}};
    // Times and size alone can miss a quick rewrite of the same length (the
    // file system's clock moves in steps); the bytes cannot.
    if (state.id.regular) {
        const RegularFile file = RegularFile::read(m_path, ProjectFile::kMaxFileBytes);
        if (file.status == RegularFile::Ok)
            state.hash = QCryptographicHash::hash(file.bytes, QCryptographicHash::Sha1);
    }
    return state;
}

ProjectFileGuard::DiskChange ProjectFileGuard::compareWith(const DiskState &now) const
{
    if (m_path.isEmpty())
        return DiskChange::None;
    if (!now.id.exists)
        return m_recorded.id.exists ? DiskChange::Removed : DiskChange::None;
    if (!m_recorded.id.exists || now.id.size != m_recorded.id.size || now.hash.isEmpty()
        || now.hash != m_recorded.hash)
        return DiskChange::Changed;
    return DiskChange::None;
}

ProjectFileGuard::DiskChange ProjectFileGuard::compare() const
{
    return compareWith(readState());
}

ProjectFileGuard::DiskChange ProjectFileGuard::takeNews()
{
    const DiskState now = readState();
    const DiskChange change = compareWith(now);
    if (change == DiskChange::None || now == m_told)
        return DiskChange::None;
    m_told = now;
    return change;
}
