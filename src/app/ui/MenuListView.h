#pragma once

#include <QTableView>

#include <functional>

class QTimer;

// The menu item list's view: rows of four columns, one row selected, no grid
// and no row numbers. A table keeps one height for every row, so adding or
// removing a row does not lay out the whole list again, whatever its length.
// The keys move from row to row, as in a list: Home and End go to the first
// and the last row, Left and Right stay on the row. While the list has the
// focus, its current row carries a focus mark across all its columns. A row
// can be dragged to another place in the list; the model's drop asks for the move.
class MenuListView : public QTableView {
    Q_OBJECT
public:
    explicit MenuListView(QWidget *parent = nullptr);

    // 1-based position of the current row, 0 when there is none.
    int currentPosition() const;
    // Makes a row current (and highlighted) without scrolling the list to it;
    // a position outside the list does nothing.
    void setCurrentRow(int position);
    // The same, and scrolls the list to it.
    void showRow(int position);
    // Whenever the list holds rows, one of them is current and highlighted.
    void keepCurrentRow();
    // Runs `change` without letting the list scroll on its own.
    void withoutScrolling(const std::function<void()> &change);

    // Where the focus mark is drawn in the viewport; empty while the list has no focus.
    QRect focusMarkRect() const;

    // Two columns share the width the others leave, each sized to its
    // contents and caption as far as the room allows (spare room shared
    // evenly); when both want more, neither gets less than half, and the one
    // that needs less keeps its width. The second one stretches. They are
    // fitted again after a change of the rows or of the list's width.
    void fitColumns(int first, int second);

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void paintEvent(QPaintEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void updateGeometries() override;

private:
    void updateRow(const QModelIndex &index);
    void fitNow();

    int m_fitted[2] = {-1, -1};
    QTimer *m_fitTimer = nullptr;
    int m_fittedRoom = -1;
};
