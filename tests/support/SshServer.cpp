#include "support/SshServer.h"
#include "support/FreePort.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kSshd = QStringLiteral("/usr/sbin/sshd");

bool keygen(const QString &file)
{
    return QProcess::execute(QStringLiteral("ssh-keygen"),
                             {QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("ed25519"),
                              QStringLiteral("-N"), QString(), QStringLiteral("-f"), file})
           == 0;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every process below `pid`, found through /proc.
QList<pid_t> descendants(pid_t pid)
{
    QList<pid_t> found;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const pid_t child = entry.toInt(&number);
        if (!number)
            continue;
        const QByteArray stat = readFile(QStringLiteral("/proc/%1/stat").arg(child));
        const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields.at(1).toInt() == pid)
            found << child << descendants(child);
    }
    return found;
}

} // namespace

SshServer::SshServer() = default;

SshServer::~SshServer()
{
    kill();
}

QString SshServer::user() const
{
    const passwd *pw = getpwuid(getuid());
    return pw ? QString::fromLocal8Bit(pw->pw_name) : QString();
}

QString SshServer::address(const QString &account) const
{
    return QStringLiteral("sftp://%1@127.0.0.1:%2%3")
        .arg(account.isEmpty() ? user() : account)
        .arg(m_port)
        .arg(www());
}

QString SshServer::hostLine() const
{
    return QStringLiteral("[127.0.0.1]:%1 ").arg(m_port)
           + QString::fromLatin1(readFile(hostKeyFile() + QStringLiteral(".pub")).trimmed());
}

bool SshServer::prepare(QString *problem)
{
    if (!QFile::exists(kSshd)) {
        *problem = QStringLiteral("no %1 (openssh-server)").arg(kSshd);
        return false;
    }
    // sshd needs its privilege separation folder, which only root can make.
    if (!QDir(QStringLiteral("/run/sshd")).exists()
        && (getuid() != 0 || !QDir().mkpath(QStringLiteral("/run/sshd")))) {
        *problem = QStringLiteral("no /run/sshd, and not root to make it");
        return false;
    }
    QDir dir(m_dir.path());
    m_port = testfiles::freePort();
    if (!dir.mkpath(QStringLiteral("ssh")) || !dir.mkpath(QStringLiteral("www")) || !keygen(hostKeyFile())
        || !keygen(sshDir() + QStringLiteral("/id_ed25519")) || m_port == 0) {
        *problem = QStringLiteral("could not make the keys");
        return false;
    }
    QFile::copy(sshDir() + QStringLiteral("/id_ed25519.pub"),
                m_dir.filePath(QStringLiteral("authorized_keys")));
    QFile known(sshDir() + QStringLiteral("/known_hosts"));
    known.open(QIODevice::WriteOnly);
    known.write(hostLine().toLatin1() + '\n');
    known.close();
    QFile config(m_dir.filePath(QStringLiteral("sshd_config")));
    config.open(QIODevice::WriteOnly);
    config.write(QStringLiteral("Port %1\nListenAddress 127.0.0.1\nHostKey %2\nPidFile %3/sshd.pid\n"
                                "AuthorizedKeysFile %3/authorized_keys\nStrictModes no\nUsePAM no\n"
                                "PasswordAuthentication no\nKbdInteractiveAuthentication no\n"
                                "PermitRootLogin yes\nAllowUsers %4\nSubsystem sftp internal-sftp\n")
                     .arg(m_port)
                     .arg(hostKeyFile(), m_dir.path(), (user() + u' ' + m_passwordUser).trimmed())
                     .toLocal8Bit()
                 + (m_passwordUser.isEmpty()
                        ? QByteArray()
                        : "Match User " + m_passwordUser.toLocal8Bit() + "\n  PasswordAuthentication yes\n"));
    config.close();
    if (const passwd *pw = m_passwordUser.isEmpty() ? nullptr : getpwnam(m_passwordUser.toLocal8Bit())) {
        // The account reaches the served folder and owns it.
        ::chmod(QFile::encodeName(m_dir.path()).constData(), 0711);
        ::chown(QFile::encodeName(www()).constData(), pw->pw_uid, pw->pw_gid);
    }
    m_prepared = true;
    return true;
}

bool SshServer::start(QString *problem)
{
    if (!m_prepared && !prepare(problem))
        return false;
    m_sshd.setProcessChannelMode(QProcess::SeparateChannels);
    m_sshd.start(kSshd, {QStringLiteral("-f"), m_dir.filePath(QStringLiteral("sshd_config")),
                         QStringLiteral("-D"), QStringLiteral("-e")});
    QByteArray log;
    for (int i = 0; i < 100 && m_sshd.state() != QProcess::NotRunning; ++i) {
        m_sshd.waitForReadyRead(100);
        log += m_sshd.readAllStandardError();
        if (log.contains("Server listening"))
            return true;
    }
    *problem = QStringLiteral("sshd did not start: ") + QString::fromLocal8Bit(log);
    return false;
}

void SshServer::pause(bool stopped)
{
    const pid_t pid = pid_t(m_sshd.processId());
    QList<pid_t> all = descendants(pid);
    all << pid;
    for (const pid_t p : std::as_const(all))
        ::kill(p, stopped ? SIGSTOP : SIGCONT);
    m_paused = stopped ? all : QList<pid_t>();
}

void SshServer::runFor(int microseconds)
{
    for (const pid_t p : std::as_const(m_paused))
        ::kill(p, SIGCONT);
    ::usleep(useconds_t(microseconds));
    for (const pid_t p : std::as_const(m_paused))
        ::kill(p, SIGSTOP);
}

void SshServer::kill()
{
    if (m_sshd.state() == QProcess::NotRunning)
        return;
    const pid_t pid = pid_t(m_sshd.processId());
    for (const pid_t child : descendants(pid))
        ::kill(child, SIGKILL);
    m_sshd.kill();
    m_sshd.waitForFinished(5000);
}
