#include "app/ui/Form1.h"
#include "app/ui/Form1Private.h"

#include "app/MenuDocument.h"
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

void Form1Private::buildList()
{
    m_lv = new MenuListView(m_frame2);
    m_lv->setObjectName(QStringLiteral("lv"));
    m_lv->setModel(m_model);
    m_lv->horizontalHeader()->setSectionsMovable(false);
    // The popup menu is opened by the row-click handling below, never by the
    // platform's context-menu request.
    m_lv->setContextMenuPolicy(Qt::PreventContextMenu);
    m_lv->viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    m_lv->viewport()->installEventFilter(q);

    // Whenever the list holds rows, one of them is current.
    QObject::connect(m_model, &QAbstractItemModel::rowsInserted, m_lv, &MenuListView::keepCurrentRow);
    QObject::connect(m_model, &QAbstractItemModel::rowsRemoved, m_lv, &MenuListView::keepCurrentRow);
    QObject::connect(m_model, &QAbstractItemModel::modelReset, m_lv, &MenuListView::keepCurrentRow);
    QObject::connect(m_model, &MenuItemModel::moveRequested, q,
                     [this](int from, int to) { moveDroppedRow(from, to); });
    // A Ctrl+click (or Ctrl+Space) would take the highlight from the current
    // row while the commands still act on it: the highlight comes back.
    QObject::connect(m_lv->selectionModel(), &QItemSelectionModel::selectionChanged, m_lv,
                     &MenuListView::keepCurrentRow, Qt::QueuedConnection);
    // The columns fill the list's width; the two flag columns keep the width
    // of their captions (wider than "Yes" and "No"), measured once rather
    // than over every row; the text and the link share the rest by their
    // contents.
    QHeaderView *header = m_lv->horizontalHeader();
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(0);
    for (int column : {MenuItemModel::LinkedColumn, MenuItemModel::SelectedColumn}) {
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        header->resizeSection(column, header->sectionSizeHint(column));
    }
    m_lv->fitColumns(MenuItemModel::TextColumn, MenuItemModel::UrlColumn);
}

void Form1Private::buildListToolbar()
{
    m_tb2 = new QToolBar(m_frame2);
    m_tb2->setObjectName(QStringLiteral("tb2"));
    m_tb2->setMovable(false);
    m_tb2->setFloatable(false);
    m_tb2->setIconSize(QSize(16, 16));
    m_tb2->setToolButtonStyle(Qt::ToolButtonIconOnly);
    static const char *const buttons[][2] = {
        {"movup", QT_TRANSLATE_NOOP("Form1", "Move selected item up one position.")},
        {"movdn", QT_TRANSLATE_NOOP("Form1", "Move selected item down one position.")},
        {"indent", QT_TRANSLATE_NOOP("Form1", "Make selected item indented.")},
        {"unindent", QT_TRANSLATE_NOOP("Form1", "Make selected item not indented.")},
        {"selected", QT_TRANSLATE_NOOP("Form1", "Make item default selection in menu.")},
        {"edit", QT_TRANSLATE_NOOP("Form1", "Edit text and link url of selected item.")},
        {"delete", QT_TRANSLATE_NOOP("Form1", "Delete selected item.")},
    };
    for (const auto &button : buttons) {
        const QString key = QLatin1String(button[0]);
        QAction *action =
            m_tb2->addAction(SvgIcon::make(QStringLiteral(":/icons/list/%1.svg").arg(key)), QString());
        action->setObjectName(key);
        action->setToolTip(Form1::tr(button[1]));
        m_tb2Keys.insert(key, action);
        QObject::connect(action, &QAction::triggered, q, [this, key] { q->tb2_ButtonClick(key); });
    }
}

void Form1Private::buildListPopup()
{
    m_mnuListPop = new QMenu(q);
    m_mnuListPop->setObjectName(QStringLiteral("mnuListPop"));
    m_mnuListPop->setFont(Form1::designFont());
    auto add = [this](const char *name, const QString &caption, void (Form1::*slot)()) {
        QAction *action = m_mnuListPop->addAction(caption);
        action->setObjectName(QLatin1String(name));
        QObject::connect(action, &QAction::triggered, q, slot);
        return action;
    };
    m_mnuListPopMovUp = add("mnuListPopMovUp", Form1::tr("Move &Up"), &Form1::mnuListPopMovUp_Click);
    m_mnuListPopMovDn = add("mnuListPopMovDn", Form1::tr("Move &Down"), &Form1::mnuListPopMovDn_Click);
    m_mnuListPopInd = add("mnuListPopInd", Form1::tr("&Indent"), &Form1::mnuListPopInd_Click);
    m_mnuListPopUnind = add("mnuListPopUnind", Form1::tr("U&n-indent"), &Form1::mnuListPopUnind_Click);
    m_mnuListPopDefSel =
        add("mnuListPopDefSel", Form1::tr("&Make Default Selection"), &Form1::mnuListPopDefSel_Click);
    m_mnuListPopEdt = add("mnuListPopEdt", Form1::tr("&Edit"), &Form1::mnuListPopEdt_Click);
    m_mnuListPopRem = add("mnuListPopRem", Form1::tr("&Remove"), &Form1::mnuListPopRem_Click);
}

int Form1::currentPosition() const
{
    return d->m_lv->currentPosition();
}

// Each list command changes only the rows it acts on, through a MenuListEdit
// that records them for undo: its cost does not grow with the list.
void Form1::mnuListPopMovUp_Click()
{
    d->m_lv->setFocus();
    const int position = currentPosition();
    if (position < 2)
        return;
    // The two rows change places; the moved row keeps all four columns.
    MenuListEdit edit(d->m_model);
    edit.swap(position - 1, position);
    d->m_lv->setCurrentRow(position - 1);
    d->m_document->applyListEdit(tr("Move &Up"), std::move(edit), position);
}

void Form1::mnuListPopMovDn_Click()
{
    d->m_lv->setFocus();
    const int position = currentPosition();
    if (position < 1 || position >= d->m_model->count())
        return;
    MenuListEdit edit(d->m_model);
    edit.swap(position, position + 1);
    d->m_lv->setCurrentRow(position + 1);
    d->m_document->applyListEdit(tr("Move &Down"), std::move(edit), position);
}

// A dragged row keeps all four columns, as with Move Up and Move Down, and
// stays current; the rows it passes keep theirs.
void Form1Private::moveDroppedRow(int from, int to)
{
    const int count = m_model->count();
    if (from < 1 || from > count || to < 1 || to > count || from == to)
        return;
    m_lv->setFocus();
    MenuListEdit edit(m_model);
    edit.move(from, to);
    m_lv->setCurrentRow(to);
    m_document->applyListEdit(Form1::tr("Move Item"), std::move(edit), from);
}

void Form1::mnuListPopInd_Click()
{
    const int position = currentPosition();
    if (position == 0)
        return;
    const MenuItem &row = d->m_model->at(position);
    // At most one level, and never on a separator.
    if (row.isSeparator() || row.isIndented())
        return;
    MenuListEdit edit(d->m_model);
    edit.setText(position, menutext::kIndentPrefix + row.text);
    d->m_document->applyListEdit(tr("Indent"), std::move(edit), position);
}

void Form1::mnuListPopUnind_Click()
{
    const int position = currentPosition();
    if (position == 0 || !d->m_model->at(position).isIndented())
        return;
    MenuListEdit edit(d->m_model);
    edit.setText(position, d->m_model->at(position).text.mid(menutext::kIndentPrefix.size()));
    d->m_document->applyListEdit(tr("Un-indent"), std::move(edit), position);
}

void Form1::mnuListPopDefSel_Click()
{
    const int position = currentPosition();
    if (position == 0 || d->m_model->at(position).isDefault())
        return;
    MenuListEdit edit(d->m_model);
    d->transferDefaultSelection(edit, position);
    d->m_document->applyListEdit(tr("Make Default Selection"), std::move(edit), position);
}

void Form1::mnuListPopRem_Click()
{
    d->m_lv->setFocus();
    const int position = currentPosition();
    if (position == 0)
        return;
    // The row that takes the removed one's place becomes current (else the
    // new last row); the list stays where the user scrolled it.
    MenuListEdit edit(d->m_model);
    d->m_lv->withoutScrolling([&] {
        edit.remove(position);
        d->m_lv->setCurrentRow(qMin(position, d->m_model->count()));
    });
    d->m_document->applyListEdit(tr("Remove Item"), std::move(edit), position);
}

void Form1::tb2_ButtonClick(const QString &key)
{
    if (d->m_model->count() == 0)
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
    d->m_listClickBusy = true;
    d->m_rightButton = button == Qt::RightButton;
    d->m_pressGlobalPos = globalPos;
    d->armAvailabilityPass();
}

// A row was clicked. Once a pass has run for the row the click made current,
// a right click opens the popup menu at the mouse position.
void Form1::lv_ItemClick(int position)
{
    // A click that arrives while an earlier one waits is decided by that one,
    // with the flags of the latest press.
    if (d->m_waitingForPass)
        return;
    d->m_waitingForPass = true;
    QPointer<Form1> self(this);
    while (self && d->m_listClickBusy) {
        if (!d->m_timer1->isActive())
            d->m_timer1->start();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (!self)
        return;
    d->m_waitingForPass = false;
    if (d->m_rightButton && position >= 1 && position <= d->m_model->count())
        d->m_mnuListPop->popup(d->m_pressGlobalPos);
    d->m_rightButton = false;
}

bool Form1Private::listMouseEvent(QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    q->lv_MouseDown(mouse->button(), mouse->modifiers(), mouse->globalPosition().toPoint());
    const QModelIndex index = m_lv->indexAt(mouse->position().toPoint());
    if (index.isValid()) {
        // The row click is handled once the view has made the row current.
        const int position = index.row() + 1;
        QMetaObject::invokeMethod(
            q, [this, position] { q->lv_ItemClick(position); }, Qt::QueuedConnection);
    }
    return false;
}
