#include "server/ui/PasswordPrompt.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

PasswordPrompt::PasswordPrompt(const QString &serverText, bool remember, bool keyring, QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("PasswordPrompt"));
    setWindowTitle(tr("Server Password"));
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("txtPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    auto *label = new QLabel(tr("&Password for %1:").arg(serverText), this);
    label->setBuddy(m_password);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    m_remember = new QCheckBox(tr("&Remember password"), this);
    m_remember->setObjectName(QStringLiteral("chkRememberPassword"));
    m_remember->setChecked(remember && keyring);
    m_remember->setEnabled(keyring);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_password);
    layout->addWidget(m_remember);
    if (!keyring) {
        auto *none = new QLabel(tr("No keyring: the password is asked each time."), this);
        none->setObjectName(QStringLiteral("lblNoKeyring"));
        layout->addWidget(none);
    }
    layout->addWidget(buttons);
}

QByteArray PasswordPrompt::password() const
{
    return m_password->text().toUtf8();
}

bool PasswordPrompt::remember() const
{
    return m_remember->isChecked();
}
