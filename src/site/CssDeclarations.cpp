#include "site/CssDeclarations.h"

namespace {

bool isHex(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// A quoted CSS string starting at `at` (the quote); moves `at` past its end.
QString readString(const QString &s, qsizetype &at)
{
    const QChar quote = s.at(at++);
    QString out;
    while (at < s.size() && s.at(at) != quote) {
        if (s.at(at) != u'\\' || at + 1 >= s.size()) {
            out += s.at(at++);
            continue;
        }
        ++at;
        if (!isHex(s.at(at))) {
            out += s.at(at++);
            continue;
        }
        qsizetype end = at;
        while (end < s.size() && end - at < 6 && isHex(s.at(end)))
            ++end;
        const char32_t code = char32_t(s.mid(at, end - at).toUInt(nullptr, 16));
        out += code > 0 && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF)
                   ? QString::fromUcs4(&code, 1)
                   : QString(QChar::ReplacementCharacter);
        at = end;
        if (at < s.size() && s.at(at) == u' ')
            ++at;
    }
    ++at;
    return out;
}

} // namespace

namespace {

// Walks the declarations; for each, its property (lower case), its value
// (quoted strings unquoted) and the value's comma-separated parts (each a
// quoted string or a trimmed run of text outside quotes).
template <typename Declaration> void walkDeclarations(const QString &style, Declaration declaration)
{
    qsizetype at = 0;
    while (at < style.size()) {
        const qsizetype colon = style.indexOf(u':', at);
        const qsizetype semicolon = style.indexOf(u';', at);
        if (colon < 0)
            break;
        if (semicolon >= 0 && semicolon < colon) {
            at = semicolon + 1;
            continue;
        }
        const QString property = style.mid(at, colon - at).trimmed().toLower();
        at = colon + 1;
        QString value;
        QString text; // the quoted strings, which keep their spaces
        bool quoted = false;
        QStringList parts;
        QString part;
        bool partQuoted = false;
        auto endPart = [&] {
            parts << (partQuoted ? part : part.simplified());
            part.clear();
            partQuoted = false;
        };
        while (at < style.size() && style.at(at) != u';') {
            const QChar c = style.at(at);
            if (c == u'\'' || c == u'"') {
                const QString string = readString(style, at);
                text += string;
                part = partQuoted ? part + string : string;
                quoted = partQuoted = true;
            } else {
                if (c == u',')
                    endPart();
                else if (!partQuoted)
                    part += c;
                value += style.at(at++);
            }
        }
        endPart();
        ++at;
        declaration(property, quoted ? text : value.trimmed(), parts);
    }
}

} // namespace

QHash<QString, QString> ParseCssDeclarations(const QString &style)
{
    QHash<QString, QString> result;
    walkDeclarations(style, [&](const QString &property, const QString &value, const QStringList &) {
        result.insert(property, value);
    });
    return result;
}

QStringList ParseCssFontFamilies(const QString &style)
{
    QStringList families;
    walkDeclarations(style, [&](const QString &property, const QString &, const QStringList &parts) {
        if (property == QLatin1String("font-family"))
            families = parts;
    });
    return families;
}

QHash<QString, QString> ParseClassicStyle(const QString &style)
{
    QHash<QString, QString> result;
    for (const QString &declaration : style.split(u';')) {
        const qsizetype equals = declaration.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString property = declaration.left(equals).trimmed().toLower();
        QString value = declaration.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'\'') && value.endsWith(u'\''))
            value = value.mid(1, value.size() - 2);
        if (property != QLatin1String("width") && property != QLatin1String("height")
            && property != QLatin1String("border-width") && property != QLatin1String("font-family")
            && !property.endsWith(QLatin1String("color")))
            value = value.toLower();
        result.insert(property, value);
    }
    if (result.contains(QStringLiteral("color")) && !result.contains(QStringLiteral("border-style")))
        result.insert(QStringLiteral("border-style"), QStringLiteral("none"));
    return result;
}
