#pragma once

#include <QString>

// How a message names an entry of the item list: by its number as the list
// shows it (1-based) and, when known, its text, cut short and with control,
// format and other invisible characters written as escapes, so that a
// message printed on a terminal or shown in a window cannot be garbled by
// what the entry holds.
namespace entryname {

// At most this many characters of an entry's text are shown.
inline constexpr qsizetype kShownCharacters = 40;

// `entry 3 ("About us")` for the item at index 2 of the list; `entry 3`
// when `text` is null.
QString of(qsizetype index, const QString *text);

// The text as shown between the quotes: escaped and cut to kShownCharacters.
QString shown(const QString &text);

} // namespace entryname
