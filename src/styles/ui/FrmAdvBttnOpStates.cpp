// The dependent states of the button style dialog and its "Restore Defaults".
#include "styles/ui/FrmAdvBttnOp.h"

#include "styles/ui/ColorRow.h"
#include "styles/ui/ContrastLabel.h"
#include "styles/ui/FontOptionsGroup.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int TopRow = 2, LeftRow = 3, RightRow = 4, BottomRow = 5;
}

bool FrmAdvBttnOp::bordersInUse() const
{
    return !m_chksysbttnclr->isChecked() && !m_nbchk->isChecked();
}

void FrmAdvBttnOp::applySync(QCheckBox *sync, int source, int target)
{
    ColorRow *row = m_rows[size_t(target)];
    if (sync->isChecked())
        row->setText(m_rows[size_t(source)]->text());
    row->setRowEnabled(!sync->isChecked() && bordersInUse());
    // The copied text repaints the swatch; a row that is not in use stays blank.
    if (!bordersInUse())
        row->setPainted(false);
}

void FrmAdvBttnOp::Check1_Click()
{
    applySync(m_Check1, TopRow, LeftRow);
}

void FrmAdvBttnOp::Check2_Click()
{
    applySync(m_Check2, RightRow, BottomRow);
}

void FrmAdvBttnOp::chksysbttnclr_Click()
{
    const bool own = !m_chksysbttnclr->isChecked();
    for (ColorRow *row : m_rows) {
        row->setRowEnabled(own);
        row->setPainted(own);
    }
    m_Check1->setEnabled(own);
    m_Check2->setEnabled(own);
    if (own) {
        Check1_Click();
        Check2_Click();
        m_nbchk->setEnabled(true);
    } else {
        m_nbchk->setChecked(true);
        m_nbchk->setEnabled(false);
    }
    m_contrast->refresh();
    nbchk_Click();
}

void FrmAdvBttnOp::nbchk_Click()
{
    const bool border = bordersInUse();
    for (int i = TopRow; i <= BottomRow; ++i) {
        m_rows[size_t(i)]->setRowEnabled(border);
        m_rows[size_t(i)]->setPainted(border);
    }
    for (QWidget *w : {static_cast<QWidget *>(m_Label18), static_cast<QWidget *>(m_txtBT),
                       static_cast<QWidget *>(m_Label22), static_cast<QWidget *>(m_Check1),
                       static_cast<QWidget *>(m_Check2)})
        w->setEnabled(border);
    if (border) {
        Check1_Click();
        Check2_Click();
    } else if (m_nbchk->isChecked()) {
        m_txtBT->clear();
    }
}

void FrmAdvBttnOp::chkconstbttnsz_Click()
{
    const bool editable = !m_chkconstbttnsz->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(m_Label17), static_cast<QWidget *>(m_Label19),
                       static_cast<QWidget *>(m_Label20), static_cast<QWidget *>(m_Label21),
                       static_cast<QWidget *>(m_txtBW), static_cast<QWidget *>(m_txtBH)})
        w->setEnabled(editable);
    if (!editable) {
        m_txtBW->clear();
        m_txtBH->clear();
    }
}

void FrmAdvBttnOp::cmdrestdef_Click()
{
    if (m_prompts.confirmRestoreDefaults && !m_prompts.confirmRestoreDefaults(this))
        return;
    for (ColorRow *row : m_rows)
        row->setText(m_vals.bttnDefClr[size_t(row->index())]);
    m_Check1->setChecked(true);
    m_Check2->setChecked(true);
    m_font->italic()->setChecked(false);
    m_font->underline()->setChecked(false);
    Check1_Click();
    Check2_Click();
    m_chkconstbttnsz->setChecked(true);
    chkconstbttnsz_Click();
    m_chksysbttnclr->setChecked(true);
    chksysbttnclr_Click();
    m_txtBW->clear();
    m_txtBH->clear();
    m_txtBT->setText(QStringLiteral("2"));
    m_font->restoreDefaults();
}
