// The SFTP transport and the upload command against a real sshd: the
// transfer table, host keys, key files, passwords and the server's faults.
#include "server/ServerPath.h"
#include "server/SftpTransport.h"
#include "support/SshServer.h"
#include "support/TransferTable.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <QtTest>

#include <sys/stat.h>
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
        sides().runCommandRow(row, {{"$FINGERPRINT", m_server.fingerprint()}});
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
    // naming the file), with or without its public half beside it.
    // Each row: the passphrase given, whether the public half is there, the refusal.
    void passphraseKeys_data() { TransferSides::addRows({"sftp-passphrases.json"}); }
    void passphraseKeys()
    {
        QFETCH(QJsonArray, row);
        const QString refusal = row[3].toString();
        const QByteArray agent = qgetenv("SSH_AUTH_SOCK");
        qunsetenv("SSH_AUTH_SOCK");
        const auto restore = qScopeGuard([agent] { qputenv("SSH_AUTH_SOCK", agent); });
        QTemporaryDir ssh;
        QFile::copy(m_server.sshDir() + "/known_hosts", ssh.filePath("known_hosts"));
        QVERIFY(SshServer::keygen(ssh.filePath("id_ed25519")));
        QVERIFY(SshServer::keygen(ssh.filePath("id_ecdsa"), "sesame", "ecdsa"));
        m_server.authorize(ssh.filePath("id_ecdsa.pub"));
        if (!row[2].toBool())
            QFile::remove(ssh.filePath("id_ecdsa.pub"));
        QStringList asked;
        TransportOptions o;
        o.sshDir = ssh.path();
        o.passphrase = [&](const QString &file) {
            asked << file;
            return row[1].toString().toUtf8();
        };
        SftpTransport t(sides().address(), o);
        QCOMPARE(t.open(), refusal.isEmpty());
        QVERIFY2(t.error().contains(refusal), qPrintable(t.error()));
        QCOMPARE(t.loginRefused(), !refusal.isEmpty());
        QCOMPARE(asked, QStringList{ssh.filePath("id_ecdsa")});
    }

    void faults_data() { TransferSides::addRows({"sftp-faults.json"}); }
    // Each row: who logs in (the key through the agent; the throw-away
    // account's password; "limited": an account the server's permissions
    // bind), steps that make the two sides, then one upload on the command
    // line: its status, texts of its output (spaces collapsed) and what the
    // server holds afterwards ("server P": absent, "mode P 444").
    void faults()
    {
        QFETCH(QJsonArray, row);
        const QString who = row[1].toString();
        const bool byPassword = who == "password" || (who == "limited" && getuid() == 0);
        if (byPassword && !m_account.usable)
            QSKIP("Logging in with a password needs an account of its own: run as root.");
        const TransferSides s = sides();
        s.clear();
        if (byPassword)
            QProcess::execute("chown", {m_account.name, m_server.www()});
        QStringList pages;
        QString folder;
        QByteArray password = byPassword ? m_account.password : QByteArray();
        QString mounted;
        bool unmountable = false;
        const auto unmount = qScopeGuard([&] { // the temporary folder removable again
            QProcess::execute("chmod", {"-R", "u+w", m_server.www()});
            if (!mounted.isEmpty())
                QProcess::execute("umount", {mounted});
        });
        s.make(row[2].toArray(), &pages, [&](const QStringList &step) {
            if (step[0] == "password") {
                password = step[1].toUtf8();
            } else if (step[0] == "folder") {
                folder = step[1];
            } else if (step[0] == "tmpfs") {
                const QString at = m_server.www() + '/' + step[1];
                QDir().mkpath(at);
                unmountable =
                    getuid() != 0
                    || QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", at}) != 0;
                mounted = unmountable ? QString() : at;
            } else if (step[0] == "upload") {
                const testfiles::Run run = upload(pages, password, folder);
                QVERIFY2(run.exitCode == 0, qPrintable(run.err));
            }
        });
        if (unmountable)
            QSKIP("A small full disk needs a tmpfs mount: root with the right to mount.");
        if (byPassword)
            QCOMPARE(QProcess::execute("chown", {"-R", m_account.name, m_server.www()}), 0);
        const testfiles::Run run = upload(pages, password, folder);
        const QString said = QString::fromUtf8(run.out + run.err.toUtf8()).simplified();
        QCOMPARE(run.exitCode, row[3].toInt());
        for (const QJsonValue &text : row[4].toArray())
            QVERIFY2(said.contains(text.toString()), qPrintable(said));
        for (const QJsonValue &v : row[5].toArray()) {
            const QStringList check = v.toString().split(' ');
            const QString file = m_server.www() + '/' + check[1];
            struct stat st {};
            if (check[0] == "mode")
                QCOMPARE(::stat(QFile::encodeName(file).constData(), &st) == 0 ? st.st_mode & 07777 : 0,
                         check[2].toUInt(nullptr, 8));
            else if (check.size() == 2)
                QVERIFY2(!QFile::exists(file), qPrintable(file));
            else
                QCOMPARE(testfiles::readAll(file), check.mid(2).join(' ').toUtf8());
        }
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

    // `quillnav --upload` of the site's `pages` to the server (its folder, or
    // one below), its host key accepted; with a password from standard
    // input, or else the user key through the agent.
    testfiles::Run upload(const QStringList &pages, const QByteArray &password, const QString &below = {})
    {
        const QByteArray agent = qgetenv("SSH_AUTH_SOCK");
        if (!password.isEmpty()) // the agent's key would let the account in as well
            qunsetenv("SSH_AUTH_SOCK");
        const auto restore = qScopeGuard([agent] { qputenv("SSH_AUTH_SOCK", agent); });
        return sides().upload(
            QStringList{"--server", m_server.address(password.isEmpty() ? QString() : m_account.name) + below,
                        "--accept-host-key", m_server.fingerprint()}
                + (password.isEmpty() ? QStringList{} : QStringList{"--password-stdin"}),
            pages, password + '\n');
    }
};

QTEST_GUILESS_MAIN(TestServer)
#include "tst_server.moc"
