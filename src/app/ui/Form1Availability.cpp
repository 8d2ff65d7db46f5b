#include "app/ui/Form1.h"

#include "app/ui/MenuListView.h"
#include "menu/MenuItemModel.h"

#include <QAction>
#include <QCheckBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QUndoStack>

// Requests one availability pass. Every input of the pass (item fields, rows,
// current row, a press on the list) calls this when it changes, so a pass
// follows every change before the user can act on a stale state.
void Form1::armAvailabilityPass()
{
    m_timer1->start();
}

void Form1::connectAvailabilityInputs()
{
    connect(m_itemtexttext, &QLineEdit::textChanged, this, &Form1::armAvailabilityPass);
    connect(m_linktext, &QLineEdit::textChanged, this, &Form1::armAvailabilityPass);
    for (QCheckBox *box : {m_notlinkchk, m_chkindent, m_chksel})
        connect(box, &QCheckBox::toggled, this, &Form1::armAvailabilityPass);

    connect(m_model, &QAbstractItemModel::rowsInserted, this, &Form1::armAvailabilityPass);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &Form1::armAvailabilityPass);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &Form1::armAvailabilityPass);
    connect(m_model, &QAbstractItemModel::modelReset, this, &Form1::armAvailabilityPass);
    connect(m_model, &QAbstractItemModel::layoutChanged, this, &Form1::armAvailabilityPass);
    connect(m_model, &QAbstractItemModel::rowsMoved, this, &Form1::armAvailabilityPass);
    connect(m_lv->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Form1::armAvailabilityPass);
}

// The availability pass: every enabled state that depends on the item fields
// and the list is set here and nowhere else. It reads only the row count, the
// current row and the fields, so its cost does not grow with the list.
void Form1::Timer1_Timer()
{
    const int n = m_model->count();

    for (const char *key : {"saveproj", "savecodeclip", "savecodefile", "preview"})
        toolbarAction(QLatin1String(key))->setEnabled(n > 0);
    m_mnuFileSaveProj->setEnabled(n >= 1);
    m_mnuFileCodeFile->setEnabled(n >= 1);
    m_mnuFileCopy->setEnabled(n >= 1);
    m_mnuPrevBr->setEnabled(n >= 1);
    m_mnuFileSaveAs->setEnabled(n >= 1);

    m_mnuEditUndo->setEnabled(m_undoStack->canUndo());
    m_mnuEditUndo->setText(m_undoStack->canUndo() ? tr("&Undo %1").arg(m_undoStack->undoText())
                                                  : tr("&Undo"));
    m_mnuEditRedo->setEnabled(m_undoStack->canRedo());
    m_mnuEditRedo->setText(m_undoStack->canRedo() ? tr("&Redo %1").arg(m_undoStack->redoText())
                                                  : tr("&Redo"));

    // Blanks count as text: emptiness is an exact comparison.
    const bool ready = !m_itemtexttext->text().isEmpty()
                       && (!m_linktext->text().isEmpty() || m_notlinkchk->isChecked());
    m_additemcmd->setEnabled(ready);
    m_cmdup->setEnabled(ready && n > 0);
    m_mnuInsertBelow->setEnabled(ready);

    const int i = currentPosition();
    const bool haveRow = n >= 1 && i >= 1;
    const MenuItem *r = haveRow ? &m_model->at(i) : nullptr;
    const bool sep = r && r->isSeparator();
    const bool ind = r && r->isIndented();
    const bool def = r && r->isDefault();

    auto set = [this](const char *key, QAction *popupEntry, bool enabled) {
        listToolbarAction(QLatin1String(key))->setEnabled(enabled);
        popupEntry->setEnabled(enabled);
    };
    set("edit", m_mnuListPopEdt, haveRow && !sep);
    set("delete", m_mnuListPopRem, haveRow);
    set("selected", m_mnuListPopDefSel, haveRow && !def);
    set("movup", m_mnuListPopMovUp, haveRow && n > 1 && i != 1);
    set("movdn", m_mnuListPopMovDn, haveRow && n > 1 && i != n);
    set("indent", m_mnuListPopInd, haveRow && !ind && !sep);
    set("unindent", m_mnuListPopUnind, haveRow && ind);

    m_listClickBusy = false;
}
