#include "app/Preferences.h"

#include "app/AdvisoryFlags.h"
#include "platform/CRegSettings.h"

namespace Preferences {

CodeDialect NewMenuDialect()
{
    CodeDialect dialect = CodeDialect::Classic;
    if (!codedialect::fromKey(AdvisoryFlags::ProgramStore().GetSetting(Section, NewMenuCode), &dialect))
        return CodeDialect::Classic;
    return dialect;
}

bool SetNewMenuDialect(CodeDialect dialect)
{
    return AdvisoryFlags::ProgramStore().SaveSetting(Section, NewMenuCode, codedialect::key(dialect));
}

} // namespace Preferences
