#include "app/ui/ProjectChangeCommand.h"

#include "app/ui/Form1.h"

#include <utility>

ProjectChangeCommand::ProjectChangeCommand(Form1 *window, const QString &text,
                                           ProjectState before, ProjectState after, int mergeId,
                                           bool changesFile)
    : QUndoCommand(text), m_window(window), m_before(std::move(before)),
      m_after(std::move(after)), m_mergeId(mergeId), m_changesFile(changesFile)
{
}

void ProjectChangeCommand::undo()
{
    m_window->restoreProjectState(m_before, m_changesFile);
    m_done = false;
}

void ProjectChangeCommand::redo()
{
    if (!m_done)
        m_window->restoreProjectState(m_after, m_changesFile);
    m_done = true;
}

bool ProjectChangeCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const ProjectChangeCommand *>(other);
    m_after = next->m_after;
    setObsolete(m_after.project == m_before.project);
    return true;
}
