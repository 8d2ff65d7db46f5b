#include "app/ui/ListEditCommand.h"

#include "app/ui/Form1.h"

#include <utility>

ListEditCommand::ListEditCommand(Form1 *window, const QString &text, MenuListEdit edit,
                                 int currentBefore, int currentAfter)
    : QUndoCommand(text), m_window(window), m_edit(std::move(edit)),
      m_currentBefore(currentBefore), m_currentAfter(currentAfter)
{
}

void ListEditCommand::undo()
{
    m_edit.undo();
    m_window->showCurrentRow(m_currentBefore);
    m_done = false;
}

void ListEditCommand::redo()
{
    if (m_done)
        return;
    m_edit.redo();
    m_window->showCurrentRow(m_currentAfter);
    m_done = true;
}
