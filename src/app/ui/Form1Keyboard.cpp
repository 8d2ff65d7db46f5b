// Keyboard access: keys of the list commands, Return in the item fields,
// double-click to edit, and the list's popup from the keyboard.
#include "app/ui/Form1.h"

#include "app/ui/MenuListView.h"
#include "menu/MenuItemModel.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>

void Form1::connectKeyboard()
{
    // Keys of the list commands, active while the list has the focus. The
    // commands' enabled states (from the availability pass) apply to the keys.
    const std::pair<const char *, QKeySequence> keys[] = {
        {"delete", QKeySequence(QKeySequence::Delete)},
        {"movup", QKeySequence(Qt::CTRL | Qt::Key_Up)},
        {"movdn", QKeySequence(Qt::CTRL | Qt::Key_Down)}};
    for (const auto &[key, sequence] : keys) {
        QAction *action = listToolbarAction(QLatin1String(key));
        action->setShortcut(sequence);
        action->setShortcutContext(Qt::WidgetShortcut);
        m_lv->addAction(action);
    }
    auto *popupKeys = new QAction(m_lv);
    popupKeys->setObjectName(QStringLiteral("lvPopupKeys"));
    popupKeys->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    popupKeys->setShortcutContext(Qt::WidgetShortcut);
    m_lv->addAction(popupKeys);
    connect(popupKeys, &QAction::triggered, this, &Form1::openListPopupAtCurrentRow);

    // The list toolbar's buttons can be reached with Tab.
    for (QAction *action : m_tb2->actions()) {
        if (QWidget *button = m_tb2->widgetForAction(action))
            button->setFocusPolicy(Qt::TabFocus);
    }

    connect(m_itemtexttext, &QLineEdit::returnPressed, this, &Form1::itemFieldReturn);
    connect(m_linktext, &QLineEdit::returnPressed, this, &Form1::itemFieldReturn);
    connect(m_lv, &QAbstractItemView::doubleClicked, this, [this] {
        Timer1_Timer();
        if (m_mnuListPopEdt->isEnabled())
            mnuListPopEdt_Click();
    });
}

// Return runs Update while the fields hold a row loaded by Edit, else Add;
// each only when the availability pass allows it.
void Form1::itemFieldReturn()
{
    Timer1_Timer();
    if (m_editingRow && m_cmdup->isEnabled())
        cmdup_Click();
    else if (m_additemcmd->isEnabled())
        additemcmd_Click();
}

// The popup opens under the current row, its entries computed for that row.
void Form1::openListPopupAtCurrentRow()
{
    const int position = currentPosition();
    if (position == 0)
        return;
    Timer1_Timer();
    const QRect row = m_lv->visualRect(m_model->index(position - 1, 0));
    const QPoint at = m_lv->viewport()->rect().intersects(row) ? row.bottomLeft() : QPoint(0, 0);
    m_mnuListPop->popup(m_lv->viewport()->mapToGlobal(at));
}
