#include "app/ui/iemsgfrm.h"

#include "app/AdvisoryFlags.h"

iemsgfrm::iemsgfrm(QWidget *owner)
    : AdvisoryDialog(Design{QStringLiteral("iemsgfrm"),
                            AdvisoryFlags::ShowIeMessage,
                            tr("Important Message"),
                            QSize(3990, 2190),
                            tr("Advanced properties (colors, font, etc.) for menus and buttons will "
                               "only show up if the menu is viewed in Microsoft Internet Explorer. "
                               "Netscape always uses one default font and style for Javascript "
                               "menu elements."),
                            QStringLiteral(":/icons/advisory/info.svg"),
                            {tr("OK")}},
                     owner)
{
}
