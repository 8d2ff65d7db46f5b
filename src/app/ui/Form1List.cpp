#include "app/ui/Form1.h"

#include "app/ui/MenuListView.h"
#include "app/ui/SvgIcon.h"
#include "menu/MenuItemModel.h"
#include "menu/MenuListEdit.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QToolBar>

void Form1::buildList()
{
    m_lv = new MenuListView(m_frame2);
    m_lv->setObjectName(QStringLiteral("lv"));
    m_lv->setModel(m_model);
    m_lv->horizontalHeader()->setSectionsMovable(false);
    // The popup menu is opened by the row-click handling below, never by the
    // platform's context-menu request.
    m_lv->setContextMenuPolicy(Qt::PreventContextMenu);
    m_lv->viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    m_lv->viewport()->installEventFilter(this);

    // Whenever the list holds rows, one of them is current.
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &Form1::ensureCurrentRow);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &Form1::ensureCurrentRow);
    connect(m_model, &QAbstractItemModel::modelReset, this, &Form1::ensureCurrentRow);
    connect(m_model, &MenuItemModel::moveRequested, this, &Form1::moveDroppedRow);
    // A Ctrl+click (or Ctrl+Space) would take the highlight from the current
    // row while the commands still act on it: the highlight comes back.
    connect(m_lv->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Form1::ensureCurrentRow, Qt::QueuedConnection);
    // The columns fill the list's width; the two flag columns keep the width
    // of their captions (wider than "Yes" and "No"), measured once rather
    // than over every row.
    QHeaderView *header = m_lv->horizontalHeader();
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(0);
    for (int column : {MenuItemModel::LinkedColumn, MenuItemModel::SelectedColumn}) {
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        header->resizeSection(column, header->sectionSizeHint(column));
    }
    header->setSectionResizeMode(MenuItemModel::TextColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(MenuItemModel::UrlColumn, QHeaderView::Stretch);
}

void Form1::buildListToolbar()
{
    m_tb2 = new QToolBar(m_frame2);
    m_tb2->setObjectName(QStringLiteral("tb2"));
    m_tb2->setMovable(false);
    m_tb2->setFloatable(false);
    m_tb2->setIconSize(QSize(16, 16));
    m_tb2->setToolButtonStyle(Qt::ToolButtonIconOnly);
    static const char *const buttons[][2] = {
        {"movup", QT_TR_NOOP("Move selected item up one position.")},
        {"movdn", QT_TR_NOOP("Move selected item down one position.")},
        {"indent", QT_TR_NOOP("Make selected item indented.")},
        {"unindent", QT_TR_NOOP("Make selected item not indented.")},
        {"selected", QT_TR_NOOP("Make item default selection in menu.")},
        {"edit", QT_TR_NOOP("Edit text and link url of selected item.")},
        {"delete", QT_TR_NOOP("Delete selected item.")},
    };
    for (const auto &button : buttons) {
        const QString key = QLatin1String(button[0]);
        QAction *action =
            m_tb2->addAction(SvgIcon::make(QStringLiteral(":/icons/list/%1.svg").arg(key)), QString());
        action->setObjectName(key);
        action->setToolTip(tr(button[1]));
        m_tb2Keys.insert(key, action);
        connect(action, &QAction::triggered, this, [this, key] { tb2_ButtonClick(key); });
    }
}

void Form1::buildListPopup()
{
    m_mnuListPop = new QMenu(this);
    m_mnuListPop->setObjectName(QStringLiteral("mnuListPop"));
    m_mnuListPop->setFont(designFont());
    auto add = [this](const char *name, const QString &caption, void (Form1::*slot)()) {
        QAction *action = m_mnuListPop->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    m_mnuListPopMovUp = add("mnuListPopMovUp", tr("Move &Up"),
                            &Form1::mnuListPopMovUp_Click);
    m_mnuListPopMovDn = add("mnuListPopMovDn", tr("Move &Down"),
                            &Form1::mnuListPopMovDn_Click);
    m_mnuListPopInd = add("mnuListPopInd", tr("&Indent"), &Form1::mnuListPopInd_Click);
    m_mnuListPopUnind = add("mnuListPopUnind", tr("U&n-indent"),
                            &Form1::mnuListPopUnind_Click);
    m_mnuListPopDefSel = add("mnuListPopDefSel", tr("&Make Default Selection"),
                             &Form1::mnuListPopDefSel_Click);
    m_mnuListPopEdt = add("mnuListPopEdt", tr("&Edit"), &Form1::mnuListPopEdt_Click);
    m_mnuListPopRem = add("mnuListPopRem", tr("&Remove"),
                          &Form1::mnuListPopRem_Click);
}

int Form1::currentPosition() const
{
    const QModelIndex current = m_lv->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

// Makes a row current (and highlighted) without scrolling the list to it.
void Form1::setCurrentRow(int position)
{
    if (position < 1 || position > m_model->count())
        return;
    const bool autoScroll = m_lv->hasAutoScroll();
    m_lv->setAutoScroll(false);
    m_lv->selectionModel()->setCurrentIndex(
        m_model->index(position - 1, 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_lv->setAutoScroll(autoScroll);
}

void Form1::showCurrentRow(int position)
{
    setCurrentRow(position);
    if (position >= 1 && position <= m_model->count())
        m_lv->scrollTo(m_model->index(position - 1, 0));
}

void Form1::ensureCurrentRow()
{
    if (m_model->count() == 0)
        return;
    const int position = currentPosition();
    if (position == 0)
        setCurrentRow(1);
    else if (!m_lv->selectionModel()->isRowSelected(position - 1, QModelIndex()))
        setCurrentRow(position);
}

// Each list command changes only the rows it acts on, through a MenuListEdit
// that records them for undo: its cost does not grow with the list.
void Form1::mnuListPopMovUp_Click()
{
    m_lv->setFocus();
    const int position = currentPosition();
    if (position < 2)
        return;
    // The two rows change places; the moved row keeps all four columns.
    MenuListEdit edit(m_model);
    edit.swap(position - 1, position);
    setCurrentRow(position - 1);
    pushListEdit(tr("Move &Up"), std::move(edit), position);
}

void Form1::mnuListPopMovDn_Click()
{
    m_lv->setFocus();
    const int position = currentPosition();
    if (position < 1 || position >= m_model->count())
        return;
    MenuListEdit edit(m_model);
    edit.swap(position, position + 1);
    setCurrentRow(position + 1);
    pushListEdit(tr("Move &Down"), std::move(edit), position);
}

// A dragged row keeps all four columns, as with Move Up and Move Down, and
// stays current; the rows it passes keep theirs.
void Form1::moveDroppedRow(int from, int to)
{
    const int count = m_model->count();
    if (from < 1 || from > count || to < 1 || to > count || from == to)
        return;
    m_lv->setFocus();
    MenuListEdit edit(m_model);
    edit.move(from, to);
    setCurrentRow(to);
    pushListEdit(tr("Move Item"), std::move(edit), from);
}

void Form1::mnuListPopInd_Click()
{
    const int position = currentPosition();
    if (position == 0)
        return;
    const MenuItem &row = m_model->at(position);
    // At most one level, and never on a separator.
    if (row.isSeparator() || row.isIndented())
        return;
    MenuListEdit edit(m_model);
    edit.setText(position, menutext::kIndentPrefix + row.text);
    pushListEdit(tr("Indent"), std::move(edit), position);
}

void Form1::mnuListPopUnind_Click()
{
    const int position = currentPosition();
    if (position == 0 || !m_model->at(position).isIndented())
        return;
    MenuListEdit edit(m_model);
    edit.setText(position, m_model->at(position).text.mid(menutext::kIndentPrefix.size()));
    pushListEdit(tr("Un-indent"), std::move(edit), position);
}

void Form1::mnuListPopDefSel_Click()
{
    const int position = currentPosition();
    if (position == 0 || m_model->at(position).isDefault())
        return;
    MenuListEdit edit(m_model);
    transferDefaultSelection(edit, position);
    pushListEdit(tr("Make Default Selection"), std::move(edit), position);
}

void Form1::mnuListPopRem_Click()
{
    m_lv->setFocus();
    const int position = currentPosition();
    if (position == 0)
        return;
    MenuListEdit edit(m_model);
    removeRowWithoutScrolling(edit, position);
    pushListEdit(tr("Remove Item"), std::move(edit), position);
}

// The row that takes the removed one's place becomes current (else the new
// last row); the list stays where the user scrolled it.
void Form1::removeRowWithoutScrolling(MenuListEdit &edit, int position)
{
    const bool autoScroll = m_lv->hasAutoScroll();
    m_lv->setAutoScroll(false);
    edit.remove(position);
    setCurrentRow(qMin(position, m_model->count()));
    m_lv->setAutoScroll(autoScroll);
}

void Form1::tb2_ButtonClick(const QString &key)
{
    if (m_model->count() == 0)
        return;
    if (key == QLatin1String("delete"))
        mnuListPopRem_Click();
    else if (key == QLatin1String("edit"))
        mnuListPopEdt_Click();
    else if (key == QLatin1String("movdn"))
        mnuListPopMovDn_Click();
    else if (key == QLatin1String("movup"))
        mnuListPopMovUp_Click();
    else if (key == QLatin1String("indent"))
        mnuListPopInd_Click();
    else if (key == QLatin1String("unindent"))
        mnuListPopUnind_Click();
    else if (key == QLatin1String("selected"))
        mnuListPopDefSel_Click();
}

// A mouse button went down over the list: the popup waits for the next pass.
void Form1::lv_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, const QPoint &globalPos)
{
    m_listClickBusy = true;
    m_rightButton = button == Qt::RightButton;
    m_pressGlobalPos = globalPos;
    armAvailabilityPass();
}

// A row was clicked. Once a pass has run for the row the click made current,
// a right click opens the popup menu at the mouse position.
void Form1::lv_ItemClick(int position)
{
    // A click that arrives while an earlier one waits is decided by that one,
    // with the flags of the latest press.
    if (m_waitingForPass)
        return;
    m_waitingForPass = true;
    QPointer<Form1> self(this);
    while (self && m_listClickBusy) {
        if (!m_timer1->isActive())
            m_timer1->start();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (!self)
        return;
    m_waitingForPass = false;
    if (m_rightButton && position >= 1 && position <= m_model->count())
        m_mnuListPop->popup(m_pressGlobalPos);
    m_rightButton = false;
}

bool Form1::listMouseEvent(QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    lv_MouseDown(mouse->button(), mouse->modifiers(), mouse->globalPosition().toPoint());
    const QModelIndex index = m_lv->indexAt(mouse->position().toPoint());
    if (index.isValid()) {
        // The row click is handled once the view has made the row current.
        const int position = index.row() + 1;
        QMetaObject::invokeMethod(this, [this, position] { lv_ItemClick(position); },
                                  Qt::QueuedConnection);
    }
    return false;
}
