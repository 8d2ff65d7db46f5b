#include "app/ui/Form5.h"

#include "app/AdvisoryFlags.h"

Form5::Form5(QWidget *owner)
    : AdvisoryDialog(Design{QStringLiteral("Form5"),
                            AdvisoryFlags::ShowRestoreDefaultsMessage,
                            tr("Warning"),
                            QSize(4080, 1980),
                            tr("This will restore all values in this dialog to the program default "
                               "settings. All current settings will be lost. Do you wish to continue?"),
                            QStringLiteral(":/icons/advisory/warning.svg"),
                            {tr("Yes"), tr("No")}},
                     owner)
{
    RestoreCancelled = false;
}

void Form5::Command2_Click()
{
    storeFlag();
    RestoreCancelled = true;
    reject();
}

// Closing the warning without an answer must not throw the settings away.
void Form5::reject()
{
    RestoreCancelled = true;
    AdvisoryDialog::reject();
}
