#pragma once

// Weighed and kept: a CSS parser was weighed (Qt's own is private API; a
// library would be a new dependency). What is read here is small: the
// declarations of a style attribute, no selectors or rules, and the classic
// code's "name='value'" texts are no CSS at all, so a parser would cover
// only half and still need this for the rest. Quoted strings and escapes,
// the one place such texts go wrong, are handled here and tested.

#include <QHash>
#include <QString>
#include <QStringList>

// The declarations of a style attribute, property (lower case) -> value, the
// last one of a property winning. Semicolons inside quoted strings and
// escapes are respected; a quoted value comes back unquoted and unescaped.
QHash<QString, QString> ParseCssDeclarations(const QString &style);

// The families of the last "font-family" declaration, in order: a quoted name
// unquoted, an unquoted one with its blanks made single (generic names such
// as serif come as written).
QStringList ParseCssFontFamilies(const QString &style);

// The declarations of a style attribute in the form that Quillnav's classic
// code writes, "name='value'; name=value", read into CSS values (keywords in
// lower case, "border-style: none" where colours come without a border), so
// that they read as the same declarations in CSS; the lengths (width, height,
// border-width) and colours stay as written, the text of their boxes.
QHash<QString, QString> ParseClassicStyle(const QString &style);
