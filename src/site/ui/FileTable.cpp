#include "site/ui/FileTable.h"

#include <QHeaderView>
#include <QStyle>

FileTable::FileTable(const QString &fileHeader, const QString &choiceHeader, QWidget *parent)
    : QTreeWidget(parent)
{
    setHeaderLabels({tr("State"), fileHeader, tr("Reason"), choiceHeader});
    setRootIsDecorated(false);
    setAllColumnsShowFocus(true);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

QTreeWidgetItem *FileTable::addRow(const QString &state, const QString &file, const QString &reason,
                                   bool warning)
{
    auto *item = new QTreeWidgetItem(this, {state, file, reason});
    if (warning)
        item->setIcon(State, style()->standardIcon(QStyle::SP_MessageBoxWarning));
    return item;
}

void FileTable::offerChoice(QTreeWidgetItem *row, bool checked, const QString &tip)
{
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
    row->setCheckState(Choice, checked ? Qt::Checked : Qt::Unchecked);
    row->setToolTip(Choice, tip);
}

void FileTable::setOutcome(int row, const QString &outcome, const QString &message, bool warning)
{
    QTreeWidgetItem *item = topLevelItem(row);
    if (!item)
        return;
    item->setText(State, outcome);
    item->setText(Reason, message);
    item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
    item->setIcon(State, warning ? style()->standardIcon(QStyle::SP_MessageBoxWarning) : QIcon());
}
