#pragma once

#include "server/ServerAddress.h"
#include "server/ServerTransport.h"
#include "server/TransportOptions.h"

#include <QList>
#include <QPair>
#include <QSslCertificate>
#include <QStringList>

#include <memory>

class QAuthenticator;
class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// WebDAV through Qt Network: PROPFIND for listings, GET, PUT, MOVE (with
// Overwrite, so a rename replaces in one request), DELETE, MKCOL. Each call
// runs its request in a local event loop on the calling thread, bounded by
// the options' seconds (connecting, then no bytes moving). Certificates are
// checked against the system's store, a bundle named by SSL_CERT_FILE and
// the options' extra certificates; a failure is refused with the reasons,
// never ignored. Basic or digest login with the address's user: the
// password is asked for once, when the server first asks, kept in memory
// for the transport's life only, and never sent over plain http://.
class DavTransport : public ServerTransport {
public:
    DavTransport(const ServerAddress &address, TransportOptions options);
    ~DavTransport() override;
    DavTransport(const DavTransport &) = delete;
    DavTransport &operator=(const DavTransport &) = delete;

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
    bool renameReplaces() const override { return true; }

    static constexpr qint64 kMaxListingBytes = 256LL * 1024 * 1024;

private:
    struct Answer {
        int status = 0; // 0: no HTTP answer (see network)
        QByteArray body;
        QString network;         // the connection's failure
        QStringList certificate; // why the certificate was refused
        QString reason;          // the status's phrase
        int seconds = 0;         // the bound that ran out
        bool timedOut = false;
        bool tooLarge = false;
    };
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    Answer send(const QByteArray &verb, const QString &path, bool folder, const QByteArray *body,
                const Headers &headers, qint64 maxBytes);
    Answer propfind(const QString &path, bool children, bool *folder);
    QUrl urlOf(const QString &path, bool folder) const;
    void authenticate(QNetworkReply *reply, QAuthenticator *authenticator);
    bool failed(const QString &action, const QString &path, const Answer &answer);
    // Sets error() to "HOST: ACTION "PATH" failed: REASON."; false.
    bool refuse(const QString &action, const QString &path, const QString &reason);

    ServerAddress m_address;
    TransportOptions m_options;
    std::unique_ptr<QNetworkAccessManager> m_manager;
    QList<QSslCertificate> m_authorities; // empty: the system's own, loaded as needed
    QTimer *m_timer = nullptr;            // the running request's bound
    QByteArray m_password;                // asked for once, when the server first asked
    bool m_asked = false;
    QString m_loginProblem;  // why a login was not attempted or failed
    bool m_answered = false; // the server has answered once: its bound is the stall's
    bool m_lost = false;
};
