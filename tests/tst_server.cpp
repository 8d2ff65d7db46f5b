#include "server/ServerPath.h"
#include "server/SftpTransport.h"
#include "support/SshServer.h"
#include "support/TransferTable.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <QtTest>

#include <unistd.h>

class TestServer : public QObject {
    Q_OBJECT

    SshServer m_server;
    QTemporaryDir m_site;
    QTemporaryDir m_outside;

    TransferSides sides() { return {m_server, m_site.path(), m_outside.path(), m_server.keys()}; }

private slots:
    void initTestCase()
    {
        if (m_account.usable)
            m_server.allowPassword(m_account.name);
        QString problem;
        if (!m_server.start(&problem))
            QSKIP(qPrintable(problem));
        QVERIFY(m_server.startAgent()); // the command line takes the user key from it
    }

    // Each row: a path below the server folder, whether it stays below it.
    void serverNames_data() { TransferSides::addRows({"server-paths.json"}); }
    void serverNames()
    {
        QFETCH(QJsonArray, row);
        QCOMPARE(ServerPath::isSafeRelative(row[1].toString()), row[2].toBool());
        QCOMPARE(ServerPath::under("/www", row[1].toString()).isEmpty(), !row[2].toBool());
    }

    void transfers_data() { TransferSides::addRows({"server-transfers.json"}); }
    void transfers()
    {
        QFETCH(QJsonArray, row);
        sides().runRow(row);
    }
    void serverStoppedMidUpload() { sides().stopMidUpload(10); }
    void stalledServer() { sides().stall(); }

    // The command line, the user key from the agent.
    void commandLine_data() { TransferSides::addRows({"server-command-lines.json"}, "sftp"); }
    void commandLine()
    {
        QFETCH(QJsonArray, row);
        sides().runCommandRow(row, values());
    }

    // A changed host key is refused, even with its fingerprint given to accept.
    void changedHostKey()
    {
        QTemporaryDir ssh;
        QVERIFY(
            testfiles::writeAll(ssh.filePath("known_hosts"), m_server.changedHostLine().toLatin1() + '\n'));
        TransportOptions o;
        o.sshDir = ssh.path();
        o.acceptHostKey = m_server.fingerprint();
        SftpTransport t(sides().address(), o);
        QVERIFY(!t.open());
        QVERIFY(t.hostKeyRefused());
        QVERIFY2(t.error().contains("This may be an attack"), qPrintable(t.error()));
    }

    // Key files as OpenSSH takes them: a key the server does not know is
    // passed over, a protected one opens with its passphrase (asked once,
    // naming the file), with or without its public half beside it; a key
    // of another name is found through IdentityFile in the configuration.
    // Each row: the passphrase given, whether the public half is there, the
    // refusal[, the key's name (else id_ecdsa), its own passphrase (else sesame)].
    void passphraseKeys_data() { TransferSides::addRows({"sftp-passphrases.json"}); }
    void passphraseKeys()
    {
        QFETCH(QJsonArray, row);
        const QString refusal = row[3].toString();
        const QString name = row.at(4).toString("id_ecdsa"); // at(): Undefined past the end
        const QString protection = row.at(5).toString("sesame");
        const QByteArray agent = qgetenv("SSH_AUTH_SOCK");
        qunsetenv("SSH_AUTH_SOCK");
        const auto restore = qScopeGuard([agent] { qputenv("SSH_AUTH_SOCK", agent); });
        QTemporaryDir ssh;
        const QString key = ssh.filePath(name);
        TransportOptions o;
        o.sshDir = ssh.path();
        QFile::copy(m_server.sshDir() + "/known_hosts", ssh.filePath("known_hosts"));
        if (name.startsWith("id_")) {
            QVERIFY(SshServer::keygen(ssh.filePath("id_ed25519")));
        } else {
            o.sshConfig = ssh.filePath("config");
            QVERIFY(
                testfiles::writeAll(o.sshConfig, "Host 127.0.0.1\n  IdentityFile " + key.toUtf8() + '\n'));
        }
        QVERIFY(SshServer::keygen(key, protection, "ecdsa"));
        m_server.authorize(key + ".pub");
        if (!row[2].toBool())
            QFile::remove(key + ".pub");
        QStringList asked;
        o.passphrase = [&](const QString &file) {
            asked << file;
            return row[1].toString().toUtf8();
        };
        SftpTransport t(sides().address(), o);
        QVERIFY2(t.open() == refusal.isEmpty(), qPrintable(t.error()));
        QVERIFY2(t.error().contains(refusal), qPrintable(t.error()));
        QCOMPARE(t.loginRefused(), !refusal.isEmpty());
        QCOMPARE(asked, protection.isEmpty() ? QStringList() : QStringList{key});
    }

    void faults_data() { TransferSides::addRows({"sftp-faults.json"}); }
    // Command-line rows (see TransferSides::runCommandRow) of who logs in:
    // the key through the agent; or, as root only, the throw-away account
    // with its password, which the server's permissions bind ("own" gives it
    // the server folder), or root mounting a small full disk ("tmpfs P").
    void faults()
    {
        QFETCH(QJsonArray, row);
        if ((row[1] != "key" && !m_account.usable) || (row[1] == "root" && !canMount()))
            QSKIP("A password login and a full disk need root: an account of its own, a tmpfs mount.");
        QString mounted;
        const auto tidy = qScopeGuard([&] { // the temporary folder removable again
            QProcess::execute("chmod", {"-R", "u+w", m_server.www()});
            if (!mounted.isEmpty())
                QProcess::execute("umount", {mounted});
        });
        sides().runCommandRow(row, values(), [&](const QStringList &step) {
            const QString at = m_server.www() + '/' + step.value(1);
            if (step[0] == "own")
                QCOMPARE(QProcess::execute("chown", {"-R", m_account.name, m_server.www()}), 0);
            else if (step[0] == "tmpfs" && QDir().mkpath(at)
                     && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", at}) == 0)
                mounted = at;
        });
    }

private:
    // An account made for the test (root only), removed when the test ends,
    // whatever happened; the server lets it in with its password.
    struct Account {
        QString name = "qn" + QString::number(QRandomGenerator::global()->generate(), 36);
        QByteArray password = QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        bool made = getuid() == 0 && QProcess::execute("useradd", {"-M", "-s", "/bin/sh", name}) == 0;
        bool usable =
            made && QProcess::execute("sh", {"-c", "echo " + name + ':' + password + " | chpasswd"}) == 0;
        ~Account()
        {
            if (made)
                QProcess::execute("userdel", {"-f", name});
        }
    } m_account;

    // Whether this process may mount a tmpfs (not every container lets root).
    static bool canMount()
    {
        QTemporaryDir probe;
        return getuid() == 0 && QProcess::execute("mount", {"-t", "tmpfs", "tmpfs", probe.path()}) == 0
               && QProcess::execute("umount", {probe.path()}) == 0;
    }
    QList<std::pair<QString, QString>> values() const
    {
        return {{"$FINGERPRINT", m_server.fingerprint()},
                {"$ACCOUNT", m_account.name},
                {"$PASSWORD", QString::fromLatin1(m_account.password)}};
    }
};

QTEST_GUILESS_MAIN(TestServer)
#include "tst_server.moc"
