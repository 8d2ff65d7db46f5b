#pragma once

#include <QString>

// The text without its leading and trailing spaces (only U+0020; tabs and
// other white space stay).
inline QString TrimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

// The text cut to at most `length` UTF-16 code units, one fewer where the cut
// would fall inside a surrogate pair: a character is kept whole or left out,
// never halved into a lone surrogate. Every text cut to a bound is cut here.
inline QString CutAtLength(const QString &text, qsizetype length)
{
    if (text.size() <= length)
        return text;
    if (length > 0 && text.at(length - 1).isHighSurrogate() && text.at(length).isLowSurrogate())
        --length;
    return text.left(length);
}
