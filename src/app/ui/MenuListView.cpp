#include "app/ui/MenuListView.h"

#include <QHeaderView>

MenuListView::MenuListView(QWidget *parent) : QTableView(parent)
{
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QHeaderView *rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(0);
    rows->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
}

QModelIndex MenuListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    const int rows = model() ? model()->rowCount(rootIndex()) : 0;
    switch (cursorAction) {
    case MoveLeft:
    case MoveRight:
    case MoveNext:
    case MovePrevious:
        return current;
    case MoveHome:
        return rows > 0 ? model()->index(0, 0, rootIndex()) : current;
    case MoveEnd:
        return rows > 0 ? model()->index(rows - 1, 0, rootIndex()) : current;
    default: {
        const QModelIndex next = QTableView::moveCursor(cursorAction, modifiers);
        return next.isValid() ? next.siblingAtColumn(0) : next;
    }
    }
}
