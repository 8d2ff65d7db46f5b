#include "site/PagePlan.h"

#include <QCoreApplication>

// In the window's language; the command line, which loads no translation, prints English.
QString PagePlan::stateText(State state)
{
    switch (state) {
    case WillChange:
        return QCoreApplication::translate("PagePlan", "will change");
    case UpToDate:
        return QCoreApplication::translate("PagePlan", "up to date");
    case NoPlaceholder:
        return QCoreApplication::translate("PagePlan", "no placeholder");
    case EditedByHand:
        return QCoreApplication::translate("PagePlan", "edited by hand");
    case Error:
        break;
    }
    return QCoreApplication::translate("PagePlan", "error");
}
