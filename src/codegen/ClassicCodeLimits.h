#pragma once

#include "menu/MenuItem.h"

#include <QString>
#include <QStringList>

// What the classic code writes unchanged and a browser then reads otherwise.
// These are warnings: the classic code stays as it is, and the HTML5 code
// escapes every text.
namespace classiccode {

// The reasons an entry does not come out in classic code as typed, empty when
// it does: a '"' in a link (written as a double-quoted value) ends the value;
// a '<' before a letter, '/', '!' or '?' in a text (written as the option's
// content) starts a tag or a comment. Separators and entries that classic
// code leaves out have none.
QStringList entryProblems(const MenuItem &item);

// Whether a menu name works in classic code, which calls
// gothere(document.NAME): the letters A–Z and a–z (no accents), the digits
// 0–9 and _, starting with a letter.
bool menuNameWorks(const QString &name);
// The warning shown while a name that does not work is typed, short and long.
QString menuNameWarning();
QString menuNameWarningDetail();

} // namespace classiccode
