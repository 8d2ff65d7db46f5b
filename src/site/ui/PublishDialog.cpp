#include "site/ui/PublishDialog.h"

#include "menu/EntryName.h"
#include "platform/FileName.h"
#include "site/PageMenuCode.h"
#include "site/SiteWriter.h"
#include "site/ui/ChangesView.h"
#include "site/ui/FileTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

PublishDialog::PublishDialog(const MenuProject &project, const QString &siteFolder,
                             SitePublisher::Action action, QWidget *parent)
    : QDialog(parent), m_project(project), m_siteFolder(siteFolder), m_action(action)
{
    const bool publish = action == SitePublisher::Publish;
    setObjectName(QStringLiteral("PublishDialog"));
    setWindowTitle(publish ? tr("Publish to Pages") : tr("Remove from Pages"));
    auto *layout = new QVBoxLayout(this);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblPublishSummary"));
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);
    m_pages = new FileTable(tr("Page"), tr("Replace Edits"), this);
    m_pages->setObjectName(QStringLiteral("lstPublishPages"));
    layout->addWidget(m_pages, 2);
    m_showChanges = new QPushButton(tr("Show &Changes"), this);
    m_showChanges->setObjectName(QStringLiteral("cmdShowChanges"));
    m_selectCurrent = new QCheckBox(tr("&Select the current page on each page"), this);
    m_selectCurrent->setObjectName(QStringLiteral("chkSelectCurrentPage"));
    m_selectCurrent->setChecked(project.selectCurrentPage);
    m_selectCurrent->setVisible(publish);
    auto *row = new QHBoxLayout;
    // The same places in both dialogs: the box (publishing only) left, the button right.
    row->addWidget(m_selectCurrent);
    row->addStretch(1);
    row->addWidget(m_showChanges);
    layout->addLayout(row);
    m_changes = new ChangesView(this);
    layout->addWidget(m_changes, 3);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_go = m_buttons->addButton(publish ? tr("&Publish") : tr("&Remove"), QDialogButtonBox::AcceptRole);
    m_go->setObjectName(QStringLiteral("cmdPublish"));
    if (publish) // taking the menu out saves nothing new
        m_go->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    m_showChanges->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_go, &QPushButton::clicked, this, &PublishDialog::write);
    connect(m_showChanges, &QPushButton::clicked, this, &PublishDialog::showChanges);
    connect(m_pages, &QTreeWidget::itemDoubleClicked, this, &PublishDialog::showChanges);
    // A page edited by hand is written only when its box in "Replace Edits" is checked.
    connect(m_pages, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *item, int column) {
        const int i = m_pages->indexOfTopLevelItem(item);
        if (column != 3 || i < 0 || i >= m_plan.pages.size()
            || m_plan.pages.at(i).state != PagePlan::EditedByHand)
            return;
        m_plan.pages[i].replaceEdits = item->checkState(3) == Qt::Checked;
        SitePublisher::settleScript(m_plan); // the shared script may go with this page's menu
        if (m_plan.scriptRow >= 0) {
            const PagePlan &script = m_plan.pages.at(m_plan.scriptRow);
            QTreeWidgetItem *row = m_pages->topLevelItem(int(m_plan.scriptRow));
            const QSignalBlocker quiet(m_pages);
            row->setText(0, PagePlan::stateText(script.state));
            row->setText(2, script.reason);
        }
        updateSummary();
    });
    connect(m_pages, &QTreeWidget::currentItemChanged, this, [this] {
        const int i = m_pages->currentIndex().row();
        m_showChanges->setEnabled(i >= 0 && i < m_plan.pages.size()
                                  && (m_plan.pages.at(i).state == PagePlan::WillChange
                                      || m_plan.pages.at(i).state == PagePlan::EditedByHand));
        if (m_changes->isVisible())
            showChanges();
    });
    connect(m_selectCurrent, &QCheckBox::toggled, this, [this](bool on) {
        m_project.selectCurrentPage = on;
        prepare();
    });
    resize(720, 420);
    prepare();
}

void PublishDialog::prepare()
{
    // The pages whose edits the user chose to replace keep that choice.
    QSet<QString> replace;
    for (const PagePlan &page : std::as_const(m_plan.pages)) {
        if (page.replaceEdits)
            replace.insert(page.path);
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SitePublisher::Options options;
    options.backupFolder = m_project.backups; // the window holds it absolute
    m_plan = SitePublisher::prepare(m_project, m_siteFolder, {}, m_action, options);
    QApplication::restoreOverrideCursor();
    {
        const QSignalBlocker quiet(m_pages);
        m_pages->clear();
        for (PagePlan &page : m_plan.pages) {
            QTreeWidgetItem *item = m_pages->addRow(
                PagePlan::stateText(page.state), QDir::toNativeSeparators(FileName::shown(page.path)),
                page.reason, page.state == PagePlan::Error || page.state == PagePlan::EditedByHand);
            if (page.state == PagePlan::EditedByHand) {
                page.replaceEdits = replace.contains(page.path);
                FileTable::offerChoice(item, page.replaceEdits,
                                       tr("Replace what was edited by hand in this page's menu"));
            }
        }
        // The dead links after the pages, as warnings: they do not stop the publishing.
        for (qsizetype i = 0; i < m_plan.links.size() && i < m_project.items.size(); ++i) {
            if (m_plan.links.at(i).status != LinkVerdict::Failed)
                continue;
            const MenuItem &entry = m_project.items.at(i);
            m_pages->addRow(tr("dead link"), entryname::of(i, &entry.text),
                            tr("\"%1\": %2").arg(entryname::shown(entry.url), m_plan.links.at(i).reason),
                            true);
        }
    }
    updateSummary();
    m_pages->setCurrentItem(m_pages->topLevelItem(0));
    m_showChanges->setEnabled(m_plan.count(PagePlan::WillChange) + m_plan.count(PagePlan::EditedByHand) > 0);
}

void PublishDialog::updateSummary()
{
    // The pages and the shared script of HTML5 menus are counted apart.
    qsizetype changes = 0;
    bool script = false;
    for (const PagePlan &page : std::as_const(m_plan.pages)) {
        const bool changing =
            page.state == PagePlan::WillChange || (page.state == PagePlan::EditedByHand && page.replaceEdits);
        if (changing && page.path == PageMenuCode::kScriptFile)
            script = true;
        else
            changes += changing;
    }
    const qsizetype edited = m_plan.count(PagePlan::EditedByHand);
    QString text;
    if (!m_plan.error.isEmpty())
        text = m_plan.error;
    else if (m_plan.pages.isEmpty())
        text = tr("No page in \"%1\" holds the placeholder <!-- quillnav %2 --> or the menu.")
                   .arg(QDir::toNativeSeparators(m_siteFolder), m_project.options.menuName);
    else if (m_plan.failed())
        text = tr("Some pages cannot be changed (see their reasons), so no page will be written.");
    else {
        const QString folder = QDir::toNativeSeparators(m_siteFolder);
        text = !script ? tr("%Ln page(s) will change in \"%1\".", nullptr, int(changes)).arg(folder)
               : changes > 0
                   ? tr("%Ln page(s) and the shared script %2 will change in \"%1\".", nullptr, int(changes))
                         .arg(folder, PageMenuCode::kScriptFile)
                   : tr("No page changes in \"%1\", only the shared script %2.")
                         .arg(folder, PageMenuCode::kScriptFile);
        if (changes > 0 || script)
            text += u' ' + m_plan.sizeText(locale());
    }
    if (m_plan.error.isEmpty() && edited > 0)
        text += u' '
                + tr("%Ln page(s) had their menu edited by hand: they are left as they are unless you check "
                     "\"Replace Edits\".",
                     nullptr, int(edited));
    if (!m_plan.recordNote.isEmpty())
        text += u' ' + m_plan.recordNote;
    qsizetype dead = 0;
    for (const LinkVerdict &v : std::as_const(m_plan.links))
        dead += v.status == LinkVerdict::Failed;
    if (dead > 0)
        text += u' '
                + tr("%n link(s) of the menu lead nowhere (see \"dead link\" below); the menu is published "
                     "with them all the same.",
                     nullptr, int(dead));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setText(text);
    m_go->setEnabled(!m_written && !m_plan.failed() && (changes > 0 || script));
}

void PublishDialog::showChanges()
{
    const int i = m_pages->currentIndex().row();
    if (i < 0 || i >= m_plan.pages.size())
        return;
    const PagePlan &page = m_plan.pages.at(i);
    if (page.state == PagePlan::WillChange || page.state == PagePlan::EditedByHand)
        m_changes->showChanges(page.oldBytes, page.newBytes, page.encoding);
    else
        m_changes->showNote(tr("This page does not change."));
}

void PublishDialog::write()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const SiteWriteReport report = SiteWriter::write(m_plan);
    QApplication::restoreOverrideCursor();
    m_written = true;
    const QSignalBlocker quiet(m_pages);
    for (qsizetype i = 0; i < report.results.size(); ++i) {
        const PageResult &r = report.results.at(i);
        const QString outcome = r.outcome == PageResult::Written     ? tr("written")
                                : r.outcome == PageResult::Unchanged ? tr("unchanged")
                                : r.outcome == PageResult::Skipped   ? tr("skipped")
                                                                     : tr("failed");
        m_pages->setOutcome(int(i), outcome, r.message,
                            r.outcome == PageResult::Skipped || r.outcome == PageResult::Failed);
    }
    QString summary = report.failed() ? tr("Some pages were not written (see their reasons).")
                                      : tr("The pages were written.");
    if (!report.backupFolder.isEmpty())
        summary += u' '
                   + tr("Their earlier text is kept in \"%1\".")
                         .arg(QDir::toNativeSeparators(QDir(m_siteFolder).filePath(report.backupFolder)));
    if (!report.note.isEmpty())
        summary += u' ' + report.note;
    m_summary->setText(summary);
    m_go->setEnabled(false);
    m_selectCurrent->setEnabled(false);
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Close"));
}
