#include "app/ui/Translations.h"

#include "menu/PageLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {

void install(const QLocale &locale)
{
    const auto add = [&](const QLocale &language, const QString &name,
                         const QString &folder) -> QTranslator * {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(language, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return translator;
        }
        delete translator;
        return nullptr;
    };
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    add(locale, QStringLiteral("qtbase"), qtFolder);
    add(locale, QStringLiteral("qt_help"), qtFolder); // the help window's search
    // New projects' pages are in the language the window speaks. Without a
    // translation the texts stay English, whose plural forms ("1 page",
    // "2 pages") come from the English file (plural forms only).
    if (const QTranslator *own = add(locale, QStringLiteral("quillnav"), QStringLiteral(":/i18n")))
        pagelanguage::setForNewProjects(QLocale(own->language()).bcp47Name());
    else {
        add(QLocale(QLocale::English), QStringLiteral("quillnav"), QStringLiteral(":/i18n"));
        pagelanguage::setForNewProjects(pagelanguage::kDefault);
    }
    // Numbers in the windows' texts are written as the system's language writes them.
    QLocale::setDefault(locale);
}

} // namespace Translations
