#pragma once

#include "menu/MenuProject.h"

#include <QString>

// The classic code writes an entry's text and link as they are, so an entry
// holding a comment's opening or end ("<!--", "-->", "--!>") would put into
// each page a comment, or the end of one, that Quillnav did not write: the
// menu's marks could then no longer be found and the pages would be stuck.
// Such a menu is refused for publishing in classic code (the HTML5 code
// escapes these texts).
namespace ClassicEntryMarks {

// Why the project cannot be published in classic code, naming the first
// entry at fault; empty when it can (or when it is not in classic code).
QString problem(const MenuProject &project);

} // namespace ClassicEntryMarks
