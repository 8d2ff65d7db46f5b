#include "app/ProjectChangeCommand.h"

#include "app/MenuDocument.h"

#include <utility>

ProjectChangeCommand::ProjectChangeCommand(MenuDocument *document, const QString &text, ProjectState before,
                                           ProjectState after, int mergeId, bool changesFile)
    : QUndoCommand(text), m_document(document), m_before(std::move(before)), m_after(std::move(after)),
      m_mergeId(mergeId), m_changesFile(changesFile)
{
}

void ProjectChangeCommand::undo()
{
    m_document->restoreState(m_before, m_changesFile);
    m_done = false;
}

void ProjectChangeCommand::redo()
{
    if (!m_done)
        m_document->restoreState(m_after, m_changesFile);
    m_done = true;
}

bool ProjectChangeCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const ProjectChangeCommand *>(other);
    m_after = next->m_after;
    setObsolete(m_after.project == m_before.project);
    return true;
}
