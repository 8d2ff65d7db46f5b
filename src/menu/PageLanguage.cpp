#include "menu/PageLanguage.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace pagelanguage {

namespace {
QString &newProjects()
{
    static QString tag = kDefault;
    return tag;
}
} // namespace

bool isValid(const QString &tag)
{
    // RFC 5646, 2.1 (langtag or privateuse; the grandfathered tags left out).
    static const QRegularExpression syntax(
        QStringLiteral("\\A(?:(?:[a-z]{2,3}(?:-[a-z]{3}){0,3}|[a-z]{4,8})" // language, extlang
                       "(?:-[a-z]{4})?"                                    // script
                       "(?:-(?:[a-z]{2}|[0-9]{3}))?"                       // region
                       "(?:-(?:[a-z0-9]{5,8}|[0-9][a-z0-9]{3}))*"          // variants
                       "(?:-[0-9a-wy-z](?:-[a-z0-9]{2,8})+)*"              // extensions
                       "(?:-x(?:-[a-z0-9]{1,8})+)?"                        // private use
                       "|x(?:-[a-z0-9]{1,8})+)\\z"),
        QRegularExpression::CaseInsensitiveOption);
    return tag.size() <= 256 && syntax.match(tag).hasMatch();
}

QString caption()
{
    return QCoreApplication::translate("PageLanguage", "Language of the page");
}

QString problem()
{
    return QCoreApplication::translate("PageLanguage", "must be a language tag such as en, de or pt-BR");
}

QString forNewProjects()
{
    return newProjects();
}

void setForNewProjects(const QString &tag)
{
    newProjects() = isValid(tag) ? tag : kDefault;
}

} // namespace pagelanguage
