#include "app/AdvisoryFlags.h"

#include "platform/CRegSettings.h"

namespace {

const QString Yes = QStringLiteral("yes");
const QString No = QStringLiteral("no");

CRegSettings MessagesStore()
{
    CRegSettings settings;
    settings.setAppName(AdvisoryFlags::AppName);
    settings.setCompany(AdvisoryFlags::Company);
    return settings;
}

} // namespace

namespace AdvisoryFlags {

QString Read(const QString &key)
{
    return MessagesStore().GetSetting(Section, key, Yes);
}

bool Write(const QString &key, bool showAgain)
{
    return MessagesStore().SaveSetting(Section, key, showAgain ? Yes : No);
}

} // namespace AdvisoryFlags

bool AdvisoryEnabled(const QString &key)
{
    return AdvisoryFlags::Read(key) == Yes;
}
