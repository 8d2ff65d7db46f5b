#pragma once

#include "server/ServerAddress.h"
#include "server/ServerTransport.h"
#include "server/StallWatch.h"
#include "server/TransportOptions.h"

#include <functional>

struct ssh_session_struct;
struct sftp_session_struct;

// SFTP through libssh. The host key is checked against known_hosts (libssh's
// own functions, hashed entries too): an unknown host is refused unless
// acceptHostKey names its very SHA-256 fingerprint; a changed key is always
// refused. Logs in with the agent (SSH_AUTH_SOCK) and the key files, then,
// when `password` gives one, with a password.
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
    bool failed(const QString &action, const QString &path);
    bool fileMissing() const;

    ServerAddress m_address;
    Options m_options;
    ssh_session_struct *m_ssh = nullptr;
    sftp_session_struct *m_sftp = nullptr;
    bool m_lost = false; // a call failed fatally: the session is over
    std::atomic_int m_socket{-1};
    // A call that waits longer than its bound has its socket shut.
    StallWatch m_watch;
};
