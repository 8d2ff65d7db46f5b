#include "site/PagePlan.h"

#include <QCoreApplication>

#include <algorithm>

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

qint64 SitePlan::largestRegion() const
{
    qint64 most = 0;
    for (const PagePlan &p : pages) {
        if (p.state == PagePlan::WillChange)
            most = std::max(most, p.regionBytes);
    }
    return most;
}

qint64 SitePlan::bytesToWrite() const
{
    qint64 sum = 0;
    for (const PagePlan &p : pages) {
        if (p.state == PagePlan::WillChange)
            sum += p.newBytes.size();
    }
    return sum;
}

QString SitePlan::sizeText(const QLocale &locale) const
{
    if (count(PagePlan::WillChange) == 0)
        return {};
    const QString all = locale.formattedDataSize(bytesToWrite(), 1, QLocale::DataSizeSIFormat);
    if (largestRegion() == 0)
        return QCoreApplication::translate("SitePlan", "%1 will be written in all.").arg(all);
    return QCoreApplication::translate("SitePlan",
                                       "The menu takes up to %1 in each page; %2 will be written in all.")
        .arg(locale.formattedDataSize(largestRegion(), 1, QLocale::DataSizeSIFormat), all);
}
