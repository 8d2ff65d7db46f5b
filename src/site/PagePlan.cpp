#include "site/PagePlan.h"

QString PagePlan::stateText(State state)
{
    switch (state) {
    case WillChange:
        return QStringLiteral("will change");
    case UpToDate:
        return QStringLiteral("up to date");
    case NoPlaceholder:
        return QStringLiteral("no placeholder");
    case Error:
        break;
    }
    return QStringLiteral("error");
}
