#include "app/ui/Form1.h"
#include "app/ui/Form1Private.h"

#include "app/MenuDocument.h"
#include "app/ui/MenuListView.h"
#include "menu/MenuItemModel.h"
#include "server/ui/TransferActions.h"

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
void Form1Private::armAvailabilityPass()
{
    m_timer1->start();
}

void Form1Private::connectAvailabilityInputs()
{
    QObject::connect(m_itemtexttext, &QLineEdit::textChanged, q, [this] { armAvailabilityPass(); });
    QObject::connect(m_linktext, &QLineEdit::textChanged, q, [this] { armAvailabilityPass(); });
    for (QCheckBox *box : {m_notlinkchk, m_chkindent, m_chksel})
        QObject::connect(box, &QCheckBox::toggled, q, [this] { armAvailabilityPass(); });

    QObject::connect(m_model, &QAbstractItemModel::rowsInserted, q, [this] { armAvailabilityPass(); });
    QObject::connect(m_model, &QAbstractItemModel::rowsRemoved, q, [this] { armAvailabilityPass(); });
    QObject::connect(m_model, &QAbstractItemModel::dataChanged, q, [this] { armAvailabilityPass(); });
    QObject::connect(m_model, &QAbstractItemModel::modelReset, q, [this] { armAvailabilityPass(); });
    QObject::connect(m_model, &QAbstractItemModel::layoutChanged, q, [this] { armAvailabilityPass(); });
    QObject::connect(m_model, &QAbstractItemModel::rowsMoved, q, [this] { armAvailabilityPass(); });
    QObject::connect(m_lv->selectionModel(), &QItemSelectionModel::currentChanged, q,
                     [this] { armAvailabilityPass(); });
}

// The availability pass: every enabled state that depends on the item fields
// and the list is set here and nowhere else. It reads only the row count, the
// current row and the fields, so its cost does not grow with the list.
void Form1::Timer1_Timer()
{
    const int n = d->m_model->count();

    for (const char *key : {"saveproj", "savecodeclip", "savecodefile", "preview"})
        d->toolbarAction(QLatin1String(key))->setEnabled(n > 0);
    d->m_mnuFileSaveProj->setEnabled(n >= 1);
    d->m_mnuFileCodeFile->setEnabled(n >= 1);
    d->m_mnuFileCopy->setEnabled(n >= 1);
    d->m_mnuPrevBr->setEnabled(n >= 1);
    d->m_mnuFileSaveAs->setEnabled(n >= 1);
    const QString noTransfer = d->m_transfer->unavailableReason();
    for (QAction *transfer : {d->m_mnuUploadToServer, d->m_mnuGetFromServer}) {
        transfer->setEnabled(noTransfer.isEmpty());
        transfer->setToolTip(noTransfer);
    }

    const QUndoStack *history = d->m_document->undoStack();
    d->m_mnuEditUndo->setEnabled(history->canUndo());
    d->m_mnuEditUndo->setText(history->canUndo() ? tr("&Undo %1").arg(history->undoText()) : tr("&Undo"));
    d->m_mnuEditRedo->setEnabled(history->canRedo());
    d->m_mnuEditRedo->setText(history->canRedo() ? tr("&Redo %1").arg(history->redoText()) : tr("&Redo"));

    // Blanks count as text: emptiness is an exact comparison.
    const bool ready = !d->m_itemtexttext->text().isEmpty()
                       && (!d->m_linktext->text().isEmpty() || d->m_notlinkchk->isChecked());
    d->m_additemcmd->setEnabled(ready);
    d->m_cmdup->setEnabled(ready && n > 0);
    d->m_mnuInsertBelow->setEnabled(ready);

    const int i = currentPosition();
    const bool haveRow = n >= 1 && i >= 1;
    const MenuItem *r = haveRow ? &d->m_model->at(i) : nullptr;
    const bool sep = r && r->isSeparator();
    const bool ind = r && r->isIndented();
    const bool def = r && r->isDefault();

    auto set = [this](const char *key, QAction *popupEntry, bool enabled) {
        d->listToolbarAction(QLatin1String(key))->setEnabled(enabled);
        popupEntry->setEnabled(enabled);
    };
    set("edit", d->m_mnuListPopEdt, haveRow && !sep);
    set("delete", d->m_mnuListPopRem, haveRow);
    set("selected", d->m_mnuListPopDefSel, haveRow && !def);
    set("movup", d->m_mnuListPopMovUp, haveRow && n > 1 && i != 1);
    set("movdn", d->m_mnuListPopMovDn, haveRow && n > 1 && i != n);
    set("indent", d->m_mnuListPopInd, haveRow && !ind && !sep);
    set("unindent", d->m_mnuListPopUnind, haveRow && ind);

    d->m_listClickBusy = false;
}
