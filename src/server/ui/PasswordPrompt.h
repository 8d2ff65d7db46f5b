#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

// Asks for a server's password: the text is not shown as typed, and
// "Remember" keeps it in the keyring once the server took it (greyed, with a
// line saying so, where no keyring runs).
class PasswordPrompt : public QDialog {
    Q_OBJECT

public:
    PasswordPrompt(const QString &serverText, bool remember, bool keyring, QWidget *owner = nullptr);

    QByteArray password() const;
    bool remember() const;

private:
    QLineEdit *m_password = nullptr;
    QCheckBox *m_remember = nullptr;
};
