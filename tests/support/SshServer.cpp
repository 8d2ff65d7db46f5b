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

// (Not the tests' own helpers: the server benchmarks build this file without them.)
QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes, QIODevice::OpenMode mode = QIODevice::WriteOnly)
{
    QFile f(path);
    return f.open(mode) && f.write(bytes) == bytes.size();
}

// Every process below `pid`, found through /proc.
QList<pid_t> descendants(pid_t pid)
{
    QList<pid_t> found;
    for (const QString &entry : QDir("/proc").entryList(QDir::Dirs)) {
        bool number = false;
        const pid_t child = entry.toInt(&number);
        const QByteArray stat = number ? readFile(QStringLiteral("/proc/%1/stat").arg(child)) : QByteArray();
        const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields.at(1).toInt() == pid)
            found << child << descendants(child);
    }
    return found;
}

} // namespace

SshServer::~SshServer()
{
    kill();
    m_agent.kill();
    m_agent.waitForFinished();
}

bool SshServer::keygen(const QString &file, const QString &passphrase, const QString &type)
{
    return QProcess::execute("ssh-keygen", {"-q", "-t", type, "-N", passphrase, "-f", file}) == 0;
}

void SshServer::authorize(const QString &file)
{
    writeFile(m_dir.filePath("authorized_keys"), readFile(file), QIODevice::Append);
}

TransportOptions SshServer::keys() const
{
    TransportOptions o;
    o.sshDir = sshDir();
    return o;
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

QString SshServer::lineOf(const QString &key) const
{
    return QStringLiteral("[127.0.0.1]:%1 ").arg(m_port)
           + QString::fromLatin1(readFile(key + ".pub").trimmed());
}

QString SshServer::hostLine() const
{
    return lineOf(m_dir.filePath("host_key"));
}

QString SshServer::changedHostLine() const
{
    const QString other = m_dir.filePath("other_key");
    if (!QFile::exists(other))
        keygen(other);
    return lineOf(other);
}

QString SshServer::fingerprint() const
{
    QProcess p;
    p.start("ssh-keygen", {"-l", "-E", "sha256", "-f", m_dir.filePath("host_key.pub")});
    p.waitForFinished();
    return QString::fromLatin1(p.readAllStandardOutput().split(' ').value(1));
}

bool SshServer::prepare(QString *problem)
{
    if (!QFile::exists(kSshd)) {
        *problem = QStringLiteral("no %1 (openssh-server)").arg(kSshd);
        return false;
    }
    // sshd needs its privilege separation folder, which only root can make.
    if (!QDir("/run/sshd").exists() && (getuid() != 0 || !QDir().mkpath("/run/sshd"))) {
        *problem = "no /run/sshd, and not root to make it";
        return false;
    }
    QDir dir(m_dir.path());
    m_port = testfiles::freePort();
    if (!dir.mkpath("ssh") || !dir.mkpath("www") || !keygen(m_dir.filePath("host_key"))
        || !keygen(sshDir() + "/id_ed25519") || m_port == 0) {
        *problem = "could not make the keys";
        return false;
    }
    authorize(sshDir() + "/id_ed25519.pub");
    writeFile(sshDir() + "/known_hosts", hostLine().toLatin1() + '\n');
    writeFile(m_dir.filePath("sshd_config"),
              QStringLiteral("Port %1\nListenAddress 127.0.0.1\nHostKey %2/host_key\nPidFile %2/sshd.pid\n"
                             "AuthorizedKeysFile %2/authorized_keys\nStrictModes no\nUsePAM no\n"
                             "PasswordAuthentication no\nKbdInteractiveAuthentication no\n"
                             "PermitRootLogin yes\nAllowUsers %3\nSubsystem sftp internal-sftp\n")
                      .arg(m_port)
                      .arg(m_dir.path(), (user() + u' ' + m_passwordUser).trimmed())
                      .toLocal8Bit()
                  + (m_passwordUser.isEmpty() ? QByteArray()
                                              : "Match User " + m_passwordUser.toLocal8Bit()
                                                    + "\n  PasswordAuthentication yes\n"));
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
    m_sshd.start(kSshd, {"-f", m_dir.filePath("sshd_config"), "-D", "-e"});
    QByteArray log;
    for (int i = 0; i < 100 && m_sshd.state() != QProcess::NotRunning; ++i) {
        m_sshd.waitForReadyRead(100);
        log += m_sshd.readAllStandardError();
        if (log.contains("Server listening"))
            return true;
    }
    *problem = "sshd did not start: " + QString::fromLocal8Bit(log);
    return false;
}

bool SshServer::startAgent()
{
    const QString socket = m_dir.filePath("agent");
    m_agent.start("ssh-agent", {"-D", "-a", socket});
    for (int i = 0; i < 100 && !QFile::exists(socket); ++i)
        QThread::msleep(50);
    qputenv("SSH_AUTH_SOCK", QFile::encodeName(socket));
    return QProcess::execute("ssh-add", {"-q", sshDir() + "/id_ed25519"}) == 0;
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
    for (const pid_t child : descendants(pid_t(m_sshd.processId())))
        ::kill(child, SIGKILL);
    m_sshd.kill();
    m_sshd.waitForFinished(5000);
}
