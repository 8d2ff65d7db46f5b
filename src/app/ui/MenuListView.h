#pragma once

#include <QTableView>

// The menu item list's view: rows of four columns, one row selected, no grid
// and no row numbers. A table keeps one height for every row, so adding or
// removing a row does not lay out the whole list again, whatever its length.
// The keys move from row to row, as in a list: Home and End go to the first
// and the last row, Left and Right stay on the row.
class MenuListView : public QTableView {
    Q_OBJECT
public:
    explicit MenuListView(QWidget *parent = nullptr);

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
};
