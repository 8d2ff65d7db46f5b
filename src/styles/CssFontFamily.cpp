#include "styles/CssFontFamily.h"

#include <QRegularExpression>

namespace cssfont {

QString familyName(const QString &qtFamily)
{
    if (!qtFamily.endsWith(QLatin1Char(']'))) // most names: no pattern to run at start-up
        return qtFamily;
    static const QRegularExpression foundry(QStringLiteral("^(.*\\S) \\[[^\\[\\]]*\\]$"));
    const QRegularExpressionMatch m = foundry.match(qtFamily);
    return m.hasMatch() ? m.captured(1) : qtFamily;
}

bool isGeneric(const QString &word)
{
    return word == QLatin1String("serif") || word == QLatin1String("sans-serif")
           || word == QLatin1String("monospace");
}

QString genericFor(const QString &qtFamily, bool fixedPitch)
{
    static const QRegularExpression mono(QStringLiteral("mono|courier|consol|typewriter|\\bcode\\b|fixed"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression sans(QStringLiteral("sans|grotesk|gothic|\\bhei\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    // Words of serif faces: the generic word itself, the classic book and
    // newspaper faces and their metric clones, and the CJK serif styles.
    static const QRegularExpression serif(
        QStringLiteral("serif|roman|\\b(times|tinos|georgia|garamond|book|bookman|schoolbook|century|"
                       "palatino|palladio|p052|c059|baskerville|bodoni|caslon|didot|cambria|caladea|"
                       "minion|charter|gentium|constantia|crimson|merriweather|lora|playfair|"
                       "antiqua|mincho|ming|song|batang|myeongjo|cormorant|libertine|utopia)"),
        QRegularExpression::CaseInsensitiveOption);
    const QString name = familyName(qtFamily);
    if (fixedPitch || mono.match(name).hasMatch())
        return QStringLiteral("monospace");
    if (sans.match(name).hasMatch())
        return QStringLiteral("sans-serif");
    return serif.match(name).hasMatch() ? QStringLiteral("serif") : QStringLiteral("sans-serif");
}

} // namespace cssfont
