#include "app/ui/Form4.h"

#include "app/AdvisoryFlags.h"

Form4::Form4(QWidget *owner)
    : AdvisoryDialog(Design{QStringLiteral("Form4"),
                            AdvisoryFlags::ShowButtonBorderMessage,
                            tr("Important Message"),
                            QSize(4185, 2070),
                            tr("Changing this value has no effect when \"Use Default User System "
                               "Button Colors\" is checked. A border is only displayed if you are "
                               "using non-default colors."),
                            QStringLiteral(":/icons/advisory/info.svg"),
                            {tr("OK")}},
                     owner)
{
}
