#include "server/ui/ServerAuth.h"

#include "app/AdvisoryFlags.h"
#include "platform/CRegSettings.h"

namespace {

const QString kKeys = QStringLiteral("keys");
const QString kPassword = QStringLiteral("password");
const QString kRemembered = QStringLiteral("password, remembered");

} // namespace

ServerAuth ServerAuth::load(const QString &addressText, bool https)
{
    const QString stored = AdvisoryFlags::ProgramStore().GetSetting(Section, addressText, kKeys);
    ServerAuth auth;
    auth.password = https || stored == kPassword || stored == kRemembered;
    auth.remember = stored == kRemembered;
    return auth;
}

bool ServerAuth::save(const QString &addressText) const
{
    return AdvisoryFlags::ProgramStore().SaveSetting(Section, addressText,
                                                     !password  ? kKeys
                                                     : remember ? kRemembered
                                                                : kPassword);
}
