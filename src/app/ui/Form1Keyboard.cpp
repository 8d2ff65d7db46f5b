// Keyboard access: keys of the list commands, Return in the item fields and
// on buttons, Undo and Redo in the text fields, double-click to edit, and the
// list's popup from the keyboard.
#include "app/ui/Form1.h"
#include "app/ui/Form1Private.h"

#include "app/ui/MenuListView.h"
#include "menu/MenuItemModel.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

void Form1Private::connectKeyboard()
{
    // Keys of the list commands, active while the list has the focus. The
    // commands' enabled states (from the availability pass) apply to the keys.
    const std::pair<const char *, QKeySequence> keys[] = {{"delete", QKeySequence(QKeySequence::Delete)},
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
    QObject::connect(popupKeys, &QAction::triggered, q, [this] { openListPopupAtCurrentRow(); });

    // The list toolbar's buttons can be reached with Tab; Return presses them
    // as it presses every push button that has the focus.
    for (QAction *action : m_tb2->actions()) {
        if (QWidget *button = m_tb2->widgetForAction(action)) {
            button->setFocusPolicy(Qt::TabFocus);
            button->installEventFilter(q);
        }
    }
    for (QPushButton *button : m_client->findChildren<QPushButton *>())
        button->setAutoDefault(true);
    // Return on the item check boxes adds (or updates) as in the item fields.
    for (QCheckBox *box : {m_chkindent, m_chksel, m_notlinkchk})
        box->installEventFilter(q);
    // Ctrl+Z goes to the text field while it has typing to take back, else to
    // the project's history; the same for Redo.
    for (QLineEdit *edit : m_client->findChildren<QLineEdit *>())
        edit->installEventFilter(q);
    // Once Ctrl+Z has gone past a field's typing to the project, Redo follows
    // the project too: the field forgets the typing it could redo.
    QObject::connect(m_mnuEditUndo, &QAction::triggered, q, [this] {
        auto *edit = qobject_cast<QLineEdit *>(q->focusWidget());
        if (edit && edit->isRedoAvailable())
            edit->setText(edit->text());
    });
    setFocusOrder();

    QObject::connect(m_itemtexttext, &QLineEdit::returnPressed, q, [this] { itemFieldReturn(); });
    QObject::connect(m_linktext, &QLineEdit::returnPressed, q, [this] { itemFieldReturn(); });
    QObject::connect(m_lv, &QAbstractItemView::doubleClicked, q, [this] {
        q->Timer1_Timer();
        if (m_mnuListPopEdt->isEnabled())
            q->mnuListPopEdt_Click();
    });
}

// Return runs Update while the fields hold a row loaded by Edit, else Add;
// each only when the availability pass allows it.
void Form1Private::itemFieldReturn()
{
    q->Timer1_Timer();
    if (m_editingRow && m_cmdup->isEnabled())
        q->cmdup_Click();
    else if (m_additemcmd->isEnabled())
        q->additemcmd_Click();
}

namespace {
bool isReturn(const QKeyEvent *key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
           && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}
} // namespace

// The window's keys on its fields and buttons; true when the event was used.
bool Form1Private::keyboardEvent(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // A text field claims Undo and Redo even with nothing to take back;
        // then the keys go on to the window's Undo and Redo.
        auto *edit = qobject_cast<QLineEdit *>(watched);
        auto *key = static_cast<QKeyEvent *>(event);
        const bool redoKey =
            key->matches(QKeySequence::Redo) || key->keyCombination() == (Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        if (edit
            && ((key->matches(QKeySequence::Undo) && !edit->isUndoAvailable())
                || (redoKey && !edit->isRedoAvailable()))) {
            event->ignore();
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress || !isReturn(static_cast<QKeyEvent *>(event)))
        return false;
    if (watched == m_chkindent || watched == m_chksel || watched == m_notlinkchk) {
        itemFieldReturn();
        return true;
    }
    auto *button = qobject_cast<QToolButton *>(watched);
    if (button && button->parent() == m_tb2) {
        if (button->isEnabled())
            button->click();
        return true;
    }
    return false;
}

// The popup opens under the current row, its entries computed for that row.
void Form1Private::openListPopupAtCurrentRow()
{
    const int position = q->currentPosition();
    if (position == 0)
        return;
    q->Timer1_Timer();
    const QRect row = m_lv->visualRect(m_model->index(position - 1, 0));
    const QPoint at = m_lv->viewport()->rect().intersects(row) ? row.bottomLeft() : QPoint(0, 0);
    m_mnuListPop->popup(m_lv->viewport()->mapToGlobal(at));
}
