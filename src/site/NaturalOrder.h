#pragma once

// Weighed and kept: QCollator with numeric mode was weighed. In the C locale
// it ignores numeric mode and sorts "page10" before "page2", and in other
// locales its order follows the locale's rules, so one site's pages would
// come in different orders on different machines and in tests. These few
// lines give the one order everywhere.

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
