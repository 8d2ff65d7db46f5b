#include "app/ui/Advisories.h"

#include "app/AdvisoryFlags.h"
#include "app/ui/Form4.h"
#include "app/ui/Form5.h"
#include "app/ui/iemsgfrm.h"

void ShowIeMessage(QWidget *centreOver)
{
    if (!AdvisoryEnabled(AdvisoryFlags::ShowIeMessage))
        return;
    iemsgfrm dialog;
    dialog.centreOver(centreOver);
    dialog.exec();
}

void ShowButtonBorderMessage(QWidget *owner)
{
    if (!AdvisoryEnabled(AdvisoryFlags::ShowButtonBorderMessage))
        return;
    Form4 dialog(owner);
    dialog.exec();
}

bool ConfirmRestoreDefaults(QWidget *owner)
{
    if (!AdvisoryEnabled(AdvisoryFlags::ShowRestoreDefaultsMessage))
        return true;
    Form5 dialog(owner);
    dialog.exec();
    return !dialog.RestoreCancelled;
}
