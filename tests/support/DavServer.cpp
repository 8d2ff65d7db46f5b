#include "support/DavServer.h"

#include "support/FreePort.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <signal.h>

namespace {

const QString kLighttpd = QStringLiteral("/usr/sbin/lighttpd");
const QString kModules = QStringLiteral("/usr/lib/lighttpd");

bool openssl(const QStringList &arguments, const QString &dir)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start(QStringLiteral("openssl"), arguments);
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

DavServer::DavServer() = default;

DavServer::~DavServer()
{
    kill();
}

QString DavServer::address() const
{
    return QStringLiteral("https://%1@127.0.0.1:%2/site").arg(user()).arg(m_port);
}

bool DavServer::prepare(QString *problem)
{
    for (const QString &needed : {kLighttpd, kModules + QStringLiteral("/mod_webdav.so"),
                                  kModules + QStringLiteral("/mod_openssl.so")}) {
        if (!QFile::exists(needed)) {
            *problem =
                QStringLiteral("no %1 (lighttpd, lighttpd-mod-webdav, lighttpd-mod-openssl)").arg(needed);
            return false;
        }
    }
    const QString dir = m_dir.path();
    m_port = testfiles::freePort();
    const QStringList ec{QStringLiteral("-newkey"), QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                         QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes")};
    if (!QDir(dir).mkpath(QStringLiteral("root/site/locked")) || !QDir(dir).mkpath(QStringLiteral("uploads"))
        || !writeFile(m_dir.filePath(QStringLiteral("server.ext")),
                      "subjectAltName=IP:127.0.0.1\nbasicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\n")
        || !openssl(QStringList{QStringLiteral("req"), QStringLiteral("-x509")} + ec
                        + QStringList{"-keyout", "ca.key", "-out", "ca.pem", "-days", "2", "-subj",
                                      "/CN=Quillnav test authority", "-addext",
                                      "basicConstraints=critical,CA:TRUE", "-addext",
                                      "keyUsage=critical,keyCertSign,cRLSign"},
                    dir)
        || !openssl(
            QStringList{QStringLiteral("req")} + ec
                + QStringList{"-keyout", "server.key", "-out", "server.csr", "-subj", "/CN=127.0.0.1"},
            dir)
        || !openssl({"x509", "-req", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key",
                     "-CAcreateserial", "-out", "server.pem", "-days", "2", "-extfile", "server.ext"},
                    dir)
        || m_port == 0) {
        *problem = QStringLiteral("could not make the test certificates with openssl");
        return false;
    }
    writeFile(m_dir.filePath(QStringLiteral("users")), (user() + u':' + password() + u'\n').toUtf8());
    // Started as root, lighttpd stays root unless told a user to become:
    // the test's files are then the server's own.
    const QString config =
        QStringLiteral(
            "server.modules = (\"mod_auth\", \"mod_authn_file\", \"mod_openssl\", \"mod_webdav\")\n"
            "server.document-root = \"%1/root\"\nserver.bind = \"127.0.0.1\"\nserver.port = %2\n"
            "server.errorlog = \"%1/error.log\"\nserver.upload-dirs = (\"%1/uploads\")\n"
            // The tests change files behind the server's back within the second
            // that lighttpd would otherwise keep their sizes and times for.
            "server.stat-cache-engine = \"disable\"\n"
            "ssl.engine = \"enable\"\nssl.pemfile = \"%1/server.pem\"\nssl.privkey = \"%1/server.key\"\n"
            "auth.backend = \"plain\"\nauth.backend.plain.userfile = \"%1/users\"\n"
            "auth.require = (\"/\" => (\"method\" => \"basic\", \"realm\" => \"Quillnav test\", "
            "\"require\" => \"valid-user\"))\n"
            "webdav.activate = \"enable\"\nwebdav.is-readonly = \"disable\"\n"
            "$HTTP[\"url\"] =~ \"^/site/locked/\" { webdav.is-readonly = \"enable\" }\n")
            .arg(dir)
            .arg(m_port);
    if (!writeFile(m_dir.filePath(QStringLiteral("lighttpd.conf")), config.toUtf8())) {
        *problem = QStringLiteral("could not write the configuration");
        return false;
    }
    m_prepared = true;
    return true;
}

bool DavServer::start(QString *problem)
{
    if (!m_prepared && !prepare(problem))
        return false;
    m_lighttpd.setProcessChannelMode(QProcess::MergedChannels);
    m_lighttpd.start(kLighttpd,
                     {QStringLiteral("-D"), QStringLiteral("-f"),
                      m_dir.filePath(QStringLiteral("lighttpd.conf")), QStringLiteral("-m"), kModules});
    for (int i = 0; i < 100 && m_lighttpd.state() != QProcess::NotRunning; ++i) {
        if (testfiles::listening(m_port))
            return true;
        QThread::msleep(100);
    }
    m_lighttpd.waitForFinished(1000);
    QFile log(m_dir.filePath(QStringLiteral("error.log")));
    log.open(QIODevice::ReadOnly);
    *problem = QStringLiteral("lighttpd did not start: ")
               + QString::fromLocal8Bit(m_lighttpd.readAll() + log.readAll());
    return false;
}

void DavServer::pause(bool stopped)
{
    if (m_lighttpd.state() != QProcess::NotRunning)
        ::kill(pid_t(m_lighttpd.processId()), stopped ? SIGSTOP : SIGCONT);
}

void DavServer::kill()
{
    if (m_lighttpd.state() == QProcess::NotRunning)
        return;
    pause(false);
    m_lighttpd.kill();
    m_lighttpd.waitForFinished(5000);
}
