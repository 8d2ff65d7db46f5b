// The two style dialogs: creating them with the window, opening them from
// the "Advanced Options" buttons, and copying between them and the records.
#include "app/ui/Form1.h"
#include "app/ui/Form1Private.h"

#include "app/MenuDocument.h"
#include "app/ui/Advisories.h"
#include "app/ui/IgnoredStylesNotice.h"
#include "app/ui/LivePreviewPane.h"
#include "app/ui/StartupFontLists.h"
#include "help/HelpTopics.h"
#include "help/ui/ContextHelp.h"
#include "help/ui/HelpViewer.h"
#include "styles/ui/FontOptionsGroup.h"
#include "styles/ui/FrmAdvBttnOp.h"
#include "styles/ui/frmAdvMnuOp.h"

#include <QComboBox>

namespace {
const QString kMenu = QStringLiteral("mnu");
const QString kButton = QStringLiteral("bttn");
} // namespace

void Form1Private::buildStyleDialogs()
{
    const StylePrompts prompts{ConfirmRestoreDefaults, ShowButtonBorderMessage, [](QWidget *owner) {
                                   HelpViewer::showTopic(owner, QLatin1String(HelpTopics::kColours));
                               }};
    m_FrmAdvBttnOp = new FrmAdvBttnOp(m_document->styles(), prompts, q);
    m_frmAdvMnuOp = new frmAdvMnuOp(m_document->styles(), prompts, q);
    m_livePreview->followStyleDialogs(m_frmAdvMnuOp, m_FrmAdvBttnOp);
    ContextHelp::ApplyWhatsThis(m_FrmAdvBttnOp);
    ContextHelp::ApplyWhatsThis(m_frmAdvMnuOp);
}

StartupFontLists Form1::styleFontLists()
{
    return {d->m_frmAdvMnuOp->fontOptions()->combofont(), d->m_FrmAdvBttnOp->fontOptions()->combofont(),
            d->m_frmAdvMnuOp->fontOptions()->combofontsize(),
            d->m_FrmAdvBttnOp->fontOptions()->combofontsize(), [this] {
                StoreAdvVals(kMenu);
                StoreAdvVals(kButton);
            }};
}

void Form1::fillStyleFontLists(const QStringList &families)
{
    StartupFontLists lists = styleFontLists();
    lists.menuFonts->clear();
    lists.buttonFonts->clear();
    LoadStartupFontLists(lists, families, nullptr);
}

void Form1::StoreAdvVals(const QString &kind)
{
    if (kind == kMenu)
        d->m_frmAdvMnuOp->StoreAdvVals();
    else if (kind == kButton)
        d->m_FrmAdvBttnOp->StoreAdvVals();
}

void Form1::RestoreAdvVals(const QString &kind)
{
    if (kind == kMenu)
        d->m_frmAdvMnuOp->RestoreAdvVals();
    else if (kind == kButton)
        d->m_FrmAdvBttnOp->RestoreAdvVals();
}

// The browser notice (unless silenced; it speaks of classic code only), then
// the dialog; OK leaves the confirmed style in the record, Cancel leaves the
// record as it was. A confirmed change of style is one step of the undo
// history. After OK, a classic style that browsers ignore is pointed out.
void Form1::cmdAdvMnu_Click()
{
    if (d->m_document->dialect() == CodeDialect::Classic)
        ShowIeMessage(this);
    const bool confirmed = d->m_frmAdvMnuOp->exec() == QDialog::Accepted;
    d->m_document->recordChange(tr("Change Menu Style"));
    if (confirmed)
        d->m_ignoredStyles->styleConfirmed(kMenu);
}

void Form1::cmdBttnAdv_Click()
{
    if (d->m_document->dialect() == CodeDialect::Classic)
        ShowIeMessage(this);
    const bool confirmed = d->m_FrmAdvBttnOp->exec() == QDialog::Accepted;
    d->m_document->recordChange(tr("Change Button Style"));
    if (confirmed)
        d->m_ignoredStyles->styleConfirmed(kButton);
}
