#pragma once

#include "server/ServerAddress.h"
#include "server/TransportOptions.h"
#include "server/ui/ServerAuth.h"

#include <QByteArray>
#include <QPointer>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class QWidget;
class ServerTransport;

// The window's login to one server: everything a transport needs from the
// user, asked on the window's thread while the transport works on its own.
// - The password (when the login is by password, see ServerAuth): first the
//   keyring's, then a PasswordPrompt; a typed password the user asked to be
//   remembered is kept in the keyring once the server took it, and a
//   remembered one the server refused is forgotten (then asked for once).
// - An unknown SFTP host key: its SHA-256 fingerprint is shown and the user
//   asked (No is the default); accepted, it is added to known_hosts. A
//   changed host key is shown as a warning and never accepted.
// The calls below may be made on any thread; the questions block that
// thread until answered (on the window's thread they are simply asked).
// Keep the login alive until the transport it opened is closed.
class ServerLogin {
public:
    ServerLogin(QWidget *window, const ServerAddress &address);
    ~ServerLogin();
    ServerLogin(const ServerLogin &) = delete;
    ServerLogin &operator=(const ServerLogin &) = delete;

    // Where known_hosts and the keys are (empty: the account's ~/.ssh).
    void setSshFolder(const QString &folder) { m_sshFolder = folder; }
    // How to log in (by default as stored for the address).
    void setAuth(const ServerAuth &auth) { m_auth = auth; }
    ServerAuth auth() const { return m_auth; }

    // Options for ServerTransports::make: the password callback asks as
    // described above; a host key the user accepted is accepted and kept.
    TransportOptions options();
    // After open() failed: true when the failure was an unknown host key and
    // the user accepted it (open again with options()). A changed key, or
    // any other failure, answers false; a changed key warns first.
    bool confirmHostKey(const ServerTransport &failedTransport);
    // Makes and opens the transport, asking as needed (see above). Null,
    // with `problem` set, when it could not, or when `cancel` was set.
    std::unique_ptr<ServerTransport> open(QString *problem, const std::atomic_bool *cancel = nullptr);

    // The key of the address's password in the keyring: its text.
    QString keyringKey() const { return m_address.text(); }

    // After a login was tried with options(): keeps a typed password the
    // user asked to remember once it was accepted, and forgets a remembered
    // one that was refused. On the window's thread.
    void afterLogin(bool accepted);

private:
    QByteArray askPassword();
    // Runs `ask` on the window's thread and waits for it.
    void onWindowThread(const std::function<void()> &ask);

    QPointer<QWidget> m_window;
    ServerAddress m_address;
    ServerAuth m_auth;
    QString m_sshFolder;
    QString m_acceptedKey;
    const std::atomic_bool *m_cancel = nullptr;
    bool m_keyringTried = false;
    bool m_fromKeyring = false;
    QByteArray m_typed; // held only until the login is over
    bool m_rememberTyped = false;
};
