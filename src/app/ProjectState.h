#pragma once

#include "menu/MenuProject.h"

#include <QString>

// What one step of the undo history restores: the project, the row that was
// current (1-based, 0 for none) and, for New and Load, the project's file.
struct ProjectState {
    MenuProject project;
    int current = 0;
    QString filePath;
    // False when the step did not change the list: the state holds no copy of
    // it, and restoring it leaves the list as it is.
    bool withItems = true;
};
