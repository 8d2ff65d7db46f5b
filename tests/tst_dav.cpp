#include "server/DavTransport.h"
#include "server/ServerTransports.h"
#include "support/DavServer.h"
#include "support/TransferTable.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace {

// Answers every request with the same canned bytes: a hostile WebDAV
// server, or one that asks for a login over plain http://.
class CannedServer : public QTcpServer {
public:
    CannedServer(const QByteArray &status, const QByteArray &headers, const QByteArray &body)
    {
        const QByteArray answer = "HTTP/1.1 " + status + "\r\nContent-Length: "
                                  + QByteArray::number(body.size()) + "\r\n" + headers + "\r\n" + body;
        connect(this, &QTcpServer::newConnection, this, [this, answer] {
            while (QTcpSocket *s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [s, answer] {
                    QByteArray request = s->property("request").toByteArray() + s->readAll();
                    const qsizetype end = request.indexOf("\r\n\r\n");
                    const QByteArray head = request.left(end).toLower();
                    const qsizetype at = head.indexOf("content-length:");
                    const int length = at < 0 ? 0 : head.mid(at + 15).split('\r').value(0).trimmed().toInt();
                    const bool whole = end >= 0 && request.size() >= end + 4 + length;
                    s->setProperty("request", whole ? QByteArray() : request);
                    if (whole)
                        s->write(answer);
                });
            }
        });
        listen(QHostAddress::LocalHost);
    }
};

} // namespace

class TestDav : public QObject {
    Q_OBJECT

    DavServer m_server;
    QTemporaryDir m_site;
    QTemporaryDir m_outside;
    int m_asked = 0; // how often a transport asked for the password

    TransportOptions options(const QString &password = DavServer::password())
    {
        TransportOptions o;
        o.extraCertificates = m_server.authority();
        o.password = [this, password] {
            ++m_asked;
            return password.toUtf8();
        };
        return o;
    }
    TransferSides sides() { return {m_server, m_site.path(), m_outside.path(), options()}; }

private slots:
    void initTestCase()
    {
        QString problem;
        if (!m_server.start(&problem))
            QSKIP(qPrintable(problem));
        qunsetenv("SSL_CERT_FILE"); // the command lines' rows say where they trust the test authority
    }

    // The same table as SFTP's, and WebDAV's own faults.
    void transfers_data() { TransferSides::addRows({"server-transfers.json", "dav-faults.json"}); }
    void transfers()
    {
        QFETCH(QJsonArray, row);
        sides().runRow(row);
    }
    void serverStoppedMidUpload() { sides().stopMidUpload(5); }
    void stalledServer() { sides().stall(); }

    // The password on standard input, the test authority trusted through
    // SSL_CERT_FILE as OpenSSL's own tools read it.
    void commandLine_data() { TransferSides::addRows({"server-command-lines.json"}, "dav"); }
    void commandLine()
    {
        QFETCH(QJsonArray, row);
        sides().runCommandRow(row, {{"$AUTHORITY", m_server.authority()}});
    }

    // Each row: the address, the password given, whether the test authority
    // is trusted; the refusal's reason and whether it refused the login.
    void refusals_data() { TransferSides::addRows({"dav-refusals.json"}); }
    void refusals()
    {
        QFETCH(QJsonArray, row);
        const CannedServer plain("401 Unauthorized", "WWW-Authenticate: Basic realm=\"x\"\r\n", {});
        QTcpServer mute; // takes connections, never answers
        QVERIFY(mute.listen(QHostAddress::LocalHost));
        const QString address =
            TransferSides::filled(row[1].toString(), {{"$PORT", QString::number(m_server.port())},
                                                      {"$CANNED", QString::number(plain.serverPort())},
                                                      {"$MUTE", QString::number(mute.serverPort())}});
        TransportOptions o = options(row[2].toString());
        if (!row[3].toBool())
            o.extraCertificates.clear();
        o.connectSeconds = 2;
        m_asked = 0;
        QString problem;
        const std::unique_ptr<ServerTransport> t =
            ServerTransports::make(TransferSides::addressOf(address), o, &problem);
        QVERIFY(!(t && t->open()));
        const QString error = t ? t->error() : problem;
        QVERIFY2(error.contains(row[4].toString()), qPrintable(error));
        QCOMPARE(t && t->loginRefused(), row[5].toBool());
        QVERIFY(m_asked <= 1);
    }

    // A hostile answer: nothing named leads out of the folder asked about.
    void hostileListing()
    {
        const CannedServer hostile("207 Multi-Status", "Content-Type: application/xml\r\n",
                                   testfiles::readAll(testpaths::dataFile("dav-hostile-listing.xml")));
        DavTransport t(
            TransferSides::addressOf(QStringLiteral("http://127.0.0.1:%1/site").arg(hostile.serverPort())),
            {});
        QVERIFY2(t.open(), qPrintable(t.error()));
        QList<ServerEntry> entries;
        bool missing = true;
        QVERIFY2(t.list("/site", &entries, &missing), qPrintable(t.error()));
        QVERIFY(!missing);
        QCOMPARE(entries.size(), 1); // name, a file, size, time, ETag:
        const ServerEntry &e = entries[0];
        QCOMPARE(QStringList({e.name, e.regular && !e.folder ? "file" : "?", QString::number(e.size),
                              QString::number(e.mtime), e.tag}),
                 QStringList({"caf\u00e9 x.html", "file", "12", "784111777", "\"abc\""}));
    }
};

QTEST_GUILESS_MAIN(TestDav)
#include "tst_dav.moc"
