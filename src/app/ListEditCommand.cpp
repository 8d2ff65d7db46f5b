#include "app/ListEditCommand.h"

#include "app/MenuDocument.h"

#include <utility>

ListEditCommand::ListEditCommand(MenuDocument *document, const QString &text, MenuListEdit edit,
                                 int currentBefore, int currentAfter)
    : QUndoCommand(text), m_document(document), m_edit(std::move(edit)), m_currentBefore(currentBefore),
      m_currentAfter(currentAfter)
{
}

void ListEditCommand::undo()
{
    m_edit.undo();
    emit m_document->currentRowRequested(m_currentBefore, true);
    m_done = false;
}

void ListEditCommand::redo()
{
    if (m_done)
        return;
    m_edit.redo();
    emit m_document->currentRowRequested(m_currentAfter, true);
    m_done = true;
}
