#pragma once

#include <QByteArray>
#include <QString>

// Remembered passwords of servers in the desktop's keyring (Secret Service,
// through QtKeychain), under the service "Quillnav" and the server's address
// text as the key (which never holds a password). Each call waits for the
// keyring with a local event loop: call it on the window's thread.
// Where no keyring runs, nothing is kept: available() turns false and every
// call after that answers at once.
namespace ServerKeyring {

enum Outcome { Found, NotFound, NoKeyring };

Outcome read(const QString &key, QByteArray *password);
// False when it could not be kept (no keyring, or the keyring refused).
bool write(const QString &key, const QByteArray &password);
void remove(const QString &key);
// False once a call found no keyring running in this session.
bool available();
// Looks for a keyring again at the next call (one may have started since).
void retry();

inline const QString kService = QStringLiteral("Quillnav");

} // namespace ServerKeyring
