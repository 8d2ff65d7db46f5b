#pragma once

#include "server/ServerAddress.h"
#include "server/ServerTransport.h"
#include "server/StallWatch.h"
#include "server/TransportOptions.h"

#include <QStringList>

#include <cstddef>
#include <functional>
#include <memory>

struct ssh_session_struct;
struct sftp_session_struct;
struct ssh_callbacks_struct;

// SFTP through libssh. The host key is checked against known_hosts (libssh's
// own functions, hashed entries too): an unknown host is refused unless
// acceptHostKey names its very SHA-256 fingerprint; a changed key is always
// refused. Logs in as OpenSSH does: with the agent (SSH_AUTH_SOCK), then
// the key files in libssh's order: those IdentityFile names for the host in
// the SSH configuration (the account's, or sshConfig), then id_ed25519,
// id_ecdsa and id_rsa of sshDir (or the account's ~/.ssh); a protected one
// with the passphrase `passphrase` gives, asked once the server would take
// the key's public half (libssh writes a missing one beside the key it
// opened); then, when `password` gives one, with a password.
class SftpTransport : public ServerTransport {
public:
    using Options = TransportOptions;

    SftpTransport(const ServerAddress &address, Options options);
    ~SftpTransport() override;
    SftpTransport(const SftpTransport &) = delete;
    SftpTransport &operator=(const SftpTransport &) = delete;

    bool open() override;
    void close() override;
    bool connected() const override;
    bool list(const QString &folder, QList<ServerEntry> *entries, bool *missing) override;
    bool stat(const QString &path, ServerEntry *entry, bool *missing) override;
    bool read(const QString &path, qint64 maxBytes, QByteArray *bytes) override;
    bool write(const QString &path, const QByteArray &bytes, quint32 permissions) override;
    bool rename(const QString &from, const QString &to) override;
    bool remove(const QString &path) override;
    bool makeFolder(const QString &path) override;

private:
    bool checkHostKey();
    bool logIn();
    // libssh's question for the passphrase of the key it is trying,
    // answered through `passphrase` (once a key, naming its file).
    static int askPassphrase(const char *prompt, char *buffer, size_t length, int echo, int verify,
                             void *data);
    // Words the failure of `action` on `path`; `failure` stands for the
    // server's plain SSH_FX_FAILURE where the action knows its likely cause.
    bool failed(const QString &action, const QString &path, const QString &failure = {});
    bool fileMissing() const;

    ServerAddress m_address;
    Options m_options;
    ssh_session_struct *m_ssh = nullptr;
    sftp_session_struct *m_sftp = nullptr;
    bool m_lost = false; // a call failed fatally: the session is over
    int m_umask = -1;    // the permission bits the server takes from a new file; -1: not known yet
    std::atomic_int m_socket{-1};
    // A call that waits longer than its bound has its socket shut.
    StallWatch m_watch;
    // The session's callbacks, kept as long as it is.
    std::unique_ptr<ssh_callbacks_struct> m_callbacks;
    QStringList m_askedKeys;          // while logging in: the key files whose passphrase was asked for
    bool m_passphraseRefused = false; // a passphrase given did not open its key
};
