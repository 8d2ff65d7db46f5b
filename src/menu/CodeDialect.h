#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The kind of code a project generates. Classic is the menu's original code,
// byte for byte; HTML5 is valid, escaped markup with one shared head script.
enum class CodeDialect { Classic = 0, Html5 = 1 };

namespace codedialect {
// The words a project file and the command line use.
inline QString key(CodeDialect d)
{
    return d == CodeDialect::Html5 ? QStringLiteral("html5") : QStringLiteral("classic");
}
// Reads a word of key(); false for anything else.
inline bool fromKey(const QString &word, CodeDialect *out)
{
    if (word == QLatin1String("classic"))
        *out = CodeDialect::Classic;
    else if (word == QLatin1String("html5"))
        *out = CodeDialect::Html5;
    else
        return false;
    return true;
}
// Captions of the choice in the main window, in enum order, in the user's language.
inline QStringList captions()
{
    return {QCoreApplication::translate("CodeDialect", "Classic"), QStringLiteral("HTML5")};
}
} // namespace codedialect
