#include "app/ui/MenuListView.h"

#include <QCursor>
#include <QDrag>
#include <QFocusEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <QTimer>

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

// The cells draw no focus frame of their own: the view marks the whole row.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem cell(option);
        cell.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, cell, index);
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
    setItemDelegate(new RowDelegate(this));
    // Rows are moved by dragging them between two others.
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setDragDropOverwriteMode(false);
    setDropIndicatorShown(true);
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

QRect MenuListView::focusMarkRect() const
{
    const QModelIndex current = currentIndex();
    if (!hasFocus() || !current.isValid())
        return {};
    const int top = rowViewportPosition(current.row());
    return QRect(0, top, viewport()->width(), rowHeight(current.row()));
}

void MenuListView::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    const QRect mark = focusMarkRect();
    if (mark.isEmpty())
        return;
    QPainter painter(viewport());
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = mark;
    // Some styles draw the frame only after the focus came by a key.
    option.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    const bool selected = selectionModel() && selectionModel()->isRowSelected(currentIndex().row(), {});
    option.backgroundColor = palette().color(selected ? QPalette::Highlight : QPalette::Base);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void MenuListView::updateRow(const QModelIndex &index)
{
    if (index.isValid())
        viewport()->update(0, rowViewportPosition(index.row()), viewport()->width(), rowHeight(index.row()));
}

void MenuListView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    updateRow(previous);
    updateRow(current);
}

void MenuListView::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    updateRow(currentIndex());
}

void MenuListView::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    updateRow(currentIndex());
}

// Drags the current row, with a picture of it. The model's drop makes the
// move, so nothing is taken out here when the drag ends.
void MenuListView::startDrag(Qt::DropActions)
{
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !model())
        return;
    QMimeData *data = model()->mimeData({current});
    if (!data)
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    const QRect row =
        QRect(0, rowViewportPosition(current.row()), viewport()->width(), rowHeight(current.row()))
            .intersected(viewport()->rect());
    if (!row.isEmpty()) {
        drag->setPixmap(viewport()->grab(row));
        drag->setHotSpot(viewport()->mapFromGlobal(QCursor::pos()) - row.topLeft());
    }
    drag->exec(Qt::MoveAction, Qt::MoveAction);
}

int MenuListView::currentPosition() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void MenuListView::setCurrentRow(int position)
{
    if (!model() || position < 1 || position > model()->rowCount())
        return;
    withoutScrolling([this, position] {
        selectionModel()->setCurrentIndex(model()->index(position - 1, 0),
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    });
}

void MenuListView::showRow(int position)
{
    setCurrentRow(position);
    if (model() && position >= 1 && position <= model()->rowCount())
        scrollTo(model()->index(position - 1, 0));
}

void MenuListView::keepCurrentRow()
{
    if (!model() || model()->rowCount() == 0)
        return;
    const int position = currentPosition();
    if (position == 0)
        setCurrentRow(1);
    else if (!selectionModel()->isRowSelected(position - 1, QModelIndex()))
        setCurrentRow(position);
}

void MenuListView::withoutScrolling(const std::function<void()> &change)
{
    const bool autoScroll = hasAutoScroll();
    setAutoScroll(false);
    change();
    setAutoScroll(autoScroll);
}

void MenuListView::fitColumns(int first, int second)
{
    m_fitted[0] = first;
    m_fitted[1] = second;
    horizontalHeader()->setSectionResizeMode(first, QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(second, QHeaderView::Stretch);
    // The rows in view and those around them are measured, never the whole
    // list: an edit costs the same in a list of any length.
    horizontalHeader()->setResizeContentsPrecision(100);
    if (!m_fitTimer) {
        // One fitting after a burst of changes.
        m_fitTimer = new QTimer(this);
        m_fitTimer->setSingleShot(true);
        m_fitTimer->setInterval(0);
        connect(m_fitTimer, &QTimer::timeout, this, &MenuListView::fitNow);
        for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            connect(model(), signal, m_fitTimer, qOverload<>(&QTimer::start));
        connect(model(), &QAbstractItemModel::modelReset, m_fitTimer, qOverload<>(&QTimer::start));
        connect(model(), &QAbstractItemModel::dataChanged, m_fitTimer, qOverload<>(&QTimer::start));
    }
    m_fitTimer->start();
}

void MenuListView::updateGeometries()
{
    QTableView::updateGeometries();
    if (m_fitTimer && viewport()->width() != m_fittedRoom)
        m_fitTimer->start();
}

void MenuListView::fitNow()
{
    QHeaderView *header = horizontalHeader();
    if (!model() || qMax(m_fitted[0], m_fitted[1]) >= header->count())
        return;
    m_fittedRoom = viewport()->width();
    int room = m_fittedRoom;
    for (int column = 0; column < header->count(); ++column)
        if (column != m_fitted[0] && column != m_fitted[1] && !header->isSectionHidden(column))
            room -= header->sectionSize(column);
    room = qMax(0, room);
    const auto wanted = [&](int column) {
        return qMax(header->sectionSizeHint(column), sizeHintForColumn(column));
    };
    const int first = wanted(m_fitted[0]), second = wanted(m_fitted[1]);
    int width = room / 2;
    if (first + second <= room)
        width = first + (room - first - second) / 2;
    else if (first <= room / 2)
        width = first;
    else if (second <= room / 2)
        width = room - second;
    header->resizeSection(m_fitted[0], width);
}
