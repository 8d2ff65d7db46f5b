#include "styles/ui/frmAdvMnuOp.h"

#include "styles/mColorSelect.h"
#include "styles/ui/ContrastLabel.h"
#include "styles/ui/FontOptionsGroup.h"
#include "styles/ui/KeyCodeFilter.h"
#include "styles/ui/StyleDialogLayout.h"

#include <QGroupBox>
#include <QSlider>
#include <QVBoxLayout>

using namespace mColorSelect;
using styledialog::named;

namespace {
constexpr int WindowTextColour = 8;
constexpr int WindowColour = 5;

int Flag(const QCheckBox *box)
{
    return box->isChecked() ? 1 : 0;
}
} // namespace

frmAdvMnuOp::frmAdvMnuOp(mAdvMenuvals &vals, StylePrompts prompts, QWidget *owner)
    : QDialog(owner, styledialog::dialogFlags()), m_vals(vals), m_prompts(std::move(prompts))
{
    setObjectName(QStringLiteral("frmAdvMnuOp"));
    setWindowTitle(tr("Advanced Menu Options"));
    setModal(true);

    QWidget *dimensions = buildDimensions();
    QWidget *colours = buildColours();
    m_font = new FontOptionsGroup(this, "chkmnufntI", "chkmnufntU");
    const styledialog::Buttons buttons = styledialog::makeButtons(this);
    m_Command8 = buttons.ok;
    m_Command9 = buttons.cancel;
    m_cmdrestdef = buttons.restore;

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(dimensions);
    layout->addWidget(colours);
    layout->addWidget(m_font->group());
    layout->addLayout(buttons.layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_chkconstmnuwdth, &QCheckBox::clicked, this, &frmAdvMnuOp::chkconstmnuwdth_Click);
    connect(m_chkmnusysclr, &QCheckBox::clicked, this, &frmAdvMnuOp::chkmnusysclr_Click);
    connect(m_cmdrestdef, &QPushButton::clicked, this, &frmAdvMnuOp::cmdrestdef_Click);
    connect(m_Command8, &QPushButton::clicked, this, &frmAdvMnuOp::Command8_Click);
    connect(m_Command9, &QPushButton::clicked, this, &frmAdvMnuOp::Command9_Click);

    Form_Load();
}

QWidget *frmAdvMnuOp::buildDimensions()
{
    auto *group = named(new QGroupBox(tr("Dimensions:"), this), "FrameDimensions");
    m_chkconstmnuwdth =
        named(new QCheckBox(tr("&Constrain Width Proportionally to Font Size"), group), "chkconstmnuwdth");
    m_chkconstmnuwdth->setChecked(true);
    m_Label17 = named(new QLabel(tr("Wi&dth:"), group), "Label17");
    m_txtMW = styledialog::pixelBox(group, "txtMW");
    m_Label17->setBuddy(m_txtMW);
    m_Label20 = named(new QLabel(tr("Pixels"), group), "Label20");
    // Widths are whole pixels: only digits can be typed.
    KeyCodeFilter::DigitsOnlyBox(m_txtMW);

    auto *width = new QHBoxLayout;
    width->addWidget(m_Label17);
    width->addWidget(m_txtMW);
    width->addWidget(m_Label20);
    width->addStretch(1);
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(m_chkconstmnuwdth);
    layout->addLayout(width);
    return group;
}

QWidget *frmAdvMnuOp::buildColours()
{
    auto *group = named(new QGroupBox(tr("Color Options:"), this), "FrameColor");
    m_chkmnusysclr = named(new QCheckBox(tr("Use Default System &Menu Colors"), group), "chkmnusysclr");
    m_chkmnusysclr->setChecked(true);
    m_rows = {new ColorRow(0, tr("&Text:"), SysColor(WindowTextColour), group, m_prompts),
              new ColorRow(1, tr("&Background:"), SysColor(WindowColour), group, m_prompts)};
    auto *grid = new QGridLayout(group);
    grid->addWidget(m_chkmnusysclr, 0, 0, 1, 4);
    for (ColorRow *row : m_rows)
        styledialog::placeRow(grid, row->index() + 1, row);
    m_contrast = new ContrastLabel(
        m_rows[0], m_rows[1], [this] { return !m_chkmnusysclr->isChecked(); }, group);
    grid->addWidget(m_contrast, 3, 0, 1, 5);
    grid->setColumnStretch(4, 1);
    return group;
}

void frmAdvMnuOp::Form_Load()
{
    for (ColorRow *row : m_rows) {
        const QString text = ColorToHex(TranslateSysColor(row->swatchColor()));
        row->setText(text);
        m_vals.mnuDefClr[size_t(row->index())] = text;
    }
    m_font->Label16()->setText(m_font->weightText());
    chkconstmnuwdth_Click();
    chkmnusysclr_Click();
}

void frmAdvMnuOp::chkconstmnuwdth_Click()
{
    const bool editable = !m_chkconstmnuwdth->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(m_Label17), static_cast<QWidget *>(m_txtMW),
                       static_cast<QWidget *>(m_Label20)})
        w->setEnabled(editable);
}

void frmAdvMnuOp::chkmnusysclr_Click()
{
    const bool own = !m_chkmnusysclr->isChecked();
    for (ColorRow *row : m_rows) {
        row->setRowEnabled(own);
        row->setPainted(own);
    }
    m_contrast->refresh();
}

MenuStyleRecord frmAdvMnuOp::capture() const
{
    MenuStyleRecord r;
    r.mnuClr = {m_rows[0]->text(), m_rows[1]->text()};
    r.mnuSysClr = Flag(m_chkmnusysclr);
    r.mnuFont = m_font->family();
    r.mnuFontFallback = m_font->fallback();
    r.mnuFontSize = m_font->sizeText();
    r.mnuFontWeight = m_font->weightText();
    r.mnuItalic = Flag(m_font->italic());
    r.mnuUnderline = Flag(m_font->underline());
    r.mnuWidth = m_txtMW->text();
    r.mnuConstWidth = Flag(m_chkconstmnuwdth);
    return r;
}

void frmAdvMnuOp::restore(const MenuStyleRecord &r)
{
    m_rows[0]->setText(r.mnuClr[0]);
    m_rows[1]->setText(r.mnuClr[1]);
    m_chkmnusysclr->setChecked(r.mnuSysClr == 1);
    chkmnusysclr_Click();
    m_font->setFamily(r.mnuFont, r.mnuFontFallback);
    m_font->setSizeText(r.mnuFontSize);
    m_font->setWeightText(r.mnuFontWeight);
    m_font->italic()->setChecked(r.mnuItalic == 1);
    m_font->underline()->setChecked(r.mnuUnderline == 1);
    m_txtMW->setText(r.mnuWidth);
    m_chkconstmnuwdth->setChecked(r.mnuConstWidth == 1);
    chkconstmnuwdth_Click();
}

void frmAdvMnuOp::StoreAdvVals()
{
    m_vals.mnu = capture();
}

void frmAdvMnuOp::RestoreAdvVals()
{
    restore(m_vals.mnu);
}

void frmAdvMnuOp::cmdrestdef_Click()
{
    if (m_prompts.confirmRestoreDefaults && !m_prompts.confirmRestoreDefaults(this))
        return;
    m_rows[0]->setText(m_vals.mnuDefClr[0]);
    m_rows[1]->setText(m_vals.mnuDefClr[1]);
    m_chkconstmnuwdth->setChecked(true);
    m_font->underline()->setChecked(false);
    m_font->italic()->setChecked(false);
    chkconstmnuwdth_Click();
    m_txtMW->clear();
    m_font->restoreDefaults();
    // Back to the system colours too, as at start-up: the colour reset above
    // would otherwise leave painted swatches in rows that are not in use.
    m_chkmnusysclr->setChecked(true);
    chkmnusysclr_Click();
}

void frmAdvMnuOp::Command8_Click()
{
    // The record only ever holds complete colour texts.
    for (ColorRow *row : m_rows) {
        if (!row->ensureComplete())
            return;
    }
    QDialog::accept();
    StoreAdvVals();
}

void frmAdvMnuOp::Command9_Click()
{
    QDialog::reject();
    RestoreAdvVals();
}

// Escape, the close box and the window menu all cancel; the dialog is hidden,
// never destroyed, until the main window goes.
void frmAdvMnuOp::reject()
{
    Command9_Click();
}
