#include "styles/FontChoice.h"

#include <algorithm>

namespace FontChoice {

int StartupIndex(const QStringList &families)
{
    const int preferred = int(families.indexOf(PreferredFamily));
    if (preferred >= 0)
        return preferred;
    return families.size() > 1 ? 1 : int(families.size()) - 1;
}

int RestoreIndex(const QStringList &families)
{
    const int preferred = int(families.indexOf(PreferredFamily));
    if (preferred >= 0)
        return preferred;
    return families.isEmpty() ? -1 : 0;
}

bool FamilyLess(const QString &a, const QString &b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

QStringList SortedFamilies(QStringList families)
{
    // The font database hands them out in this order already.
    if (!std::is_sorted(families.cbegin(), families.cend(), FamilyLess))
        std::sort(families.begin(), families.end(), FamilyLess);
    families.erase(std::unique(families.begin(), families.end()), families.end());
    return families;
}

} // namespace FontChoice
