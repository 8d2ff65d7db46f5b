#include "server/ui/ServerDialog.h"

#include "codegen/OptionsValidation.h"
#include "server/ServerAddress.h"
#include "server/ServerCheck.h"
#include "server/ServerTransport.h"
#include "server/ui/ServerAuth.h"
#include "server/ui/ServerKeyring.h"
#include "server/ui/ServerLogin.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

namespace {

enum AuthIndex { KeysOrAgent, Password };

bool isSftp(const QString &address)
{
    return !address.trimmed().contains(QStringLiteral("://"))
           || address.trimmed().startsWith(QStringLiteral("sftp:"), Qt::CaseInsensitive);
}

} // namespace

ServerDialog::ServerDialog(const QString &server, QWidget *owner) : QDialog(owner), m_original(server)
{
    setObjectName(QStringLiteral("ServerDialog"));
    setWindowTitle(tr("Server"));

    m_address = new QLineEdit(this);
    m_address->setObjectName(QStringLiteral("txtServerAddress"));
    m_address->setPlaceholderText(QStringLiteral("sftp://host:22/var/www/site"));
    auto *addressLabel = new QLabel(tr("Server &address:"), this);
    addressLabel->setBuddy(m_address);
    m_user = new QLineEdit(this);
    m_user->setObjectName(QStringLiteral("txtServerUser"));
    m_user->setPlaceholderText(tr("this account's name"));
    auto *userLabel = new QLabel(tr("&User name:"), this);
    userLabel->setBuddy(m_user);
    m_auth = new QComboBox(this);
    m_auth->setObjectName(QStringLiteral("cmbServerAuth"));
    m_auth->addItems({tr("Keys or agent"), tr("Password")});
    auto *authLabel = new QLabel(tr("Log &in with:"), this);
    authLabel->setBuddy(m_auth);
    m_remember = new QCheckBox(tr("&Remember password"), this);
    m_remember->setObjectName(QStringLiteral("chkServerRemember"));
    m_noKeyring = new QLabel(tr("No keyring: the password is asked each time."), this);
    m_noKeyring->setObjectName(QStringLiteral("lblNoKeyring"));
    m_noKeyring->hide();
    auto *note = new QLabel(tr("For example sftp://host:2222/var/www/site or https://host/dav/site/ "
                               "(WebDAV). A password is never kept in the project."),
                            this);
    note->setWordWrap(true);

    m_testButton = new QPushButton(tr("&Test Connection"), this);
    m_testButton->setObjectName(QStringLiteral("cmdServerTest"));
    m_testButton->setAutoDefault(false);
    m_stopButton = new QPushButton(tr("&Stop"), this);
    m_stopButton->setObjectName(QStringLiteral("cmdServerStop"));
    m_stopButton->setAutoDefault(false);
    m_stopButton->hide();
    m_busy = new QProgressBar(this);
    m_busy->setObjectName(QStringLiteral("barServerTest"));
    m_busy->setRange(0, 0);
    m_busy->setTextVisible(false);
    m_busy->hide();
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblServerStatus"));
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ServerDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ServerDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(addressLabel, m_address);
    form->addRow(QString(), note);
    form->addRow(userLabel, m_user);
    form->addRow(authLabel, m_auth);
    form->addRow(QString(), m_remember);
    form->addRow(QString(), m_noKeyring);
    auto *testRow = new QHBoxLayout;
    testRow->addWidget(m_testButton);
    testRow->addWidget(m_stopButton);
    testRow->addWidget(m_busy, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(testRow);
    layout->addWidget(m_status);
    layout->addStretch(1);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 70);

    ServerAddress address;
    QString problem;
    if (!server.isEmpty() && ServerAddress::parse(server, &address, &problem)) {
        const ServerAuth auth = ServerAuth::load(address.text(), address.scheme != ServerAddress::Sftp);
        m_auth->setCurrentIndex(auth.password ? Password : KeysOrAgent);
        m_remember->setChecked(auth.remember);
    }
    m_address->setText(server);
    splitUser();
    schemeChanged();
    authChanged();

    connect(m_address, &QLineEdit::editingFinished, this, &ServerDialog::splitUser);
    connect(m_address, &QLineEdit::textChanged, this, &ServerDialog::schemeChanged);
    connect(m_auth, &QComboBox::currentIndexChanged, this, &ServerDialog::authChanged);
    connect(m_remember, &QCheckBox::toggled, this, [this](bool on) {
        // Whether a keyring runs is learnt by asking it.
        QByteArray none;
        if (on && ServerKeyring::available())
            ServerKeyring::read(QString(), &none);
        authChanged();
    });
    connect(m_testButton, &QPushButton::clicked, this, &ServerDialog::startTest);
    connect(m_stopButton, &QPushButton::clicked, this, [this] {
        stopTest();
        setStatus(tr("The test was stopped."));
    });
}

ServerDialog::~ServerDialog()
{
    stopTest();
    // The fields go after this part of the dialog (a line edit that loses the
    // focus then still reports its editing finished).
    for (QObject *child : findChildren<QObject *>())
        disconnect(child, nullptr, this, nullptr);
}

// A user typed into the address moves into its own field.
void ServerDialog::splitUser()
{
    QString text = m_address->text().trimmed();
    ServerAddress address;
    QString problem;
    if (!ServerAddress::parse(text, &address, &problem) || address.user.isEmpty())
        return;
    const qsizetype start = text.indexOf(QStringLiteral("://")) + 3;
    qsizetype end = text.indexOf(u'/', start);
    if (end < 0)
        end = text.size();
    const qsizetype at = text.lastIndexOf(u'@', end - 1);
    if (at < start)
        return;
    text.remove(start, at - start + 1);
    m_user->setText(address.user);
    m_address->setText(text);
}

bool ServerDialog::composed(ServerAddress *address, QString *problem) const
{
    QString reason;
    if (!ServerAddress::parse(m_address->text(), address, &reason)) {
        *problem = tr("Server address") + u' ' + reason;
        return false;
    }
    const QString user = m_user->text().trimmed();
    for (const QChar c : user) {
        if (c == u'@' || c == u':' || c == u'/' || c.isSpace()) {
            *problem = tr("User name must not hold \"@\", \":\", \"/\" or spaces.");
            return false;
        }
    }
    if (!user.isEmpty())
        address->user = user;
    return true;
}

QString ServerDialog::server() const
{
    ServerAddress address, original;
    QString problem;
    if (m_address->text().trimmed().isEmpty() || !composed(&address, &problem))
        return {};
    // The project's own text where it names the same address ("/" at the end or not).
    if (ServerAddress::parse(m_original, &original, &problem) && original.text() == address.text())
        return m_original;
    return address.text();
}

void ServerDialog::schemeChanged()
{
    const bool sftp = isSftp(m_address->text());
    if (!sftp)
        m_auth->setCurrentIndex(Password); // WebDAV logs in with a password
    m_auth->setEnabled(sftp);
}

void ServerDialog::authChanged()
{
    const bool password = m_auth->currentIndex() == Password;
    m_remember->setEnabled(password);
    m_noKeyring->setVisible(password && m_remember->isChecked() && !ServerKeyring::available());
}

void ServerDialog::setStatus(const QString &text)
{
    m_status->setText(text);
}

void ServerDialog::startTest()
{
    if (m_test)
        return;
    splitUser();
    ServerAddress address;
    QString problem;
    if (!composed(&address, &problem)) {
        setStatus(problem);
        return;
    }
    auto login = std::make_shared<ServerLogin>(this, address);
    login->setSshFolder(m_sshFolder);
    ServerAuth auth;
    auth.password = m_auth->currentIndex() == Password;
    auth.remember = auth.password && m_remember->isChecked();
    login->setAuth(auth);
    m_cancel = std::make_shared<std::atomic_bool>(false);
    auto result = std::make_shared<QString>();
    // Off this window's thread: the login and the check block until done.
    m_test = QThread::create([login, address, result, cancel = m_cancel] {
        QString message;
        std::unique_ptr<ServerTransport> transport = login->open(&message, cancel.get());
        if (transport)
            ServerCheck::folder(*transport, address.text(), address.folder, &message);
        *result = message;
    });
    QThread *test = m_test;
    connect(test, &QThread::finished, this, [this, test, result] {
        if (test != m_test)
            return; // stopped: its answer is not wanted
        stopTest();
        setStatus(*result);
        authChanged();
    });
    connect(test, &QThread::finished, test, &QObject::deleteLater);
    // A test still running when the program ends is waited for (its waits are bounded).
    connect(qApp, &QCoreApplication::aboutToQuit, test, [test] { test->wait(); });
    setStatus(tr("Connecting to %1...").arg(address.hostText()));
    m_testButton->setEnabled(false);
    m_stopButton->show();
    m_busy->show();
    test->start();
}

void ServerDialog::stopTest()
{
    if (m_cancel)
        *m_cancel = true;
    m_cancel.reset();
    m_test = nullptr;
    m_testButton->setEnabled(true);
    m_stopButton->hide();
    m_busy->hide();
}

void ServerDialog::accept()
{
    splitUser();
    ServerAddress address;
    QString problem;
    if (!m_address->text().trimmed().isEmpty() && !composed(&address, &problem)) {
        QMessageBox box(QMessageBox::Warning, OopsTitle(), problem, QMessageBox::Ok, this);
        box.exec();
        m_address->setFocus();
        return;
    }
    stopTest();
    if (!m_address->text().trimmed().isEmpty()) {
        const QString key = address.text();
        const ServerAuth before = ServerAuth::load(key, address.scheme != ServerAddress::Sftp);
        ServerAuth auth;
        auth.password = m_auth->currentIndex() == Password;
        auth.remember = auth.password && m_remember->isChecked();
        auth.save(key);
        if (before.remember && !auth.remember)
            ServerKeyring::remove(key); // no longer to be remembered
    }
    QDialog::accept();
}

void ServerDialog::reject()
{
    stopTest();
    QDialog::reject();
}
