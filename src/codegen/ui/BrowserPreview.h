#pragma once

#include "menu/MenuProject.h"

class PreviewSession;
class QWidget;

// The browser preview after the menu options passed their checks: refuses a
// graphic button without address ("Oops!"), generates the preview code,
// writes the three pages through the session and opens the frameset page.
// A page that cannot be written is reported in a message box and nothing is
// opened. When no program opens the page (none found, it does not start,
// or it ends with an error at once), a message names the program and the
// page's path, later if need be. Returns true when a program was started.
bool RunBrowserPreview(QWidget *owner, const MenuProject &project, PreviewSession &session);
