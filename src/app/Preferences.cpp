#include "app/Preferences.h"

#include "app/AdvisoryFlags.h"
#include "platform/CRegSettings.h"

namespace {

CRegSettings Store()
{
    CRegSettings settings;
    settings.setAppName(AdvisoryFlags::AppName);
    settings.setCompany(AdvisoryFlags::Company);
    return settings;
}

} // namespace

namespace Preferences {

CodeDialect NewMenuDialect()
{
    CodeDialect dialect = CodeDialect::Classic;
    if (!codedialect::fromKey(Store().GetSetting(Section, NewMenuCode), &dialect))
        return CodeDialect::Classic;
    return dialect;
}

bool SetNewMenuDialect(CodeDialect dialect)
{
    return Store().SaveSetting(Section, NewMenuCode, codedialect::key(dialect));
}

} // namespace Preferences
