#pragma once

#include "menu/MenuItem.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>
#include <QStringList>

// The menu item list. The list view shows this model itself; no other copy of
// the list exists. Rows are addressed 1-based by the list commands (position 1
// is the first OPTION of the generated menu); the Qt interface is 0-based.
class MenuItemModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { TextColumn = 0, LinkedColumn, UrlColumn, SelectedColumn, ColumnCount };

    explicit MenuItemModel(QObject *parent = nullptr);

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

    // Rows that classic code cannot carry as typed get the reason as their
    // tool tip while this is on (the project's code is classic).
    void setClassicWarnings(bool on);

    // Marks the rows whose link failed a check: `icon` before the text and
    // the reason as the tool tip. `reasons` holds one text per row (empty:
    // no mark). Any change of the list takes the marks away.
    void setLinkMarks(const QStringList &reasons, const QIcon &icon);
    void clearLinkMarks();
    bool hasLinkMarks() const { return !m_linkMarks.isEmpty(); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

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
    QList<MenuItem> m_items;
    bool m_classicWarnings = false;
    QStringList m_linkMarks;
    QIcon m_linkMarkIcon;
};
