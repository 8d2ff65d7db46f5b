#include "codegen/ClassicCodeLimits.h"

#include <QCoreApplication>

namespace classiccode {

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The tokenizer of the HTML Standard leaves a '<' as text unless a letter,
// '/', '!' or '?' follows it.
bool startsMarkup(const QString &text)
{
    for (qsizetype at = text.indexOf(u'<'); at >= 0 && at + 1 < text.size();
         at = text.indexOf(u'<', at + 1)) {
        const QChar next = text.at(at + 1);
        if (isAsciiLetter(next) || next == u'/' || next == u'!' || next == u'?')
            return true;
    }
    return false;
}

} // namespace

QStringList entryProblems(const MenuItem &item)
{
    QStringList problems;
    const bool linkedYes = item.linked == menutext::kYes;
    if (item.isSeparator() || (!linkedYes && item.linked != menutext::kNo))
        return problems;
    if (startsMarkup(item.text))
        problems << QCoreApplication::translate("ClassicCode",
                                                "Classic code: the \"<\" in this text starts a tag.");
    if (linkedYes && item.url.contains(u'"'))
        problems << QCoreApplication::translate("ClassicCode",
                                                "Classic code: the \" in this link ends it early.");
    return problems;
}

bool menuNameWorks(const QString &name)
{
    if (name.isEmpty() || !isAsciiLetter(name.front()))
        return false;
    for (const QChar c : name) {
        if (!isAsciiLetter(c) && !(c >= u'0' && c <= u'9') && c != u'_')
            return false;
    }
    return true;
}

QString menuNameWarning()
{
    return QCoreApplication::translate("ClassicCode", "Classic code: A–Z (no accents), 0–9, _; letter first");
}

QString menuNameWarningDetail()
{
    return QCoreApplication::translate(
        "ClassicCode", "The menu will not work with this name in classic code: use only the letters A–Z "
                       "without accents, the digits 0–9 and _, and start with a letter.");
}

} // namespace classiccode
