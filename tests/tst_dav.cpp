#include "menu/ProjectFile.h"
#include "server/DavTransport.h"
#include "server/ServerTransports.h"
#include "support/DavServer.h"
#include "support/TestFiles.h"
#include "support/TransferTable.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace {

// Answers every request with the same canned bytes: a hostile WebDAV
// server, or one that asks for a login over plain http://.
class CannedServer : public QTcpServer {
public:
    explicit CannedServer(const QByteArray &answer)
    {
        connect(this, &QTcpServer::newConnection, this, [this, answer] {
            while (QTcpSocket *s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [s, answer] {
                    QByteArray request = s->property("request").toByteArray() + s->readAll();
                    const qsizetype end = request.indexOf("\r\n\r\n");
                    const QByteArray head = request.left(end).toLower();
                    const qsizetype at = head.indexOf("content-length:");
                    const int length = at < 0 ? 0 : head.mid(at + 15).split('\r').value(0).trimmed().toInt();
                    if (end < 0 || request.size() < end + 4 + length) {
                        s->setProperty("request", request);
                        return;
                    }
                    s->setProperty("request", QByteArray());
                    s->write(answer);
                });
            }
        });
        listen(QHostAddress::LocalHost);
    }
};

QByteArray httpAnswer(const QByteArray &status, const QByteArray &headers, const QByteArray &body)
{
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n" + headers
           + "\r\n" + body;
}

} // namespace

class TestDav : public QObject {
    Q_OBJECT

    DavServer m_server;
    QString m_problem;
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
    static ServerAddress addressOf(const QString &text)
    {
        ServerAddress a;
        QString problem;
        if (!ServerAddress::parse(text, &a, &problem))
            qFatal("%s", qPrintable(problem));
        return a;
    }
    TransferSides sides()
    {
        return {m_site.path(),
                m_server.www(),
                m_outside.path(),
                m_server.address(),
                addressOf(m_server.address()).folder,
                [this] {
                    auto t = std::make_unique<DavTransport>(addressOf(m_server.address()), options());
                    if (!t->open())
                        qFatal("%s", qPrintable(t->error()));
                    return t;
                }};
    }

private slots:
    void initTestCase()
    {
        if (!m_server.start(&m_problem))
            QSKIP(qPrintable(m_problem));
    }

    void transfers_data()
    {
        QTest::addColumn<QJsonArray>("row");
        for (const QString table : {"server-transfers.json", "dav-faults.json"})
            for (const QJsonArray &r : testfiles::tableRows(table))
                QTest::newRow(qPrintable(r[0].toString())) << r;
    }
    // The same table as SFTP's, and WebDAV's own faults.
    void transfers()
    {
        QFETCH(QJsonArray, row);
        sides().runRow(row);
    }

    // Logins and connections that are refused, each with its reason.
    void refusals_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<QString>("message");
        const QString dav = m_server.address();
        const QString anonymous = QString(dav).remove("ann@");
        QTest::newRow("wrong password") << dav << "wrong" << true << "did not accept the password of \"ann\"";
        QTest::newRow("no password given")
            << dav << "" << true << "asks for the password of \"ann\", and none";
        QTest::newRow("no user") << anonymous << "x" << true << "give the user in the address";
        QTest::newRow("untrusted certificate")
            << dav << "x" << false << "is not trusted, so the connection is refused";
        QTest::newRow("http with a user") << QString(dav).replace("https:", "http:") << "x" << true
                                          << "a password is never sent over plain http://";
        QTest::newRow("http server asking for a login")
            << "http://127.0.0.1:PLAIN/site"
            << "x" << true << "which is never sent over plain http://";
        QTest::newRow("a server that never answers")
            << "https://ann@127.0.0.1:MUTE/site"
            << "x" << true << "did not answer for 2 seconds while connecting";
    }
    void refusals()
    {
        QFETCH(QString, address);
        QFETCH(QString, password);
        QFETCH(bool, trusted);
        QFETCH(QString, message);
        CannedServer plain(httpAnswer("401 Unauthorized", "WWW-Authenticate: Basic realm=\"x\"\r\n", {}));
        QTcpServer mute; // takes connections, never answers
        QVERIFY(mute.listen(QHostAddress::LocalHost));
        address.replace("PLAIN", QString::number(plain.serverPort()))
            .replace("MUTE", QString::number(mute.serverPort()));
        TransportOptions o = options(password);
        if (!trusted)
            o.extraCertificates.clear();
        o.connectSeconds = 2;
        m_asked = 0;
        QString problem;
        const std::unique_ptr<ServerTransport> t = ServerTransports::make(addressOf(address), o, &problem);
        const bool opened = t && t->open();
        QVERIFY(!opened);
        const QString error = t ? t->error() : problem;
        QVERIFY2(error.contains(message), qPrintable(error));
        const QStringList logins{"wrong password", "no password given", "no user",
                                 "http server asking for a login"};
        QCOMPARE(t && t->loginRefused(), logins.contains(QTest::currentDataTag()));
        QVERIFY(m_asked <= 1);
    }

    // A hostile answer: nothing named leads out of the folder asked about.
    void hostileListing()
    {
        const QByteArray body =
            "<?xml version=\"1.0\"?><x:multistatus xmlns:x=\"DAV:\" xmlns:o=\"urn:other\">"
            "<x:response><x:href>/site/</x:href><x:propstat><x:prop><x:resourcetype><x:collection/>"
            "</x:resourcetype></x:prop><x:status>HTTP/1.1 200 OK</x:status></x:propstat></x:response>"
            "<x:response><x:href>http://elsewhere/site/caf%C3%A9%20x.html</x:href><x:propstat><x:prop>"
            "<x:getcontentlength>12</x:getcontentlength><x:getlastmodified>Sun, 06 Nov 1994 08:49:37 GMT"
            "</x:getlastmodified><x:getetag>\"abc\"</x:getetag><x:resourcetype/></x:prop>"
            "<x:status>HTTP/1.1 200 OK</x:status></x:propstat><x:propstat><x:prop><o:getetag>\"no\"</o:getetag>"
            "<x:getcontentlength>99</x:getcontentlength></x:prop><x:status>HTTP/1.1 404 Not Found</x:status>"
            "</x:propstat></x:response>"
            +
            [] {
                QByteArray evil;
                for (const char *href : {"/site/../etc/passwd", "/site/%2E%2E", "/site/a%2Fb",
                                         "/other/x.html", "/site/sub/deeper.html", "/site/.", "/", "../../x"})
                    evil += QByteArray("<x:response><x:href>") + href
                            + "</x:href><x:propstat><x:prop/><x:status>HTTP/1.1 200 OK</x:status>"
                              "</x:propstat></x:response>";
                return evil;
            }()
            + "</x:multistatus>";
        CannedServer hostile(httpAnswer("207 Multi-Status", "Content-Type: application/xml\r\n", body));
        DavTransport t(addressOf(QStringLiteral("http://127.0.0.1:%1/site").arg(hostile.serverPort())), {});
        QVERIFY2(t.open(), qPrintable(t.error()));
        QList<ServerEntry> entries;
        bool missing = true;
        QVERIFY2(t.list("/site", &entries, &missing), qPrintable(t.error()));
        QVERIFY(!missing);
        QCOMPARE(entries.size(), 1);
        const ServerEntry &e = entries[0];
        QCOMPARE(e.name, QString::fromUtf8("caf\u00e9 x.html"));
        QVERIFY(e.regular && !e.folder);
        QCOMPARE(e.size, 12);
        QCOMPARE(e.mtime, 784111777);
        QCOMPARE(e.tag, "\"abc\"");
    }

    // A server that stops answering: the call returns after its bound,
    // naming the server, the action and the folder.
    void stalledServer()
    {
        TransportOptions o = options();
        o.stallSeconds = 2;
        DavTransport t(addressOf(m_server.address()), o);
        QVERIFY2(t.open(), qPrintable(t.error()));
        m_server.pause(true);
        QList<ServerEntry> entries;
        bool missing = false;
        const bool listed = t.list("/site", &entries, &missing);
        m_server.pause(false);
        QVERIFY(!listed);
        QVERIFY(!t.connected());
        QVERIFY2(t.error().contains(
                     "listing the folder \"/site\" failed: the server did not answer for 2 seconds"),
                 qPrintable(t.error()));
    }

    // The server killed in the middle of an upload: every server file is
    // whole (old or new), and the next upload sends only what is left.
    void serverStoppedMidUpload()
    {
        const TransferSides s = sides();
        s.clear();
        QStringList paths;
        for (int i = 0; i < 15; ++i) {
            paths << QStringLiteral("f%1/p%2.html").arg(i % 3).arg(i);
            s.put(m_site.filePath(paths.last()), QByteArray(20000, 'a'));
        }
        s.transfer(TransferPlan::Upload, paths);
        for (const QString &p : paths)
            s.put(m_site.filePath(p), QByteArray(21000, 'b'));
        TransferReport report;
        TransferRunner::Options o;
        o.progress = [this](qsizetype files, qint64) {
            if (files == 5)
                m_server.kill();
        };
        s.transfer(TransferPlan::Upload, paths, false, &report, o);
        QCOMPARE(report.filesMoved, 5);
        QVERIFY(!report.error.isEmpty());
        for (const QString &p : paths) {
            const QByteArray bytes = testfiles::readAll(m_server.www() + '/' + p);
            QVERIFY2(bytes == QByteArray(20000, 'a') || bytes == QByteArray(21000, 'b'), qPrintable(p));
        }
        QVERIFY(m_server.start(&m_problem));
        const TransferPlan again = s.transfer(TransferPlan::Upload, paths, false, &report);
        QCOMPARE(again.count(TransferItem::UpToDate), 5);
        QCOMPARE(report.filesMoved, 10);
        QVERIFY(!report.failed());
        for (const QString &p : paths)
            QCOMPARE(testfiles::readAll(m_server.www() + '/' + p), QByteArray(21000, 'b'));
    }

    // The command line, the password on standard input, the test authority
    // trusted through SSL_CERT_FILE as OpenSSL's own tools read it.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QStringList dav{"--server", m_server.address()};
        QTest::newRow("password from standard input")
            << dav + QStringList{"--password-stdin"} << QByteArray("s3cret\n") << true << 0
            << "Files uploaded: 1 (2 bytes).";
        QTest::newRow("untrusted certificate") << dav + QStringList{"--password-stdin"}
                                               << QByteArray("s3cret\n") << false << 1 << "is not trusted";
        QTest::newRow("http with a user")
            << QStringList{"--server", QString(m_server.address()).replace("https:", "http:")} << QByteArray()
            << true << 2 << "never sent over plain http://";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(bool, trusted);
        QFETCH(int, status);
        QFETCH(QString, message);
        sides().clear();
        sides().put(m_site.filePath("a.html"), "A1");
        QVERIFY(testfiles::saveProject(m_site.filePath("p.qnv"), testfiles::sampleProject()));
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("SSL_CERT_FILE");
        if (trusted)
            env.insert("SSL_CERT_FILE", m_server.authority());
        p.setProcessEnvironment(env);
        p.start(testpaths::binary(),
                QStringList{"--upload", m_site.filePath("p.qnv"), "--site", m_site.path()} + arguments
                    + QStringList{m_site.filePath("a.html")});
        p.write(input);
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(60000));
        const QString out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        QCOMPARE(p.exitCode(), status);
        QVERIFY2(out.contains(message), qPrintable(out));
        QVERIFY(!out.contains(DavServer::password()));
    }
};

QTEST_GUILESS_MAIN(TestDav)
#include "tst_dav.moc"
