#include "support/DavServer.h"

#include "support/FreePort.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QThread>

#include <signal.h>

namespace {

const QString kLighttpd = QStringLiteral("/usr/sbin/lighttpd");
const QString kModules = QStringLiteral("/usr/lib/lighttpd");

// openssl with `arguments` (split at spaces) in `dir`.
bool openssl(const QString &arguments, const QString &dir)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start("openssl", arguments.split(' '));
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

DavServer::~DavServer()
{
    kill();
}

QString DavServer::address() const
{
    return QStringLiteral("https://ann@127.0.0.1:%1/site").arg(m_port);
}

bool DavServer::prepare(QString *problem)
{
    for (const QString &needed : {kLighttpd, kModules + "/mod_webdav.so", kModules + "/mod_openssl.so"}) {
        if (!QFile::exists(needed)) {
            *problem =
                QStringLiteral("no %1 (lighttpd, lighttpd-mod-webdav, lighttpd-mod-openssl)").arg(needed);
            return false;
        }
    }
    const QString dir = m_dir.path();
    m_port = testfiles::freePort();
    const QString ec = "-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes ";
    if (!QDir(dir).mkpath("root/site/locked") || !QDir(dir).mkpath("uploads")
        || !testfiles::writeAll(m_dir.filePath("server.ext"),
                                "subjectAltName=IP:127.0.0.1\nbasicConstraints=CA:FALSE\n"
                                "extendedKeyUsage=serverAuth\n")
        || !openssl("req -x509 " + ec
                        + "-keyout ca.key -out ca.pem -days 2 -subj /CN=Quillnav-test-authority "
                          "-addext basicConstraints=critical,CA:TRUE "
                          "-addext keyUsage=critical,keyCertSign,cRLSign",
                    dir)
        || !openssl("req " + ec + "-keyout server.key -out server.csr -subj /CN=127.0.0.1", dir)
        || !openssl("x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -out server.pem "
                    "-days 2 -extfile server.ext",
                    dir)
        || m_port == 0) {
        *problem = "could not make the test certificates with openssl";
        return false;
    }
    testfiles::writeAll(m_dir.filePath("users"), "ann:" + password().toUtf8() + '\n');
    // Started as root, lighttpd stays root unless told a user to become:
    // the test's files are then the server's own.
    const QByteArray config = testfiles::readAll(testpaths::dataFile("dav-lighttpd.conf"))
                                  .replace("@DIR@", QFile::encodeName(dir))
                                  .replace("@PORT@", QByteArray::number(m_port));
    if (!testfiles::writeAll(m_dir.filePath("lighttpd.conf"), config)) {
        *problem = "could not write the configuration";
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
    m_lighttpd.start(kLighttpd, {"-D", "-f", m_dir.filePath("lighttpd.conf"), "-m", kModules});
    for (int i = 0; i < 100 && m_lighttpd.state() != QProcess::NotRunning; ++i) {
        if (testfiles::listening(m_port))
            return true;
        QThread::msleep(100);
    }
    m_lighttpd.waitForFinished(1000);
    *problem =
        "lighttpd did not start: "
        + QString::fromLocal8Bit(m_lighttpd.readAll() + testfiles::readAll(m_dir.filePath("error.log")));
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
    m_lighttpd.kill(); // SIGKILL ends a paused server too
    m_lighttpd.waitForFinished(5000);
}
