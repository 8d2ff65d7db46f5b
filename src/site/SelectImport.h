#pragma once

#include "menu/MenuProject.h"
#include "site/PageSelects.h"

#include <QStringList>

// Turns one list of a page into a menu project.
//
// Code that Quillnav wrote comes back as the project it was made from: the
// classic code gives the items, the menu name, the link target and frame name
// (from the page's gothere() script), the navigation, the button (text or
// picture, with its alignment); the HTML5 code gives the same and the list's
// and the button's styles as far as its CSS carries them. A list from any
// other page follows these rules:
// - an option's text is its item text, its value the link; an option that is
//   disabled, or has an empty value, "#" or "nolink" is not linked;
// - a text of dashes only (-, en and em dashes, box lines, '_', '=') on an
//   entry without link is a separator;
// - texts are what the list shows (a label, else the text, white space
//   collapsed); an option without a value submits its text, so links to it;
//   hidden options are left out, those of a disabled <optgroup> have no link;
// - leading non-breaking or ideographic spaces indent an entry when it has
//   more of them than the least indented entries (the menu has one level);
//   options of an <optgroup> are indented under an entry without link for the
//   group; an <hr> in the list is a separator;
// - `selected` makes the default selection (the last one, as in a browser,
//   with a note when there are several), except on a first entry without
//   link, which is only the list's caption;
// - a list with an onchange handler navigates on a change, else on a button;
//   a form target "_blank" opens a new window, another name a frame;
// - the menu name is the form's name, else the list's name or id, when it is a
//   script name; else "importedMenu". The code dialect is HTML5, which
//   escapes the texts that came from the page.
namespace SelectImport {

enum class Origin { Classic, Html5, Other };

Origin originOf(const PageSelect &select);

// Whether the list sends the browser somewhere: it has an onchange handler
// or a button, or most of its values look like addresses.
bool navigates(const PageSelect &select);

// The name a user knows the list by: the menu name for Quillnav's own code,
// else its name or id; empty when it has none.
QString displayName(const PageSelect &select);

// A raw option text made into an item text as the list shows it: ASCII white
// space stripped at both ends and collapsed inside, control characters and
// direction overrides removed, non-breaking spaces made spaces. A leading
// run of non-breaking or ideographic spaces is removed too; `indent` gets the
// count of those spaces (ordinary spaces never indent).
QString cleanText(const QString &raw, int *indent);

// Converts a list. False when it has no entries or the menu could not be held
// (its code would pass the project's limit); `notes` gets what was cut or
// left out.
bool toProject(const PageSelect &select, const QString &classicScript, MenuProject *project,
               QStringList *notes, QString *error);

} // namespace SelectImport
