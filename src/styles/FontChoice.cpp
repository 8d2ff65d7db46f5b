#include "styles/FontChoice.h"

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

} // namespace FontChoice
