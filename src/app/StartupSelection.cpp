#include "app/StartupSelection.h"

#include "styles/CssFontFamily.h"

#include <QFontDatabase>

namespace StartupSelection {

int sizeIndex(int count)
{
    constexpr int kSixth = 5;
    return count > kSixth ? kSixth : count - 1;
}

bool splashWanted(qint64 elapsedMs, int done, int total)
{
    constexpr qint64 kFirstLook = 100;
    constexpr qint64 kWorthShowing = 400;
    if (done <= 0 || elapsedMs < kFirstLook)
        return false;
    return elapsedMs * (total - done) / done >= kWorthShowing;
}

QStringList installedFontFamilies()
{
    QStringList families;
    try {
        for (const QString &family : QFontDatabase::families())
            if (!QFontDatabase::isPrivateFamily(family))
                families << cssfont::familyName(family);
    } catch (...) {
        families.clear();
    }
    return families;
}

} // namespace StartupSelection
