#include "menu/MenuItemModel.h"

#include <QCoreApplication>
#include <QFont>
#include <QMimeData>
#include <utility>

MenuItemModel::MenuItemModel(QObject *parent) : QAbstractTableModel(parent)
{
}

MenuItemModel::~MenuItemModel() = default;

void MenuItemModel::setExtraRoles(std::unique_ptr<MenuItemRoles> roles)
{
    m_roles = std::move(roles);
    extraRolesChanged({Qt::ToolTipRole, Qt::DecorationRole});
}

void MenuItemModel::extraRolesChanged(const QList<int> &roles)
{
    if (count() > 0)
        emit dataChanged(index(0, 0), index(count() - 1, ColumnCount - 1), roles);
}

void MenuItemModel::listChanging()
{
    if (m_roles)
        m_roles->listChanging();
}

void MenuItemModel::insertItem(int position, const MenuItem &item)
{
    listChanging();
    Q_ASSERT(position >= 1 && position <= count() + 1);
    const int row = position - 1;
    beginInsertRows(QModelIndex(), row, row);
    m_items.insert(row, item);
    endInsertRows();
}

void MenuItemModel::removeItem(int position)
{
    listChanging();
    Q_ASSERT(position >= 1 && position <= count());
    const int row = position - 1;
    beginRemoveRows(QModelIndex(), row, row);
    m_items.removeAt(row);
    endRemoveRows();
}

void MenuItemModel::setItem(int position, const MenuItem &item)
{
    listChanging();
    m_items[position - 1] = item;
    rowChanged(position - 1);
}

void MenuItemModel::setText(int position, const QString &text)
{
    listChanging();
    m_items[position - 1].text = text;
    rowChanged(position - 1);
}

void MenuItemModel::setSelected(int position, const QString &selected)
{
    listChanging();
    m_items[position - 1].selected = selected;
    rowChanged(position - 1);
}

void MenuItemModel::swapItems(int positionA, int positionB)
{
    if (positionA == positionB)
        return;
    listChanging();
    std::swap(m_items[positionA - 1], m_items[positionB - 1]);
    rowChanged(positionA - 1);
    rowChanged(positionB - 1);
}

void MenuItemModel::moveItem(int from, int to)
{
    listChanging();
    Q_ASSERT(from >= 1 && from <= count() && to >= 1 && to <= count());
    if (from == to)
        return;
    const int source = from - 1;
    const int target = to - 1;
    // Qt counts the destination before the row is taken out.
    beginMoveRows(QModelIndex(), source, source, QModelIndex(), target > source ? target + 1 : target);
    m_items.move(source, target);
    endMoveRows();
}

void MenuItemModel::setItems(const QList<MenuItem> &items)
{
    listChanging();
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

namespace {
// The stored "Yes" and "No" as the list shows them.
[[maybe_unused]] constexpr const char *kShownValues[] = {QT_TRANSLATE_NOOP("MenuItemModel", "Yes"),
                                                         QT_TRANSLATE_NOOP("MenuItemModel", "No")};
} // namespace

QVariant MenuItemModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const MenuItem &item = m_items.at(index.row());
    // The list shows "Yes" and "No" in the user's language; editing sees them as stored.
    const auto yesNo = [role](const QString &value) {
        return role == Qt::DisplayRole ? tr(value.toUtf8().constData()) : value;
    };
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (index.column()) {
        case TextColumn:
            return item.text;
        case LinkedColumn:
            return yesNo(item.linked);
        case UrlColumn:
            return item.url;
        case SelectedColumn:
            return yesNo(item.selected);
        default:
            return {};
        }
    case Qt::FontRole: {
        // Every row is shown bold.
        QFont font;
        font.setBold(true);
        return font;
    }
    default:
        return m_roles ? m_roles->data(item, index.row(), index.column(), role) : QVariant();
    }
}

QVariant MenuItemModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case TextColumn:
        return tr("Item Text");
    case LinkedColumn:
        return tr("Linked?");
    case UrlColumn:
        return tr("Link URL");
    case SelectedColumn:
        return tr("Selected?");
    default:
        return {};
    }
}

void MenuItemModel::rowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

namespace {
// A dragged row names its list (process and model) and its row, so that a row
// dragged from another window or program is never taken for one of ours.
const QString kRowFormat = QStringLiteral("application/x-quillnav-list-row");

QByteArray listIdentity(const MenuItemModel *model)
{
    return QByteArray::number(QCoreApplication::applicationPid()) + ':'
           + QByteArray::number(quintptr(model), 16) + ':';
}
} // namespace

Qt::ItemFlags MenuItemModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return QAbstractTableModel::flags(index) | Qt::ItemIsDragEnabled;
}

Qt::DropActions MenuItemModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

QStringList MenuItemModel::mimeTypes() const
{
    return {kRowFormat};
}

QMimeData *MenuItemModel::mimeData(const QModelIndexList &indexes) const
{
    if (indexes.isEmpty() || !indexes.first().isValid())
        return nullptr;
    auto *data = new QMimeData;
    data->setData(kRowFormat, listIdentity(this) + QByteArray::number(indexes.first().row()));
    return data;
}

bool MenuItemModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int,
                                 const QModelIndex &parent)
{
    if (action != Qt::MoveAction || !data)
        return false;
    const QByteArray payload = data->data(kRowFormat);
    const QByteArray identity = listIdentity(this);
    if (!payload.startsWith(identity))
        return false;
    bool ok = false;
    const int source = payload.mid(identity.size()).toInt(&ok);
    if (!ok || source < 0 || source >= count())
        return false;
    // The gap the row was dropped into, counted with the row still in place;
    // a drop onto a row puts it before that row, one past the end appends.
    int gap = parent.isValid() ? parent.row() : row;
    if (gap < 0 || gap > count())
        gap = count();
    const int target = gap > source ? gap - 1 : gap;
    if (target == source)
        return false;
    emit moveRequested(source + 1, target + 1);
    return true;
}
