#include "app/AdvisoryFlags.h"

#include "platform/CRegSettings.h"

namespace {

const QString Yes = QStringLiteral("yes");
const QString No = QStringLiteral("no");

} // namespace

namespace AdvisoryFlags {

CRegSettings ProgramStore()
{
    CRegSettings settings;
    settings.setAppName(AppName);
    settings.setCompany(Company);
    return settings;
}

QString Read(const QString &key)
{
    return ProgramStore().GetSetting(Section, key, Yes);
}

bool Write(const QString &key, bool showAgain)
{
    return ProgramStore().SaveSetting(Section, key, showAgain ? Yes : No);
}

} // namespace AdvisoryFlags

bool AdvisoryEnabled(const QString &key)
{
    return AdvisoryFlags::Read(key) == Yes;
}
