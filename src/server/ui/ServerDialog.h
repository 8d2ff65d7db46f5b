#pragma once

#include <QDialog>

#include <atomic>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QThread;
struct ServerAddress;

// "Server" (the site folder button's menu): the site's server as the
// project names it. The user is a field of its own: a user typed into the
// address ("sftp://ann@host/...") moves into it, and the two make the
// address the project keeps (never a password). How to log in (keys or the
// agent, or a password, remembered in the keyring or not) is kept per
// address in the settings store (ServerAuth). Test Connection logs in on a
// thread of its own through a ServerLogin, asking what it must on this
// window, and says whether the folder exists and can be written; the window
// stays usable and Stop gives up the test. OK refuses an address that is not
// one, naming the field; the caller records the accepted one as one step.
class ServerDialog : public QDialog {
    Q_OBJECT

public:
    ServerDialog(const QString &server, QWidget *owner = nullptr);
    ~ServerDialog() override;

    // The address to keep: empty for none.
    QString server() const;
    // Where known_hosts and the keys are for the test (empty: ~/.ssh).
    void setSshFolder(const QString &folder) { m_sshFolder = folder; }
    bool testing() const { return m_test != nullptr; }

public slots:
    void accept() override;
    void reject() override;

private:
    void splitUser();
    // The address of the fields, or false with the message naming the field.
    bool composed(ServerAddress *address, QString *problem) const;
    void schemeChanged();
    void authChanged();
    void startTest();
    void stopTest();
    void setStatus(const QString &text);

    QLineEdit *m_address = nullptr;
    QLineEdit *m_user = nullptr;
    QComboBox *m_auth = nullptr;
    QCheckBox *m_remember = nullptr;
    QLabel *m_noKeyring = nullptr;
    QPushButton *m_testButton = nullptr;
    QPushButton *m_stopButton = nullptr;
    QProgressBar *m_busy = nullptr;
    QLabel *m_status = nullptr;
    QString m_original; // the address as the project held it
    QString m_sshFolder;
    QThread *m_test = nullptr; // the running test
    std::shared_ptr<std::atomic_bool> m_cancel;
};
