#pragma once

#include <sys/types.h>

#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A real OpenSSH sshd of the test's own on 127.0.0.1: a free port, a
// generated host key, a user key in a folder of its own (never the
// account's ~/.ssh) that authorized_keys lets in, and SFTP. The served
// folder is www/ in its temporary folder.
class SshServer {
public:
    SshServer();
    ~SshServer();

    // Starts sshd (again, on the same port and key); false with `problem`
    // when this machine cannot run it (the test then skips).
    bool start(QString *problem);
    // Kills sshd and every session it started at once, as a crash would.
    void kill();
    // Stops sshd and its sessions without closing anything (a stalled
    // server), or lets them go on.
    void pause(bool stopped);
    // While paused: lets the processes stopped by pause(true) run for
    // `microseconds`, then stops them again. The list is not read anew, so
    // the step is as short as asked.
    void runFor(int microseconds);

    // Before start(): lets `account` (an account of this machine) log in
    // with its password too, and gives it the served folder.
    void allowPassword(const QString &account) { m_passwordUser = account; }

    int port() const { return m_port; }
    QString user() const;
    // "sftp://user@127.0.0.1:PORT/…/www", for this account or the one given.
    QString address(const QString &account = {}) const;
    QString authorizedKeys() const { return m_dir.filePath(QStringLiteral("authorized_keys")); }
    QString www() const { return m_dir.filePath(QStringLiteral("www")); }
    // The folder holding the user key, and a known_hosts with the host key.
    QString sshDir() const { return m_dir.filePath(QStringLiteral("ssh")); }
    QString hostKeyFile() const { return m_dir.filePath(QStringLiteral("host_key")); }
    QString hostLine() const; // the known_hosts line of this server

private:
    bool prepare(QString *problem);

    QTemporaryDir m_dir;
    QProcess m_sshd;
    int m_port = 0;
    bool m_prepared = false;
    QString m_passwordUser;
    QList<pid_t> m_paused;
};
