#include "server/ui/TransferDialog.h"

#include "platform/CloseRequest.h"
#include "platform/FileName.h"
#include "platform/RegularFile.h"
#include "server/TransferWorker.h"
#include "site/ui/ChangesView.h"
#include "site/ui/FileTable.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>
#include <memory>

namespace {

bool changedElsewhere(TransferItem::State state)
{
    return state == TransferItem::ChangedOnServer || state == TransferItem::ChangedHere
           || state == TransferItem::ChangedOnBoth;
}

QString sizeOf(const QLocale &locale, qint64 bytes)
{
    return locale.formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

} // namespace

TransferDialog::TransferDialog(const ServerAddress &address, const MenuProject &project,
                               const QString &siteFolder, TransferPlan::Direction direction, Login login,
                               QWidget *parent)
    : QDialog(parent), m_address(address), m_project(project), m_siteFolder(siteFolder),
      m_direction(direction), m_passwords(this)
{
    const bool upload = direction == TransferPlan::Upload;
    setObjectName(QStringLiteral("TransferDialog"));
    setWindowTitle(upload ? tr("Upload to Server") : tr("Get from Server"));
    auto *layout = new QVBoxLayout(this);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblTransferSummary"));
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    layout->addWidget(m_summary);
    m_files = new FileTable(tr("File"), tr("Overwrite"), this);
    m_files->setObjectName(QStringLiteral("lstTransferFiles"));
    layout->addWidget(m_files, 2);
    m_showChanges = new QPushButton(tr("Show &Changes"), this);
    m_showChanges->setObjectName(QStringLiteral("cmdShowChanges"));
    m_showChanges->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    m_showChanges->setEnabled(false);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(m_showChanges);
    layout->addLayout(row);
    m_changes = new ChangesView(this);
    layout->addWidget(m_changes, 3);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("prgTransfer"));
    m_progress->setTextVisible(false);
    m_progressText = new QLabel(this);
    m_progressText->setObjectName(QStringLiteral("lblTransferProgress"));
    auto *progressRow = new QHBoxLayout;
    progressRow->addWidget(m_progress, 1);
    progressRow->addWidget(m_progressText);
    layout->addLayout(progressRow);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_go = m_buttons->addButton(upload ? tr("&Upload") : tr("&Get"), QDialogButtonBox::AcceptRole);
    m_go->setObjectName(QStringLiteral("cmdTransfer"));
    m_go->setEnabled(false);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &TransferDialog::reject);
    connect(m_go, &QPushButton::clicked, this, &TransferDialog::transfer);
    connect(m_showChanges, &QPushButton::clicked, this, &TransferDialog::showChanges);
    connect(m_files, &QTreeWidget::itemDoubleClicked, this, &TransferDialog::showChanges);
    // A file changed elsewhere moves only when its box in "Overwrite" is checked.
    connect(m_files, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *item, int column) {
        const int i = m_files->indexOfTopLevelItem(item);
        if (column != FileTable::Choice || i < 0 || i >= m_plan.items.size() || m_stage != Planned)
            return;
        m_plan.items[i].overwrite = item->checkState(FileTable::Choice) == Qt::Checked;
        updateSummary();
    });
    connect(m_files, &QTreeWidget::currentItemChanged, this, [this] {
        const int i = m_files->currentIndex().row();
        m_showChanges->setEnabled(m_stage != Running && i >= 0 && i < m_plan.items.size()
                                  && m_plan.items.at(i).state != TransferItem::Error);
        if (m_changes->isVisible() && m_showChanges->isEnabled())
            showChanges();
    });
    resize(720, 460);
    QTimer::singleShot(0, this, [this, login = std::move(login)] { start(login); });
}

TransferDialog::~TransferDialog()
{
    if (m_worker)
        m_worker->cancel();
    stopWorker();
}

void TransferDialog::setLoginReplies(std::function<bool(const ServerTransport &)> trustHostKey,
                                     std::function<void(bool)> loginTried)
{
    m_trustHostKey = std::move(trustHostKey);
    m_loginTried = std::move(loginTried);
}

void TransferDialog::start(Login login)
{
    m_summary->setText(tr("Connecting to %1 and comparing the files...").arg(m_address.text()));
    m_progress->setRange(0, 0); // busy
    TransportOptions options = login ? login() : TransportOptions();
    options.password = m_passwords.relay(std::move(options.password));
    TransferWorker::Job job{m_address, options, m_project, m_siteFolder, m_direction, {}, {}};
    // The questions cross to this thread as the password does, and are
    // answered empty (no) once the dialog is closing.
    if (m_trustHostKey) {
        auto failed = std::make_shared<const ServerTransport *>(nullptr);
        auto ask = m_passwords.relay([trust = m_trustHostKey, failed] {
            return trust(**failed) ? QByteArrayLiteral("1") : QByteArray();
        });
        job.trustHostKey = [ask, failed](const ServerTransport &transport) {
            *failed = &transport;
            return !ask().isEmpty();
        };
    }
    if (m_loginTried) {
        auto accepted = std::make_shared<std::atomic_bool>(false);
        auto tell = m_passwords.relay([told = m_loginTried, accepted] {
            told(*accepted);
            return QByteArray();
        });
        job.loginTried = [tell, accepted](bool ok) {
            *accepted = ok;
            tell();
        };
    }
    m_worker = new TransferWorker(std::move(job));
    m_worker->moveToThread(&m_thread);
    connect(m_worker, &TransferWorker::planned, this, &TransferDialog::showPlan);
    connect(m_worker, &TransferWorker::fetched, this, &TransferDialog::showFetched);
    connect(m_worker, &TransferWorker::progressed, this, &TransferDialog::showProgress);
    connect(m_worker, &TransferWorker::finished, this, &TransferDialog::showReport);
    m_thread.setObjectName(QStringLiteral("transfer"));
    m_thread.start();
    QMetaObject::invokeMethod(m_worker, &TransferWorker::plan, Qt::QueuedConnection);
}

// The worker is deleted on its own thread (its transport closes there), then the thread ends.
void TransferDialog::stopWorker()
{
    m_passwords.close();
    if (!m_thread.isRunning())
        return;
    TransferWorker *worker = m_worker;
    m_worker = nullptr;
    QMetaObject::invokeMethod(
        worker,
        [worker] {
            delete worker;
            QThread::currentThread()->quit();
        },
        Qt::QueuedConnection);
    m_thread.wait();
}

void TransferDialog::reject()
{
    if (m_stage == Running && m_worker) {
        m_worker->cancel();
        if (!CloseRequest::fromProgram()) {
            // The summary follows when the file under way is done.
            m_buttons->button(QDialogButtonBox::Cancel)->setEnabled(false);
            m_progressText->setText(tr("Cancelling after the file under way..."));
            return;
        }
    }
    // Planning, or the program closing during a run: wait for the worker, whose
    // runner leaves every file whole and saves the record.
    stopWorker();
    QDialog::reject();
}

void TransferDialog::showPlan(const TransferPlan &plan, const QString &note)
{
    m_plan = plan;
    m_note = note;
    m_stage = Planned;
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    {
        const QSignalBlocker quiet(m_files);
        m_files->clear();
        const bool upload = m_direction == TransferPlan::Upload;
        for (const TransferItem &item : std::as_const(m_plan.items)) {
            const bool elsewhere = changedElsewhere(item.state);
            QTreeWidgetItem *row =
                m_files->addRow(TransferPlan::stateText(item.state, m_direction),
                                QDir::toNativeSeparators(FileName::shown(item.path)), item.reason,
                                elsewhere || item.state == TransferItem::Error);
            if (elsewhere)
                FileTable::offerChoice(row, false,
                                       upload ? tr("Replace the server's copy, changed since the last "
                                                   "transfer, with this one")
                                              : tr("Replace the copy here, changed since the last transfer, "
                                                   "with the server's"));
        }
    }
    updateSummary();
    m_files->setCurrentItem(m_files->topLevelItem(0));
}

void TransferDialog::updateSummary()
{
    const bool upload = m_direction == TransferPlan::Upload;
    QStringList text;
    qsizetype moving = 0;
    qsizetype elsewhere = 0;
    for (const TransferItem &item : std::as_const(m_plan.items)) {
        moving += item.moves();
        elsewhere += changedElsewhere(item.state) && !item.overwrite;
    }
    if (!m_plan.error.isEmpty()) {
        text << m_plan.error;
    } else if (m_plan.items.isEmpty()) {
        text << (upload
                     ? tr("No page in \"%1\" holds the menu: there is nothing to upload.")
                     : tr("No page in \"%1\" holds the menu and is on the server: there is nothing to get."))
                    .arg(QDir::toNativeSeparators(m_siteFolder));
    } else {
        text << (upload ? tr("%n file(s) will be uploaded to %1.", nullptr, int(moving))
                        : tr("%n file(s) will be downloaded from %1.", nullptr, int(moving)))
                    .arg(m_address.text());
        if (elsewhere > 0)
            text << tr(
                "%n file(s) changed elsewhere since the last transfer: they are left as they are unless "
                "you check \"Overwrite\".",
                nullptr, int(elsewhere));
        if (const qsizetype errors = m_plan.count(TransferItem::Error))
            text << tr("%n file(s) cannot be transferred (see their reasons).", nullptr, int(errors));
    }
    if (!m_plan.notOnServer.isEmpty())
        text << tr("%n page(s) are not on the server.", nullptr, int(m_plan.notOnServer.size()));
    if (!m_plan.leftovers.isEmpty())
        text << tr("%n temporary file(s) of an interrupted run were tidied on the server.", nullptr,
                   int(m_plan.leftovers.size()));
    for (const QString &note : {m_note, m_plan.recordNote})
        if (!note.isEmpty())
            text << note;
    m_summary->setText(text.join(u' '));
    m_go->setEnabled(m_stage == Planned && m_plan.error.isEmpty() && moving > 0);
}

void TransferDialog::showChanges()
{
    const int i = m_files->currentIndex().row();
    if (i < 0 || i >= m_plan.items.size() || !m_showChanges->isEnabled())
        return;
    const TransferItem &item = m_plan.items.at(i);
    m_shownPath.clear();
    if (item.state == TransferItem::UpToDate) {
        m_changes->showNote(tr("This file is the same here and on the server."));
    } else if (item.onServer && item.serverBytes.isEmpty()
               && item.server.size > TransferWorker::kMaxShownBytes) {
        m_changes->showNote(tr("The server's copy is too large to show its changes (%1).")
                                .arg(sizeOf(locale(), item.server.size)));
    } else if (item.onServer && item.serverBytes.isEmpty() && item.server.size > 0 && m_worker) {
        m_shownPath = item.path;
        m_changes->showNote(tr("Reading the server's copy..."));
        QMetaObject::invokeMethod(
            m_worker, [worker = m_worker, path = item.path] { worker->fetch(path); }, Qt::QueuedConnection);
    } else {
        showFetched(item.path, item.serverBytes, QString());
    }
}

void TransferDialog::showFetched(const QString &path, const QByteArray &bytes, const QString &error)
{
    const int i = m_files->currentIndex().row();
    if (i < 0 || i >= m_plan.items.size() || m_plan.items.at(i).path != path
        || (!m_shownPath.isEmpty() && m_shownPath != path))
        return;
    m_shownPath.clear();
    if (!error.isEmpty()) {
        m_changes->showNote(error);
        return;
    }
    const RegularFile local = RegularFile::read(m_siteFolder + u'/' + path, TransferWorker::kMaxShownBytes);
    if (local.status != RegularFile::Ok && local.status != RegularFile::Missing) {
        m_changes->showNote(local.problem(QDir::toNativeSeparators(FileName::shown(path))));
        return;
    }
    if (m_direction == TransferPlan::Upload)
        m_changes->showChanges(bytes, local.bytes);
    else
        m_changes->showChanges(local.bytes, bytes);
}

void TransferDialog::transfer()
{
    m_stage = Running;
    m_go->setEnabled(false);
    m_showChanges->setEnabled(false);
    m_totalFiles = 0;
    m_totalBytes = 0;
    for (const TransferItem &item : std::as_const(m_plan.items)) {
        if (!item.moves())
            continue;
        ++m_totalFiles;
        m_totalBytes += m_direction == TransferPlan::Upload
                            ? QFileInfo(m_siteFolder + u'/' + item.path).size()
                            : item.server.size;
    }
    m_progress->setRange(0, 1000);
    showProgress(0, 0);
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, plan = m_plan] { worker->run(plan); }, Qt::QueuedConnection);
}

void TransferDialog::showProgress(qsizetype files, qint64 bytes)
{
    if (m_stage != Running)
        return;
    m_progress->setValue(m_totalBytes > 0 ? int(qMin<qint64>(1000, bytes * 1000 / m_totalBytes)) : 0);
    m_progressText->setText(tr("%1 of %2 files, %3 of %4")
                                .arg(files)
                                .arg(m_totalFiles)
                                .arg(sizeOf(locale(), bytes), sizeOf(locale(), m_totalBytes)));
}

void TransferDialog::showReport(const TransferReport &report)
{
    showProgress(report.filesMoved, report.bytesMoved);
    m_stage = Done;
    qsizetype skipped = 0;
    qsizetype failed = 0;
    qsizetype row = 0;
    const QSignalBlocker quiet(m_files);
    for (int i = 0; i < m_plan.items.size(); ++i) {
        const TransferItem &item = m_plan.items.at(i);
        if (item.moves() && row < report.results.size()) {
            const TransferResult &r = report.results.at(row++);
            skipped += r.outcome == TransferResult::Skipped;
            failed += r.outcome == TransferResult::Failed;
            m_files->setOutcome(i, TransferResult::outcomeText(r.outcome, m_direction), r.message,
                                r.outcome == TransferResult::Skipped || r.outcome == TransferResult::Failed);
        } else if (changedElsewhere(item.state)) { // left as it is: "Overwrite" was not checked
            ++skipped;
            m_files->setOutcome(i, TransferResult::outcomeText(TransferResult::Skipped, m_direction),
                                TransferPlan::stateText(item.state, m_direction), true);
        }
    }
    const bool upload = m_direction == TransferPlan::Upload;
    QStringList text;
    text << (upload ? tr("%n file(s) uploaded (%1).", nullptr, int(report.filesMoved))
                    : tr("%n file(s) downloaded (%1).", nullptr, int(report.filesMoved)))
                .arg(sizeOf(locale(), report.bytesMoved));
    if (skipped > 0)
        text << tr("%n file(s) skipped: they changed elsewhere (see their reasons).", nullptr, int(skipped));
    if (failed > 0)
        text << tr("%n file(s) failed (see their reasons).", nullptr, int(failed));
    if (report.cancelled)
        text << (upload
                     ? tr("Cancelled: the other files were not uploaded. Every file on the server is whole; "
                          "upload again to send the rest.")
                     : tr("Cancelled: the other files were not downloaded; every file here is whole."));
    if (!report.error.isEmpty())
        text << report.error;
    m_summary->setText(text.join(u' '));
    QPushButton *close = m_buttons->button(QDialogButtonBox::Cancel);
    close->setText(tr("Close"));
    close->setEnabled(true);
}
