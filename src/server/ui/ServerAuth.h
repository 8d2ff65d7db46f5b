#pragma once

#include <QString>

// How the window logs in to a server, kept per user in the settings store
// (section "Servers", one value per address text): with keys or the agent
// only, or with a password when no key is taken, and whether that password
// is remembered in the keyring. No secret is ever kept here.
struct ServerAuth {
    bool password = false; // false: keys or agent only (SFTP)
    bool remember = false; // the password is kept in the keyring

    // The choice stored for an address; an https:// address always logs in
    // with a password.
    static ServerAuth load(const QString &addressText, bool https);
    // False when the store could not be written.
    bool save(const QString &addressText) const;

    inline static const QString Section = QStringLiteral("Servers");
};
