#pragma once

#include <QLocale>

namespace Translations {

// Installs, on the running application, Qt's own translations (the texts of
// its dialogs, message buttons and help search, from Qt's translations folder)
// and Quillnav's (built in as :/i18n/quillnav_<lang>.qm) for the first of
// `locale`'s languages that has them (else the English plural forms), makes
// that language (English without them) the one new projects' pages declare,
// and makes `locale` the default, so that numbers in texts are written as its
// language writes them. Only the windows call it: the command line stays English.
void install(const QLocale &locale = QLocale());

} // namespace Translations
