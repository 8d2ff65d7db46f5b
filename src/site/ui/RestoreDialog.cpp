#include "site/ui/RestoreDialog.h"

#include "site/SiteRestore.h"
#include "site/SiteWriter.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

RestoreDialog::RestoreDialog(const QString &siteFolder, QWidget *parent, const QString &backupFolder)
    : QDialog(parent), m_siteFolder(siteFolder), m_backupFolder(backupFolder)
{
    setObjectName(QStringLiteral("RestoreDialog"));
    setWindowTitle(tr("Restore Backup"));
    auto *layout = new QVBoxLayout(this);
    auto *runsLabel = new QLabel(tr("&Backups of \"%1\":").arg(QDir::toNativeSeparators(siteFolder)), this);
    runsLabel->setTextFormat(Qt::PlainText);
    layout->addWidget(runsLabel);
    m_runs = new QTreeWidget(this);
    m_runs->setObjectName(QStringLiteral("lstBackupRuns"));
    m_runs->setHeaderLabels({tr("Time"), tr("Pages"), tr("Folder")});
    m_runs->setRootIsDecorated(false);
    m_runs->setAllColumnsShowFocus(true);
    m_runs->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    runsLabel->setBuddy(m_runs);
    layout->addWidget(m_runs, 1);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblRestoreSummary"));
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    layout->addWidget(m_summary);
    m_pages = new QTreeWidget(this);
    m_pages->setObjectName(QStringLiteral("lstRestorePages"));
    m_pages->setHeaderLabels({tr("State"), tr("Page"), tr("Reason")});
    m_pages->setRootIsDecorated(false);
    m_pages->setAllColumnsShowFocus(true);
    m_pages->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_pages, 2);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_go = m_buttons->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole);
    m_go->setObjectName(QStringLiteral("cmdRestore"));
    m_go->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_go, &QPushButton::clicked, this, &RestoreDialog::write);
    connect(m_runs, &QTreeWidget::currentItemChanged, this, &RestoreDialog::prepare);
    resize(720, 480);
    listRuns();
}

void RestoreDialog::listRuns()
{
    const QList<SiteRestore::Run> runs = SiteRestore::runs(m_siteFolder, m_backupFolder);
    for (const SiteRestore::Run &run : runs) {
        auto *item = new QTreeWidgetItem(
            m_runs, {run.time.isValid() ? QLocale().toString(run.time, QLocale::ShortFormat) : run.stamp,
                     QLocale().toString(run.pages), run.stamp});
        item->setData(0, Qt::UserRole, run.stamp);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (runs.isEmpty()) {
        m_summary->setText(
            tr("The site has no backups: publishing keeps them in \"%1\".")
                .arg(QDir::toNativeSeparators(m_backupFolder.isEmpty()
                                                  ? m_siteFolder + u'/' + QStringLiteral(".quillnav-backup")
                                                  : m_backupFolder)));
        m_go->setEnabled(false);
        return;
    }
    m_runs->setCurrentItem(m_runs->topLevelItem(0));
}

void RestoreDialog::prepare()
{
    m_pages->clear();
    const QTreeWidgetItem *run = m_runs->currentItem();
    if (!run)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_plan = SiteRestore::prepare(m_siteFolder, run->data(0, Qt::UserRole).toString(), m_backupFolder);
    QApplication::restoreOverrideCursor();
    for (const PagePlan &page : std::as_const(m_plan.pages)) {
        auto *item = new QTreeWidgetItem(
            m_pages, {PagePlan::stateText(page.state), QDir::toNativeSeparators(page.path), page.reason});
        if (page.state == PagePlan::Error)
            item->setIcon(0, style()->standardIcon(QStyle::SP_MessageBoxWarning));
    }
    const qsizetype changes = m_plan.count(PagePlan::WillChange);
    QString text;
    if (!m_plan.error.isEmpty())
        text = m_plan.error;
    else if (m_plan.failed())
        text = tr("Some pages cannot be put back (see their reasons), so no page will be written.");
    else
        text =
            tr("%Ln page(s) will be put back; the pages that are the same as their backup stay as they are.",
               nullptr, int(changes));
    if (!m_plan.recordNote.isEmpty())
        text += u' ' + m_plan.recordNote;
    m_summary->setText(text);
    m_go->setEnabled(!m_plan.failed() && changes > 0);
}

void RestoreDialog::write()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const SiteWriteReport report = SiteWriter::write(m_plan);
    QApplication::restoreOverrideCursor();
    for (qsizetype i = 0; i < report.results.size(); ++i) {
        const PageResult &r = report.results.at(i);
        QTreeWidgetItem *item = m_pages->topLevelItem(int(i));
        item->setText(0, r.outcome == PageResult::Written     ? tr("written")
                         : r.outcome == PageResult::Unchanged ? tr("unchanged")
                         : r.outcome == PageResult::Skipped   ? tr("skipped")
                                                              : tr("failed"));
        item->setText(2, r.message);
        if (r.outcome == PageResult::Skipped || r.outcome == PageResult::Failed)
            item->setIcon(0, style()->standardIcon(QStyle::SP_MessageBoxWarning));
    }
    QString summary = report.failed() ? tr("Some pages were not put back (see their reasons).")
                                      : tr("The pages were put back.");
    if (!report.backupFolder.isEmpty())
        summary += u' '
                   + tr("Their text before is kept in \"%1\".")
                         .arg(QDir::toNativeSeparators(QDir(m_siteFolder).filePath(report.backupFolder)));
    if (!report.note.isEmpty())
        summary += u' ' + report.note;
    m_summary->setText(summary);
    m_go->setEnabled(false);
    m_runs->setEnabled(false);
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Close"));
}
