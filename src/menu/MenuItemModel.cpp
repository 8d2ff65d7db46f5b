#include "menu/MenuItemModel.h"

#include "codegen/ClassicCodeLimits.h"

#include <QFont>
#include <utility>

MenuItemModel::MenuItemModel(QObject *parent) : QAbstractTableModel(parent) {}

void MenuItemModel::insertItem(int position, const MenuItem &item)
{
    Q_ASSERT(position >= 1 && position <= count() + 1);
    const int row = position - 1;
    beginInsertRows(QModelIndex(), row, row);
    m_items.insert(row, item);
    endInsertRows();
}

void MenuItemModel::removeItem(int position)
{
    Q_ASSERT(position >= 1 && position <= count());
    const int row = position - 1;
    beginRemoveRows(QModelIndex(), row, row);
    m_items.removeAt(row);
    endRemoveRows();
}

void MenuItemModel::setItem(int position, const MenuItem &item)
{
    m_items[position - 1] = item;
    rowChanged(position - 1);
}

void MenuItemModel::setText(int position, const QString &text)
{
    m_items[position - 1].text = text;
    rowChanged(position - 1);
}

void MenuItemModel::setSelected(int position, const QString &selected)
{
    m_items[position - 1].selected = selected;
    rowChanged(position - 1);
}

void MenuItemModel::swapItems(int positionA, int positionB)
{
    if (positionA == positionB)
        return;
    std::swap(m_items[positionA - 1], m_items[positionB - 1]);
    rowChanged(positionA - 1);
    rowChanged(positionB - 1);
}

void MenuItemModel::setItems(const QList<MenuItem> &items)
{
    beginResetModel();
    m_items = items;
    endResetModel();
}

int MenuItemModel::findDefault() const
{
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i).isDefault())
            return i + 1;
    }
    return 0;
}

int MenuItemModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int MenuItemModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MenuItemModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const MenuItem &item = m_items.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (index.column()) {
        case TextColumn: return item.text;
        case LinkedColumn: return item.linked;
        case UrlColumn: return item.url;
        case SelectedColumn: return item.selected;
        default: return {};
        }
    case Qt::ToolTipRole:
        if (!m_classicWarnings)
            return {};
        if (const QStringList problems = classiccode::entryProblems(item); !problems.isEmpty())
            return problems.join(u'\n');
        return {};
    case Qt::FontRole: {
        // Every row is shown bold.
        QFont font;
        font.setBold(true);
        return font;
    }
    default:
        return {};
    }
}

void MenuItemModel::setClassicWarnings(bool on)
{
    if (on == m_classicWarnings)
        return;
    m_classicWarnings = on;
    if (count() > 0)
        emit dataChanged(index(0, 0), index(count() - 1, ColumnCount - 1), {Qt::ToolTipRole});
}

QVariant MenuItemModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case TextColumn: return QStringLiteral("Item Text");
    case LinkedColumn: return QStringLiteral("Linked?");
    case UrlColumn: return QStringLiteral("Link URL");
    case SelectedColumn: return QStringLiteral("Selected?");
    default: return {};
    }
}

void MenuItemModel::rowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}
