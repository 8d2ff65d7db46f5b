#include "codegen/WebEscape.h"

#include <QList>

#include <algorithm>

namespace webescape {

namespace {
bool isControl(char32_t c)
{
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || (c >= 0x7F && c < 0xA0);
}
} // namespace

QString html(QStringView text)
{
    const bool plain = std::none_of(text.begin(), text.end(), [](QChar c) {
        return c == u'&' || c == u'<' || c == u'>' || c == u'"' || c == u'\'' || c.isSurrogate()
               || isControl(c.unicode());
    });
    if (plain) // the common case: nothing to replace
        return text.toString();
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case '&': out += QLatin1StringView("&amp;"); continue;
        case '<': out += QLatin1StringView("&lt;"); continue;
        case '>': out += QLatin1StringView("&gt;"); continue;
        case '"': out += QLatin1StringView("&quot;"); continue;
        case '\'': out += QLatin1StringView("&#39;"); continue;
        default: break;
        }
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += c;
            out += text.at(++i);
        } else if (c.isSurrogate() || isControl(c.unicode())) {
            out += QChar::ReplacementCharacter;
        } else {
            out += c;
        }
    }
    return out;
}

QString cssString(QStringView text)
{
    QString out(QLatin1Char('\''));
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('\''))
            out += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            out += QStringLiteral("\\%1 ").arg(c.unicode(), 0, 16);
        else
            out += c;
    }
    return out + QLatin1Char('\'');
}

QString idToken(QStringView text)
{
    QString out;
    for (const uint c : text.toUcs4()) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-')
            out += QChar(c);
        else
            out += QStringLiteral("_%1_").arg(quint32(c), 0, 16);
    }
    return out;
}

} // namespace webescape
