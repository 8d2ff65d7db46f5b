#include "menu/EntryName.h"

#include <QCoreApplication>

namespace {

// Characters written as an escape: controls (C0, DEL, C1), format characters
// (bidirectional overrides and isolates, zero-width characters), line and
// paragraph separators, lone surrogates and unassigned code points.
bool needsEscape(char32_t c)
{
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
        return true;
    if (c >= 0xD800 && c <= 0xDFFF)
        return true; // a lone surrogate
    switch (QChar::category(c)) {
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_NotAssigned:
    case QChar::Other_PrivateUse:
        return true;
    default:
        return false;
    }
}

void appendEscape(QString &out, char32_t c)
{
    switch (c) {
    case '\n':
        out += QLatin1String("\\n");
        return;
    case '\r':
        out += QLatin1String("\\r");
        return;
    case '\t':
        out += QLatin1String("\\t");
        return;
    default:
        break;
    }
    if (c > 0xFFFF)
        out += QStringLiteral("\\U%1").arg(uint(c), 8, 16, QLatin1Char('0'));
    else
        out += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
}

} // namespace

namespace entryname {

QString shown(const QString &text)
{
    QString out;
    qsizetype characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (characters == kShownCharacters) {
            out += QLatin1String("...");
            break;
        }
        char32_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text.at(++i).unicode());
        ++characters;
        if (c == '"' || c == '\\') {
            out += QLatin1Char('\\');
            out += QChar(char16_t(c));
        } else if (needsEscape(c)) {
            appendEscape(out, c);
        } else {
            out += QString::fromUcs4(&c, 1);
        }
    }
    return out;
}

QString of(qsizetype index, const QString *text)
{
    const QString number = QCoreApplication::translate("ProjectFile", "entry %1").arg(index + 1);
    return text ? number + QStringLiteral(" (\"") + shown(*text) + QStringLiteral("\")") : number;
}

} // namespace entryname
