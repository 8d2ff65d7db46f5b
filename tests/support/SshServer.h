#pragma once

#include "server/TransportOptions.h"
#include "support/LocalServer.h"

#include <sys/types.h>

#include <QList>
#include <QProcess>
#include <QTemporaryDir>

// A real OpenSSH sshd of the test's own on 127.0.0.1: a free port, a
// generated host key, a user key in a folder of its own (never the
// account's ~/.ssh) that authorized_keys lets in, and SFTP. The served
// folder is www/ in its temporary folder.
class SshServer : public LocalServer {
public:
    ~SshServer() override;

    bool start(QString *problem) override;
    void kill() override;
    void pause(bool stopped) override;
    // While paused: lets the processes stopped by pause(true) run for
    // `microseconds`, then stops them again. The list is not read anew, so
    // the step is as short as asked.
    void runFor(int microseconds);
    // An ssh-agent holding the user key, for the command line (which reads
    // the account's ~/.ssh): SSH_AUTH_SOCK names it from now on.
    bool startAgent();

    // Before start(): lets `account` (an account of this machine) log in
    // with its password too, and gives it the served folder.
    void allowPassword(const QString &account) { m_passwordUser = account; }
    // Lets the public key in `file` log in too.
    void authorize(const QString &file);
    // Makes an ed25519 key (or `type`) in `file`, protected by `passphrase`.
    static bool keygen(const QString &file, const QString &passphrase = {}, const QString &type = "ed25519");

    int port() const override { return m_port; }
    QString user() const;
    // "sftp://user@127.0.0.1:PORT/…/www", for this account or the one given.
    QString address() const override { return address(QString()); }
    QString address(const QString &account) const;
    QString www() const override { return m_dir.filePath("www"); }
    // The folder holding the user key, and a known_hosts with the host key.
    QString sshDir() const { return m_dir.filePath("ssh"); }
    TransportOptions keys() const;   // logging in with the user key from sshDir()
    QString hostLine() const;        // the known_hosts line of this server
    QString changedHostLine() const; // the same with another key, as after a change of key
    QString fingerprint() const;     // "SHA256:…" of the host key

private:
    bool prepare(QString *problem);
    QString lineOf(const QString &key) const;

    QTemporaryDir m_dir;
    QProcess m_sshd;
    QProcess m_agent;
    int m_port = 0;
    bool m_prepared = false;
    QString m_passwordUser;
    QList<pid_t> m_paused;
};
