#include "site/ui/LinkCheckResults.h"

#include "menu/EntryName.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

LinkCheckResults::LinkCheckResults(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("LinkCheckResults"));
    setWindowTitle(tr("Link Check Results"));
    setModal(false);
    auto *layout = new QVBoxLayout(this);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblLinkResults"));
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::PlainText);
    layout->addWidget(m_summary);
    m_results = new QTreeWidget(this);
    m_results->setObjectName(QStringLiteral("lstLinkResults"));
    m_results->setHeaderLabels({tr("Entry"), tr("Link"), tr("Reason")});
    m_results->setRootIsDecorated(false);
    m_results->setAllColumnsShowFocus(true);
    m_results->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_results, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    // A row chosen by keys or a click, the current one clicked again too.
    const auto choose = [this](QTreeWidgetItem *item) {
        if (item)
            emit entryChosen(item->data(0, Qt::UserRole).toInt());
    };
    connect(m_results, &QTreeWidget::currentItemChanged, this, choose);
    connect(m_results, &QTreeWidget::itemClicked, this, choose);
    resize(640, 280);
}

void LinkCheckResults::showResults(const QString &summary, const QList<MenuItem> &items,
                                   const QList<LinkVerdict> &verdicts)
{
    m_summary->setText(summary);
    {
        const QSignalBlocker quiet(m_results);
        m_results->clear();
        for (qsizetype i = 0; i < verdicts.size() && i < items.size(); ++i) {
            const LinkVerdict &v = verdicts.at(i);
            if (v.status != LinkVerdict::Failed && v.status != LinkVerdict::NotChecked)
                continue;
            auto *row = new QTreeWidgetItem(m_results, {entryname::of(i, &items.at(i).text),
                                                        entryname::shown(items.at(i).url), v.reason});
            row->setData(0, Qt::UserRole, int(i + 1));
            if (v.status == LinkVerdict::Failed)
                row->setIcon(0, style()->standardIcon(QStyle::SP_MessageBoxWarning));
        }
        m_results->setCurrentItem(nullptr); // no row is chosen before the user chooses one
    }
    QDialog::show();
    raise();
    activateWindow();
}
