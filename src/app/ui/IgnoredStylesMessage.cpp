#include "app/ui/IgnoredStylesMessage.h"

#include "app/AdvisoryFlags.h"
#include "codegen/IgnoredStyles.h"

IgnoredStylesMessage::IgnoredStylesMessage(QWidget *owner)
    : AdvisoryDialog(Design{QStringLiteral("IgnoredStylesMessage"),
                            AdvisoryFlags::ShowIgnoredStylesMessage,
                            tr("Styles That Browsers Ignore"),
                            QSize(4500, 2190),
                            IgnoredStyles::Message(),
                            QStringLiteral(":/icons/advisory/info.svg"),
                            {tr("OK"), tr("Use HTML5 code")}},
                     owner)
{
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
}

void IgnoredStylesMessage::Command2_Click()
{
    storeFlag();
    emit useHtml5Requested();
    accept();
}
