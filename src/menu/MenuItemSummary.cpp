#include "menu/MenuItemSummary.h"

#include <algorithm>

namespace {

qsizetype charCount(QStringView text)
{
    return text.size() - std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLowSurrogate(); });
}

} // namespace

qint64 MenuItemSummary::escapedLength(QStringView text)
{
    qint64 size = text.size();
    for (const QChar c : text) {
        if (c.unicode() > '>')
            continue;
        switch (c.unicode()) {
        case '&':
        case '\'':
            size += 4;
            break;
        case '<':
        case '>':
            size += 3;
            break;
        case '"':
            size += 5;
            break;
        default:
            break;
        }
    }
    return size;
}

void MenuItemSummary::add(const MenuItem &item)
{
    ++count;
    if (item.isSeparator()) {
        ++separators;
        return;
    }
    textAndUrlLength += item.text.size() + item.url.size();
    htmlLength += escapedLength(item.text) + escapedLength(item.url);
    longest = std::max(longest, charCount(item.text));
    anyDefault = anyDefault || item.selected != menutext::kNo;
    anyLink = anyLink || item.linked == menutext::kYes;
}

MenuItemSummary MenuItemSummary::of(const QList<MenuItem> &items)
{
    MenuItemSummary summary;
    for (const MenuItem &item : items)
        summary.add(item);
    return summary;
}
