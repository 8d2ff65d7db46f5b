#pragma once

#include "menu/MenuProject.h"

class PreviewSession;
class QWidget;

// The browser preview after the menu options passed their checks: refuses a
// graphic button without address ("Oops!"), generates the preview code,
// writes the three pages through the session and opens the frameset page.
// A page that cannot be written is reported in a message box and nothing is
// opened. When the desktop cannot open the page, a message names the page's
// path. Returns true when the browser was asked to open the preview.
bool RunBrowserPreview(QWidget *owner, const MenuProject &project, PreviewSession &session);
