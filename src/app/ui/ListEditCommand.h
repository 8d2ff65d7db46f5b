#pragma once

#include "menu/MenuListEdit.h"

#include <QUndoCommand>

class Form1;

// One undoable change of the item list: the rows it touched and the row that
// was current before and after it, nothing of the rest of the project. The
// change has already been made when the command is pushed, so its first redo
// does nothing.
class ListEditCommand : public QUndoCommand {
public:
    ListEditCommand(Form1 *window, const QString &text, MenuListEdit edit, int currentBefore,
                    int currentAfter);

    void undo() override;
    void redo() override;

private:
    Form1 *m_window;
    MenuListEdit m_edit;
    int m_currentBefore;
    int m_currentAfter;
    bool m_done = true;
};
