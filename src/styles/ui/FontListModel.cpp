#include "styles/ui/FontListModel.h"

FontListModel::FontListModel(QObject *parent) : QAbstractListModel(parent)
{
}

void FontListModel::append(const QStringList &names)
{
    if (names.isEmpty())
        return;
    const int first = int(m_names.size());
    beginInsertRows(QModelIndex(), first, first + int(names.size()) - 1);
    m_names += names;
    if (!m_roles.isEmpty())
        m_roles.resize(m_names.size());
    endInsertRows();
}

int FontListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_names.size());
}

QVariant FontListModel::data(const QModelIndex &index, int role) const
{
    // Asked once or twice per row whenever a dialog looks through its list:
    // a plain range check, not checkIndex's calls back into the model.
    if (index.model() != this || index.row() < 0 || index.row() >= m_names.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_names.at(index.row());
    return m_roles.isEmpty() ? QVariant() : m_roles.at(index.row()).value(role);
}

bool FontListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (index.model() != this || index.row() < 0 || index.row() >= m_names.size())
        return false;
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        m_names[index.row()] = value.toString();
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole}); // one text for both
        return true;
    }
    if (m_roles.isEmpty())
        m_roles.resize(m_names.size());
    if (value.isValid())
        m_roles[index.row()].insert(role, value);
    else
        m_roles[index.row()].remove(role);
    emit dataChanged(index, index, {role});
    return true;
}

Qt::ItemFlags FontListModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

bool FontListModel::insertRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || row > m_names.size() || count < 1)
        return false;
    beginInsertRows(QModelIndex(), row, row + count - 1);
    m_names.insert(row, count, QString());
    if (!m_roles.isEmpty())
        m_roles.insert(row, count, QHash<int, QVariant>());
    endInsertRows();
    return true;
}

bool FontListModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > m_names.size())
        return false;
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    m_names.remove(row, count);
    if (!m_roles.isEmpty())
        m_roles.remove(row, count);
    endRemoveRows();
    return true;
}
