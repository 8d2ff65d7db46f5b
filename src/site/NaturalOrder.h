#pragma once

#include <QString>

// The order in which people sort names: runs of digits compare by their
// number ("page2" before "page10"), the rest letter by letter ignoring case;
// names equal that way fall back to their exact characters, so the order is
// total and the same in every locale.
namespace NaturalOrder {

// Negative, zero or positive as a sorts before, with or after b.
int compare(const QString &a, const QString &b);

inline bool less(const QString &a, const QString &b)
{
    return compare(a, b) < 0;
}

} // namespace NaturalOrder
