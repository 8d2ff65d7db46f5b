#pragma once

#include "codegen/MenuCodeGenerator.h"

// The HTML5 dialect of the menu code, from the same project snapshot as the
// classic code:
// - the head fragment is one script, the same for every menu, that finds each
//   menu by its data-quillnav attribute (several menus with different targets
//   can share a page, and the script works moved to an external file);
// - the body fragment is a form without inline handlers: a visually hidden
//   label tied to the list, the list, the button (for navigation on a button
//   click) and a <noscript> list of the linked entries as plain links;
// - every text and address is escaped for its context; the style records
//   become CSS declarations, and values that are not valid CSS are left out;
// - separators and entries without link are disabled options; a default
//   selection without link shows as the list's first caption and cannot be
//   chosen.
// In the mode "preview" the body carries the preview decorations.
MenuCode GenerateHtml5MenuCode(const QString &mode, const MenuProject &project,
                               MenuCodeSpans *spans = nullptr);
// The body fragment of GenerateHtml5MenuCode appended piece by piece, the
// items walked apart (see AppendMenuBody).
void AppendHtml5MenuBody(TextBuilder &out, const QString &mode, const MenuProject &project,
                         const MenuItems &items);

// The HTML5 head fragment; it does not depend on the project.
QString Html5HeadFragment();
