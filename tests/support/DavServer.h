#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A real lighttpd of the test's own with mod_webdav on 127.0.0.1: a free
// port, TLS with a server certificate (CN and SAN 127.0.0.1) signed by a test
// authority made for the run, and basic authentication of one user. It
// serves the folder /site (www() on this machine), in which locked/ is
// read-only. Everything lives in one temporary folder.
class DavServer {
public:
    DavServer();
    ~DavServer();

    // Starts lighttpd (again, on the same port and certificate); false with
    // `problem` when this machine cannot run it (the test then skips).
    bool start(QString *problem);
    // Kills lighttpd at once, as a crash would.
    void kill();
    // Stops lighttpd without closing anything (a stalled server), or lets it go on.
    void pause(bool stopped);

    int port() const { return m_port; }
    static QString user() { return QStringLiteral("ann"); }
    static QString password() { return QStringLiteral("s3cret"); }
    QString address() const; // "https://ann@127.0.0.1:PORT/site"
    QString www() const { return m_dir.filePath(QStringLiteral("root/site")); }
    // The test authority's certificate (PEM), to trust.
    QString authority() const { return m_dir.filePath(QStringLiteral("ca.pem")); }

private:
    bool prepare(QString *problem);

    QTemporaryDir m_dir;
    QProcess m_lighttpd;
    int m_port = 0;
    bool m_prepared = false;
};
