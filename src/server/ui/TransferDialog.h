#pragma once

#include "menu/MenuProject.h"
#include "server/PasswordRelay.h"
#include "server/ServerAddress.h"
#include "server/TransferPlan.h"
#include "server/TransferRunner.h"
#include "server/TransportOptions.h"

#include <QDialog>
#include <QThread>

#include <functional>

class ChangesView;
class FileTable;
class QDialogButtonBox;
class QLabel;
class QProgressBar;
class QPushButton;
class ServerTransport;
class TransferWorker;

// Uploads the menu's pages to the site's server, or gets them from it: a
// table of the files with what would happen to each (will upload or
// download, up to date, changed on the server, changed here, changed on
// both, error), the changed lines of the chosen file on demand, and for a
// file changed elsewhere an "Overwrite" box, unchecked at first. Upload (or
// Get) moves the files with their progress in files and bytes; Cancel stops
// between two files, leaving every file whole; the table and a summary then
// say what became of each. All server work runs on a thread of the dialog's
// own (TransferWorker), so the window stays responsive.
class TransferDialog : public QDialog {
    Q_OBJECT
public:
    // How the dialog logs in: called on the window's thread as it starts to
    // connect. The options' password question, if any, is asked on the
    // window's thread too (the dialog carries it over from its worker).
    using Login = std::function<TransportOptions()>;

    TransferDialog(const ServerAddress &address, const MenuProject &project, const QString &siteFolder,
                   TransferPlan::Direction direction, Login login, QWidget *parent = nullptr);
    ~TransferDialog() override;

    // What the login answers once the transport tried to connect (see
    // TransferWorker::Job); called on the window's thread. Set before exec().
    void setLoginReplies(std::function<bool(const ServerTransport &)> trustHostKey,
                         std::function<void(bool)> loginTried);

    const TransferPlan &plan() const { return m_plan; }
    bool busy() const { return m_stage == Planning || m_stage == Running; }

public slots:
    // During a run: stops it between two files and shows what was done; when
    // the program closes the window, waits for the worker to stop. Else closes.
    void reject() override;

private:
    enum Stage { Planning, Planned, Running, Done };

    void start(Login login);
    void showPlan(const TransferPlan &plan, const QString &note);
    void updateSummary();
    void showChanges();
    void showFetched(const QString &path, const QByteArray &bytes, const QString &error);
    void transfer();
    void showProgress(qsizetype files, qint64 bytes);
    void showReport(const TransferReport &report);
    void stopWorker();

    ServerAddress m_address;
    MenuProject m_project;
    QString m_siteFolder;
    TransferPlan::Direction m_direction;
    TransferPlan m_plan;
    std::function<bool(const ServerTransport &)> m_trustHostKey;
    std::function<void(bool)> m_loginTried;
    QString m_note;
    Stage m_stage = Planning;
    qsizetype m_totalFiles = 0;
    qint64 m_totalBytes = 0;
    QString m_shownPath; // the file whose server copy is asked for
    PasswordRelay m_passwords;
    QThread m_thread;
    TransferWorker *m_worker = nullptr;

    QLabel *m_summary = nullptr;
    FileTable *m_files = nullptr;
    QPushButton *m_showChanges = nullptr;
    ChangesView *m_changes = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_progressText = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    QPushButton *m_go = nullptr;
};
