#include "server/ui/ServerLogin.h"

#include "server/ServerTransport.h"
#include "server/ServerTransports.h"
#include "server/ui/PasswordPrompt.h"
#include "server/ui/ServerKeyring.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QThread>

ServerLogin::ServerLogin(QWidget *window, const ServerAddress &address)
    : m_window(window), m_address(address),
      m_auth(ServerAuth::load(address.text(), address.scheme != ServerAddress::Sftp))
{
}

ServerLogin::~ServerLogin() = default;

void ServerLogin::onWindowThread(const std::function<void()> &ask)
{
    if (QThread::currentThread() == qApp->thread())
        ask();
    else
        QMetaObject::invokeMethod(qApp, ask, Qt::BlockingQueuedConnection);
}

TransportOptions ServerLogin::options()
{
    TransportOptions o;
    o.sshDir = m_sshFolder;
    o.acceptHostKey = m_acceptedKey;
    o.rememberHostKey = !m_acceptedKey.isEmpty();
    if (m_auth.password)
        o.password = [this] {
            QByteArray password;
            onWindowThread([this, &password] { password = askPassword(); });
            return password;
        };
    return o;
}

// On the window's thread: the keyring's password, once, else the user's.
QByteArray ServerLogin::askPassword()
{
    m_fromKeyring = false;
    m_typed.clear();
    if (!m_window || (m_cancel && *m_cancel))
        return {};
    const QString key = keyringKey();
    if (m_auth.remember && !m_keyringTried) {
        m_keyringTried = true;
        QByteArray password;
        if (ServerKeyring::read(key, &password) == ServerKeyring::Found) {
            m_fromKeyring = true;
            return password;
        }
    }
    PasswordPrompt prompt(m_address.text(), m_auth.remember, ServerKeyring::available(), m_window);
    if (prompt.exec() != QDialog::Accepted || (m_cancel && *m_cancel))
        return {};
    m_typed = prompt.password();
    m_rememberTyped = prompt.remember();
    return m_typed;
}

// On the window's thread, once the server answered the login.
void ServerLogin::afterLogin(bool accepted)
{
    const QString key = keyringKey();
    if (accepted && !m_typed.isEmpty()) {
        if (m_rememberTyped != m_auth.remember) {
            m_auth.remember = m_rememberTyped;
            m_auth.save(key);
        }
        if (m_rememberTyped)
            ServerKeyring::write(key, m_typed);
    }
    if (!accepted && m_fromKeyring)
        ServerKeyring::remove(key); // a wrong password is not offered again
    m_typed.clear();
}

bool ServerLogin::confirmHostKey(const ServerTransport &failedTransport)
{
    if (!failedTransport.hostKeyRefused())
        return false;
    const bool unknown = failedTransport.hostKeyUnknown() && !failedTransport.fingerprint().isEmpty();
    const QString fingerprint = failedTransport.fingerprint();
    const QString refusal = failedTransport.error();
    bool accepted = false;
    onWindowThread([&] {
        if (!m_window)
            return;
        if (!unknown) {
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Quillnav"), refusal, QMessageBox::Ok,
                            m_window);
            box.setObjectName(QStringLiteral("HostKeyRefused"));
            box.exec();
            return;
        }
        QMessageBox box(QMessageBox::Question, QStringLiteral("Quillnav"),
                        QCoreApplication::translate("ServerLogin", "The server %1 is not known yet.")
                            .arg(m_address.hostText()),
                        QMessageBox::Yes | QMessageBox::No, m_window);
        box.setObjectName(QStringLiteral("HostKeyQuestion"));
        box.setInformativeText(
            QCoreApplication::translate("ServerLogin",
                                        "Its host key has the fingerprint\n%1\nConnect only if this is the "
                                        "fingerprint of your server (ask its administrator). Trust this "
                                        "server from now on?")
                .arg(fingerprint));
        box.button(QMessageBox::Yes)
            ->setText(QCoreApplication::translate("ServerLogin", "&Trust and Connect"));
        box.button(QMessageBox::No)->setText(QCoreApplication::translate("ServerLogin", "&Do Not Connect"));
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        accepted = box.exec() == QMessageBox::Yes;
    });
    if (accepted)
        m_acceptedKey = fingerprint;
    return accepted;
}

std::unique_ptr<ServerTransport> ServerLogin::open(QString *problem, const std::atomic_bool *cancel)
{
    m_cancel = cancel;
    m_keyringTried = false;
    const auto cancelled = [cancel] { return cancel && *cancel; };
    // At most: a host key question, a refused remembered password, and the last try.
    for (int attempt = 0; attempt < 3 && !cancelled(); ++attempt) {
        std::unique_ptr<ServerTransport> transport = ServerTransports::make(m_address, options(), problem);
        if (!transport)
            return nullptr;
        const bool opened = transport->open();
        const bool fromKeyring = m_fromKeyring;
        if (opened || transport->loginRefused())
            onWindowThread([this, opened] { afterLogin(opened); });
        if (cancelled())
            break;
        if (opened)
            return transport;
        *problem = transport->error();
        if (transport->hostKeyRefused() && transport->hostKeyUnknown() && m_acceptedKey.isEmpty()
            && !cancelled()) {
            if (confirmHostKey(*transport))
                continue;
            return nullptr;
        }
        if (transport->hostKeyRefused() && !cancelled())
            confirmHostKey(*transport); // the warning; never accepted
        if (!(transport->loginRefused() && fromKeyring))
            return nullptr;
    }
    if (cancelled())
        *problem = QCoreApplication::translate("ServerLogin", "Connecting to %1 was cancelled.")
                       .arg(m_address.hostText());
    return nullptr;
}
