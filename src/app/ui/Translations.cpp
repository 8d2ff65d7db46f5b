#include "app/ui/Translations.h"

#include "menu/PageLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {

void install(const QLocale &locale)
{
    const auto add = [&](const QString &name, const QString &folder) -> QTranslator * {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(locale, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return translator;
        }
        delete translator;
        return nullptr;
    };
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    add(QStringLiteral("qtbase"), qtFolder);
    add(QStringLiteral("qt_help"), qtFolder); // the help window's search
    // New projects' pages are in the language the window speaks.
    const QTranslator *own = add(QStringLiteral("quillnav"), QStringLiteral(":/i18n"));
    pagelanguage::setForNewProjects(own ? QLocale(own->language()).bcp47Name() : pagelanguage::kDefault);
}

} // namespace Translations
