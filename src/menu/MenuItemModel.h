#pragma once

#include "menu/MenuItem.h"
#include "menu/MenuItemRoles.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <memory>

// The menu item list. The list view shows this model itself; no other copy of
// the list exists. Rows are addressed 1-based by the list commands (position 1
// is the first OPTION of the generated menu); the Qt interface is 0-based.
// Every row is shown bold. What a view adds to the rows (tool tips, icons)
// comes from the roles it hands the model (MenuItemRoles).
class MenuItemModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { TextColumn = 0, LinkedColumn, UrlColumn, SelectedColumn, ColumnCount };

    explicit MenuItemModel(QObject *parent = nullptr);
    ~MenuItemModel() override;

    int count() const { return int(m_items.size()); }
    // The item at a 1-based position; position must be in 1..count().
    const MenuItem &at(int position) const { return m_items.at(position - 1); }
    const QList<MenuItem> &items() const { return m_items; }

    // Inserts at a 1-based position (1..count()+1); the rows from there on move down by one.
    void insertItem(int position, const MenuItem &item);
    void appendItem(const MenuItem &item) { insertItem(count() + 1, item); }
    // Removes the row at a 1-based position.
    void removeItem(int position);
    // Rewrites the row at a 1-based position.
    void setItem(int position, const MenuItem &item);
    void setText(int position, const QString &text);
    void setSelected(int position, const QString &selected);
    // Exchanges two rows in place (constant time, whatever the list's length).
    void swapItems(int positionA, int positionB);
    // Moves the row at a 1-based position so that it ends at position `to`;
    // the rows between shift by one.
    void moveItem(int from, int to);
    // Replaces the whole list at once.
    void setItems(const QList<MenuItem> &items);
    void clear() { setItems({}); }
    // 1-based position of the first row whose Selected? is exactly "Yes", or 0.
    int findDefault() const;

    // The roles a view adds to the rows, owned by the model from now on
    // (null: none); told before every change of the list.
    void setExtraRoles(std::unique_ptr<MenuItemRoles> roles);
    MenuItemRoles *extraRoles() const { return m_roles.get(); }
    // The added roles changed for every row: tells the views.
    void extraRolesChanged(const QList<int> &roles);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Drag and drop inside the list: a row is dragged between two rows (never
    // onto one). The drop itself changes nothing here: it asks for the move
    // with moveRequested, which the window makes as one undoable step.
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

signals:
    // A row dragged from `from` was dropped so that it ends at `to` (1-based).
    void moveRequested(int from, int to);

private:
    void rowChanged(int row);
    void listChanging();
    QList<MenuItem> m_items;
    std::unique_ptr<MenuItemRoles> m_roles;
};
