#pragma once

#include "menu/MenuListEdit.h"

#include <QUndoCommand>

class MenuDocument;

// One undoable change of the item list: the rows it touched and the row that
// was current before and after it, nothing of the rest of the project. The
// change has already been made when the command is pushed, so its first redo
// does nothing.
class ListEditCommand : public QUndoCommand {
public:
    ListEditCommand(MenuDocument *document, const QString &text, MenuListEdit edit, int currentBefore,
                    int currentAfter);

    void undo() override;
    void redo() override;

private:
    MenuDocument *m_document;
    MenuListEdit m_edit;
    int m_currentBefore;
    int m_currentAfter;
    bool m_done = true;
};
