#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// How a transport connects and logs in, whatever its protocol. Holds no
// secret itself: a password is asked for through `password` only when one
// is needed, and is not kept.
struct TransportOptions {
    // SFTP: where known_hosts and the keys are; empty: the account's ~/.ssh.
    QString sshDir;
    // SFTP: an SSH configuration file read instead of the account's own
    // (~/.ssh/config and the system's), as a test gives its own IdentityFile;
    // empty: the account's own, unless sshDir is set.
    QString sshConfig;
    // SFTP: "SHA256:..." of an unknown host to accept for this run.
    QString acceptHostKey;
    // SFTP: an unknown host accepted through acceptHostKey is also added to
    // known_hosts (the window's question), not for this run only.
    bool rememberHostKey = false;
    // HTTPS: a file of PEM certificates trusted besides the system's store
    // (a test's own authority); empty: the system's store only.
    QString extraCertificates;
    int connectSeconds = 15;
    int stallSeconds = 30;
    // Asked only when no key logged in; an empty answer stops. May be
    // called on the thread the transport runs on.
    std::function<QByteArray()> password;
    // SFTP: the passphrase of a key file the server would accept; an empty
    // answer passes the key over. Not kept either.
    std::function<QByteArray(const QString &keyFile)> passphrase;
};
