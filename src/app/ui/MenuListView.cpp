#include "app/ui/MenuListView.h"

#include <QHeaderView>
#include <QStyleOptionHeader>

namespace {
// Qt sizes a header's sections for their captions in bold, the face of a
// highlighted section. This list never highlights them, so its captions are
// measured in the face they are drawn in, and start-up need not load a bold
// face just for the measuring (each face loaded costs a search through all
// installed fonts).
class ListHeader : public QHeaderView {
public:
    explicit ListHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent)
    {
        setSectionsClickable(true); // as a table's own header
        setHighlightSections(false);
    }

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override
    {
        if (highlightSections() || !model())
            return QHeaderView::sectionSizeFromContents(logicalIndex);
        ensurePolished();
        QStyleOptionHeader opt;
        initStyleOption(&opt);
        opt.section = logicalIndex;
        opt.text = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
        opt.fontMetrics = fontMetrics();
        return style()->sizeFromContents(QStyle::CT_HeaderSection, &opt, QSize(), this);
    }
};
} // namespace

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
    setHorizontalHeader(new ListHeader(this));
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
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
