#pragma once

#include <QString>

// The address of a site's server as a project or the command line names it:
// "sftp://user@host:2222/var/www/site" or "https://host/dav/site/"
// (WebDAV). An address never carries a password: one that does is refused,
// so that no secret reaches a project file, the settings or the arguments.
struct ServerAddress {
    enum Scheme { Sftp, Https, Http };

    Scheme scheme = Sftp;
    QString user; // may be empty: the account's own name (SFTP)
    QString host;
    int port = 0;   // 0: the scheme's own (22, 443, 80)
    QString folder; // absolute, '/' between names, no '/' at the end but for "/"

    // The address read from text; on a refusal returns false and sets
    // `problem` to why (a sentence to follow the field's or option's name).
    static bool parse(const QString &text, ServerAddress *out, QString *problem);

    int effectivePort() const;
    // "sftp://user@host:2222/var/www/site", as messages name the server.
    QString text() const;
    // "host:2222" or "host", as messages name the machine.
    QString hostText() const;
};
