#include "app/ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {

void install(const QLocale &locale)
{
    const auto add = [&](const QString &name, const QString &folder) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(locale, name, QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    };
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    add(QStringLiteral("qtbase"), qtFolder);
    add(QStringLiteral("qt_help"), qtFolder); // the help window's search
    add(QStringLiteral("quillnav"), QStringLiteral(":/i18n"));
}

} // namespace Translations
