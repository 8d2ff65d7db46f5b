#pragma once

#include "app/ProjectState.h"

#include <QUndoCommand>

class MenuDocument;

// One undoable change of the project, kept as the whole project before and
// after it. The change has already been made when the command is pushed, so
// its first redo does nothing. Commands with the same merge id (typing in one
// option field) merge into one step; a step that ends where it began goes.
class ProjectChangeCommand : public QUndoCommand {
public:
    ProjectChangeCommand(MenuDocument *document, const QString &text, ProjectState before, ProjectState after,
                         int mergeId = -1, bool changesFile = false);

    void undo() override;
    void redo() override;
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    MenuDocument *m_document;
    ProjectState m_before;
    ProjectState m_after;
    int m_mergeId;
    bool m_changesFile;
    bool m_done = true;
};
