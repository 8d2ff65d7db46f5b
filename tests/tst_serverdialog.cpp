// The "Server" dialog and the window's login, against a real sshd: the
// connection test (folder, host key questions), the address check, the one
// step of the history, and passwords kept in the keyring or asked each time.
#include "server/ServerTransport.h"
#include "server/ui/PasswordPrompt.h"
#include "server/ui/ServerDialog.h"
#include "server/ui/ServerKeyring.h"
#include "server/ui/ServerLogin.h"
#include "support/Form1Driver.h"
#include "support/SshServer.h"
#include "support/TransferTable.h"

#include <QtTest>
#include <QtWidgets>

using namespace form1test;

class TestServerDialog : public QObject {
    Q_OBJECT

    SshServer m_server;
    QTemporaryDir m_ssh; // the user key and known_hosts the dialog is given
    QProcess m_bus;

    // A dialog for the test server's address (folder under www/), shown.
    std::unique_ptr<ServerDialog> dialog(const QString &folder = {})
    {
        auto d = std::make_unique<ServerDialog>(m_server.address() + folder);
        d->setSshFolder(m_ssh.path());
        d->show();
        return d;
    }
    QString status(const ServerDialog &d) { return d.findChild<QLabel *>("lblServerStatus")->text(); }
    // Clicks Test Connection and waits for its answer; the window stays usable meanwhile.
    void test(ServerDialog &d)
    {
        d.findChild<QPushButton *>("cmdServerTest")->click();
        QVERIFY(d.testing());
        QVERIFY(d.findChild<QPushButton *>("cmdServerStop")->isVisible());
        QVERIFY(!d.findChild<QPushButton *>("cmdServerTest")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!d.testing(), 40000);
        QVERIFY(d.findChild<QPushButton *>("cmdServerTest")->isEnabled());
    }

private slots:
    void initTestCase()
    {
        privateSettings();
        qunsetenv("SSH_AUTH_SOCK");
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        QString problem;
        // The server offers password logins too, or no password would be asked.
        m_server.allowPassword(m_server.user());
        if (!m_server.start(&problem))
            QSKIP(qPrintable(problem));
        QFile::copy(m_server.sshDir() + "/id_ed25519", m_ssh.filePath("id_ed25519"));
    }
    void cleanupTestCase()
    {
        m_bus.kill();
        m_bus.waitForFinished();
    }

    // Each row: what known_hosts holds (this server's key, a "changed" one or
    // nothing), the folder, the answer to a host key question; then the
    // dialog's words, the questions asked and whether the server is known afterwards.
    void testConnection_data() { TransferSides::addRows({"server-dialog-connections.json"}); }
    void testConnection()
    {
        QFETCH(QJsonArray, row);
        const QString known = row[1] == "known"     ? m_server.hostLine()
                              : row[1] == "changed" ? m_server.changedHostLine()
                                                    : QString();
        const auto answer = row[3] == "yes" ? QMessageBox::Yes : QMessageBox::No;
        const QString said = row[4].toString();
        const QString asked = row[5].toString();
        const QString knownHosts = m_ssh.filePath("known_hosts");
        QVERIFY(testfiles::writeAll(knownHosts, known.toLatin1() + (known.isEmpty() ? "" : "\n")));
        QStringList questions;
        bool safeDefault = true;
        QObject watch;
        QPointer<QMessageBox> last;
        modalwatch::whenModal(&watch, [&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box || box == last)
                return false;
            last = box;
            questions << box->objectName();
            // Never accepted by a default button: No for an unknown key, no other choice for a changed one.
            safeDefault &= box->objectName() == "HostKeyQuestion"
                               ? box->defaultButton() == box->button(QMessageBox::No)
                                     && box->informativeText().contains("SHA256:")
                               : box->standardButtons() == QMessageBox::Ok;
            QAbstractButton *button = box->button(answer);
            button ? button->click() : box->button(QMessageBox::Ok)->click();
            return false;
        });
        const auto d = dialog(row[2].toString());
        test(*d);
        QVERIFY2(status(*d).contains(said), qPrintable(status(*d)));
        QCOMPARE(questions.join(','), asked);
        QVERIFY(safeDefault);
        const QString hostKey = m_server.hostLine().section(' ', 2, 2);
        QCOMPARE(testfiles::readAll(knownHosts).contains(hostKey.toLatin1()), row[6].toBool());
        if (asked == "HostKeyQuestion" && row[6].toBool()) { // now known: no question the second time
            test(*d);
            QCOMPARE(questions.size(), 1);
            QVERIFY(status(*d).contains(said));
        }
        // The test leaves nothing on the server.
        QCOMPARE(QDir(m_server.www()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
    }

    // Stop gives the test up at once while the server does not answer.
    void stopWhileConnecting()
    {
        testfiles::writeAll(m_ssh.filePath("known_hosts"), m_server.hostLine().toLatin1() + '\n');
        const auto d = dialog();
        m_server.pause(true);
        d->findChild<QPushButton *>("cmdServerTest")->click();
        QVERIFY(d->testing());
        d->findChild<QPushButton *>("cmdServerStop")->click();
        m_server.pause(false);
        QVERIFY(!d->testing());
        QCOMPARE(status(*d), "The test was stopped.");
    }

    // Each row: the address and user typed; the start of the refusal.
    void invalidAddress_data() { TransferSides::addRows({"server-dialog-addresses.json"}); }
    void invalidAddress()
    {
        QFETCH(QJsonArray, row);
        ServerDialog d(QString{});
        d.show();
        d.findChild<QLineEdit *>("txtServerAddress")->setText(row[1].toString());
        d.findChild<QLineEdit *>("txtServerUser")->setText(row[2].toString());
        BoxAnswerer oops(QMessageBox::Ok);
        d.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(oops.count, 1);
        QVERIFY2(oops.text.startsWith(row[3].toString()), qPrintable(oops.text));
        QVERIFY(d.isVisible());
        QVERIFY(!oops.text.contains("secret"));
    }

    // The site folder button's menu: Server... is one step of the history; the
    // user typed into the address moves into its field.
    void oneStepInWindow()
    {
        std::unique_ptr<Form1> w;
        QVERIFY(showWindow(w));
        QStringList seen;
        modalwatch::whenModal(w.get(), [&seen](QWidget *modal) {
            auto *address = modal->findChild<QLineEdit *>("txtServerAddress");
            if (!address)
                return false;
            seen << address->text() + " | " + modal->findChild<QLineEdit *>("txtServerUser")->text();
            if (seen.size() == 1)
                address->setText(" sftp://ann@example.org:2222/var/www/ ");
            modal->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->click();
            return seen.size() == 2;
        });
        action(*w, "actServer")->trigger();
        QCOMPARE(w->document()->server(), "sftp://ann@example.org:2222/var/www");
        QCOMPARE(w->document()->undoStack()->undoText(), "Change Server");
        const int steps = w->document()->undoStack()->count();
        MenuProject project = w->document()->project();
        project.server = "https://example.org/dav/site/";
        w->document()->applyProject(project);
        action(*w, "actServer")->trigger(); // OK without a change: no step, the text kept
        QCOMPARE(seen, QStringList({" | ", "https://example.org/dav/site/ | "}));
        QCOMPARE(w->document()->undoStack()->count(), steps);
        QCOMPARE(w->document()->server(), "https://example.org/dav/site/");
        w->document()->undoStack()->undo();
        QCOMPARE(w->document()->server(), "");
    }

    // No keyring on this session: the password is asked each time, with one
    // line saying so, and nothing fails.
    void noKeyring()
    {
        ServerKeyring::retry();
        QByteArray password;
        QCOMPARE(ServerKeyring::read("sftp://ann@example.org/www", &password), ServerKeyring::NoKeyring);
        QVERIFY(!ServerKeyring::available());
        QVERIFY(!ServerKeyring::write("sftp://ann@example.org/www", "pw"));

        ServerDialog d("sftp://ann@example.org/www");
        d.show();
        d.findChild<QComboBox *>("cmbServerAuth")->setCurrentIndex(1);
        d.findChild<QCheckBox *>("chkServerRemember")->setChecked(true);
        QVERIFY(d.findChild<QLabel *>("lblNoKeyring")->isVisible());

        ServerLogin login(&d, TransferSides::addressOf("sftp://ann@example.org/www"));
        login.setAuth({true, true});
        QObject watch;
        QStringList shown;
        modalwatch::whenModal(&watch, [&shown](QWidget *modal) {
            auto *prompt = qobject_cast<PasswordPrompt *>(modal);
            if (!prompt)
                return false;
            auto *field = prompt->findChild<QLineEdit *>("txtPassword");
            shown << QString::number(field->echoMode() == QLineEdit::Password)
                  << QString::number(prompt->findChild<QCheckBox *>("chkRememberPassword")->isEnabled())
                  << QString::number(prompt->findChild<QLabel *>("lblNoKeyring") != nullptr);
            QTest::keyClicks(field, "s3cret");
            prompt->accept();
            return true;
        });
        QCOMPARE(login.options().password(), "s3cret");
        QCOMPARE(shown, QStringList({"1", "0", "1"})); // no echo, no Remember, the line
    }

    // With a Secret Service running (a private D-Bus session and
    // gnome-keyring), a password is kept and read back, and one the server
    // refuses is forgotten.
    void keyringRoundTrip()
    {
        QTemporaryDir runtime;
        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!m_bus.waitForReadyRead(10000))
            QSKIP("no dbus-daemon for a session bus");
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME",
                runtime.path().toLocal8Bit()); // the keyring's files in the test's folder too
        QProcess keyring;
        keyring.start("gnome-keyring-daemon", {"--unlock", "--components=secrets"});
        keyring.write("test");
        keyring.closeWriteChannel();
        if (!keyring.waitForFinished(10000) || keyring.exitCode() != 0)
            QSKIP("gnome-keyring-daemon does not start here");
        ServerKeyring::retry();
        QByteArray password;
        const QString key = m_server.address();
        if (ServerKeyring::read(key, &password) == ServerKeyring::NoKeyring)
            QSKIP("the keyring does not answer on this session bus");
        // On a busy machine the daemon answers before its login collection is
        // made: a write may come too early, and is tried again for a while.
        QVERIFY(QTest::qWaitFor(
            [&] {
                ServerKeyring::retry();
                return ServerKeyring::write(key, "wrong");
            },
            20000));
        QCOMPARE(ServerKeyring::read(key, &password), ServerKeyring::Found);
        QCOMPARE(password, "wrong");

        // No key here, so the remembered password is tried, refused and forgotten;
        // then the user is asked (and cancels).
        QTemporaryDir noKeys;
        testfiles::writeAll(noKeys.filePath("known_hosts"), m_server.hostLine().toLatin1() + '\n');
        QWidget window;
        ServerLogin login(&window, TransferSides::addressOf(key));
        login.setSshFolder(noKeys.path());
        login.setAuth({true, true});
        int prompts = 0;
        QObject watch;
        modalwatch::whenModal(&watch, [&prompts](QWidget *modal) {
            if (auto *prompt = qobject_cast<PasswordPrompt *>(modal))
                ++prompts, prompt->reject();
            return false;
        });
        QString problem;
        QVERIFY(!login.open(&problem));
        QVERIFY2(problem.contains("did not accept the login"), qPrintable(problem));
        QCOMPARE(prompts, 1);
        QCOMPARE(ServerKeyring::read(key, &password), ServerKeyring::NotFound);
    }
};

QTEST_MAIN(TestServerDialog)
#include "tst_serverdialog.moc"
