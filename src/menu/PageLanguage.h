#pragma once

#include <QString>

// The language that the pages Quillnav writes in HTML5 declare (their `lang`):
// the saved code page and the preview pages. A project's own option, a BCP 47
// language tag; a project file without it means "en".
namespace pagelanguage {

inline const QString kDefault = QStringLiteral("en");

// Whether `tag` is written as a BCP 47 language tag (RFC 5646's syntax:
// language, extended language, script, region, variants, extensions and
// private use; the registry is not consulted).
bool isValid(const QString &tag);

// The option's name as windows and messages show it, and what a tag that is
// not valid is told.
QString caption();
QString problem();

// The language new projects take: the window's (set once its translation is
// chosen), "en" until then and on the command line.
QString forNewProjects();
void setForNewProjects(const QString &tag);

} // namespace pagelanguage
