#pragma once

#include "support/LocalServer.h"

#include <QProcess>
#include <QTemporaryDir>

// A real lighttpd of the test's own with mod_webdav on 127.0.0.1: a free
// port, TLS with a server certificate (CN and SAN 127.0.0.1) signed by a test
// authority made for the run, and basic authentication of one user. It
// serves the folder /site (www() on this machine), in which locked/ is
// read-only. Everything lives in one temporary folder.
class DavServer : public LocalServer {
public:
    ~DavServer() override;

    bool start(QString *problem) override;
    void kill() override;
    void pause(bool stopped) override;

    int port() const override { return m_port; }
    static QString password() { return QStringLiteral("s3cret"); }
    QString address() const override; // "https://ann@127.0.0.1:PORT/site"
    QString www() const override { return m_dir.filePath("root/site"); }
    // The test authority's certificate (PEM), to trust.
    QString authority() const { return m_dir.filePath("ca.pem"); }

private:
    bool prepare(QString *problem);

    QTemporaryDir m_dir;
    QProcess m_lighttpd;
    int m_port = 0;
    bool m_prepared = false;
};
