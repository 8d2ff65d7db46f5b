#pragma once

#include <QHash>
#include <QString>

// The declarations of a style attribute, property (lower case) -> value, the
// last one of a property winning. Semicolons inside quoted strings and
// escapes are respected; a quoted value comes back unquoted and unescaped.
QHash<QString, QString> ParseCssDeclarations(const QString &style);
