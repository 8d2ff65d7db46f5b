#include "styles/ui/FrmAdvBttnOp.h"

#include "styles/mColorSelect.h"
#include "styles/ui/ContrastLabel.h"
#include "styles/ui/FontOptionsGroup.h"
#include "styles/ui/KeyCodeFilter.h"
#include "styles/ui/StyleDialogLayout.h"

#include <QGroupBox>
#include <QMouseEvent>
#include <QVBoxLayout>

using namespace mColorSelect;
using styledialog::named;

namespace {

struct RowDesign {
    const char *description;
    int systemColour;
};

// Button text, button face, highlight for top and left, shadow for right and bottom.
constexpr RowDesign Rows[6] = {{QT_TRANSLATE_NOOP("FrmAdvBttnOp", "&Text:"), 18},
                               {QT_TRANSLATE_NOOP("FrmAdvBttnOp", "F&ace:"), 15},
                               {QT_TRANSLATE_NOOP("FrmAdvBttnOp", "To&p Border:"), 20},
                               {QT_TRANSLATE_NOOP("FrmAdvBttnOp", "L&eft Border:"), 20},
                               {QT_TRANSLATE_NOOP("FrmAdvBttnOp", "Ri&ght Border:"), 16},
                               {QT_TRANSLATE_NOOP("FrmAdvBttnOp", "Botto&m Border:"), 16}};

int Flag(const QCheckBox *box)
{
    return box->isChecked() ? 1 : 0;
}

} // namespace

FrmAdvBttnOp::FrmAdvBttnOp(mAdvMenuvals &vals, StylePrompts prompts, QWidget *owner)
    : QDialog(owner, styledialog::dialogFlags()), m_vals(vals), m_prompts(std::move(prompts))
{
    setObjectName(QStringLiteral("FrmAdvBttnOp"));
    setWindowTitle(tr("Advanced Button Options"));
    setModal(true);

    QWidget *dimensions = buildDimensions();
    QWidget *colours = buildColours();
    m_font = new FontOptionsGroup(this, "chkbttnfntIT", "chkbttnfntUL");
    const styledialog::Buttons buttons = styledialog::makeButtons(this);
    m_Command8 = buttons.ok;
    m_Command9 = buttons.cancel;
    m_cmdrestdef = buttons.restore;

    auto *columns = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(dimensions);
    left->addWidget(m_font->group());
    left->addStretch(1);
    columns->addLayout(left);
    columns->addWidget(colours);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons.layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_Check1, &QCheckBox::clicked, this, &FrmAdvBttnOp::Check1_Click);
    connect(m_Check2, &QCheckBox::clicked, this, &FrmAdvBttnOp::Check2_Click);
    connect(m_chksysbttnclr, &QCheckBox::clicked, this, &FrmAdvBttnOp::chksysbttnclr_Click);
    connect(m_nbchk, &QCheckBox::clicked, this, &FrmAdvBttnOp::nbchk_Click);
    connect(m_chkconstbttnsz, &QCheckBox::clicked, this, &FrmAdvBttnOp::chkconstbttnsz_Click);
    connect(m_cmdrestdef, &QPushButton::clicked, this, &FrmAdvBttnOp::cmdrestdef_Click);
    connect(m_Command8, &QPushButton::clicked, this, &FrmAdvBttnOp::Command8_Click);
    connect(m_Command9, &QPushButton::clicked, this, &FrmAdvBttnOp::Command9_Click);
    // Border sync: a sync box that is checked makes the target row follow
    // every change of its source row, partial texts included.
    connect(m_rows[2], &ColorRow::textChangedByHandler, this, [this] {
        if (m_Check1->isChecked())
            m_rows[3]->setText(m_rows[2]->text());
    });
    connect(m_rows[4], &ColorRow::textChangedByHandler, this, [this] {
        if (m_Check2->isChecked())
            m_rows[5]->setText(m_rows[4]->text());
    });

    Form_Load();
}

QWidget *FrmAdvBttnOp::buildDimensions()
{
    auto *group = named(new QGroupBox(tr("Dimensions:"), this), "FrameDimensions");
    m_chkconstbttnsz =
        named(new QCheckBox(tr("&Constrain Button Dimensions Proportionally to Font Size"), group),
              "chkconstbttnsz");
    m_chkconstbttnsz->setChecked(true);
    auto *grid = new QGridLayout(group);
    grid->addWidget(m_chkconstbttnsz, 0, 0, 1, 4);
    const auto line = [&](int at, const char *label, const char *caption, QLabel *&labelOut,
                          QLineEdit *&boxOut, const char *box, QLabel *&pixelsOut, const char *pixels) {
        labelOut = named(new QLabel(tr(caption), group), label);
        boxOut = styledialog::pixelBox(group, box);
        labelOut->setBuddy(boxOut);
        pixelsOut = named(new QLabel(tr("Pixels"), group), pixels);
        grid->addWidget(labelOut, at, 0);
        grid->addWidget(boxOut, at, 1);
        grid->addWidget(pixelsOut, at, 2);
    };
    line(1, "Label17", QT_TR_NOOP("Button Wi&dth:"), m_Label17, m_txtBW, "txtBW", m_Label20, "Label20");
    line(2, "Label19", QT_TR_NOOP("Button &Height:"), m_Label19, m_txtBH, "txtBH", m_Label21, "Label21");
    line(3, "Label18", QT_TR_NOOP("Border Thic&kness:"), m_Label18, m_txtBT, "txtBT", m_Label22, "Label22");
    grid->setColumnStretch(3, 1);
    m_txtBT->setText(QStringLiteral("2"));

    for (QLineEdit *box : {m_txtBW, m_txtBH})
        KeyCodeFilter::DigitsOnlyBox(box);
    KeyCodeFilter::DigitsOnlyBox(m_txtBT, [this](int code) {
        if (m_chksysbttnclr->isChecked()) {
            offerBorderNotice();
            return 0;
        }
        return DigitsOnly(code);
    });
    m_txtBT->installEventFilter(this);
    return group;
}

QWidget *FrmAdvBttnOp::buildColours()
{
    auto *group = named(new QGroupBox(tr("Color Options:"), this), "FrameColor");
    m_nbchk = named(new QCheckBox(tr("&No Border"), group), "nbchk");
    m_chksysbttnclr = named(new QCheckBox(tr("Use Default System Button C&olors"), group), "chksysbttnclr");
    m_chksysbttnclr->setChecked(true);
    m_Check1 = named(new QCheckBox(tr("Sync Top and &Left Border Colors"), group), "Check1");
    m_Check2 = named(new QCheckBox(tr("Sync Right and &Bottom Border Colors"), group), "Check2");
    m_Check1->setChecked(true);
    m_Check2->setChecked(true);

    auto *grid = new QGridLayout(group);
    grid->addWidget(m_nbchk, 0, 0, 1, 4);
    grid->addWidget(m_chksysbttnclr, 1, 0, 1, 4);
    for (int i = 0; i < 6; ++i) {
        m_rows[size_t(i)] =
            new ColorRow(i, tr(Rows[i].description), SysColor(Rows[i].systemColour), group, m_prompts);
        // The border rows below the contrast warning of the text and face rows.
        styledialog::placeRow(grid, i < 2 ? i + 2 : i + 3, m_rows[size_t(i)]);
    }
    m_contrast = new ContrastLabel(
        m_rows[0], m_rows[1], [this] { return !m_chksysbttnclr->isChecked(); }, group);
    grid->addWidget(m_contrast, 4, 0, 1, 5);
    grid->addWidget(m_Check1, 9, 0, 1, 4);
    grid->addWidget(m_Check2, 10, 0, 1, 4);
    grid->setColumnStretch(4, 1);
    return group;
}

void FrmAdvBttnOp::Form_Load()
{
    Check1_Click();
    Check2_Click();
    for (ColorRow *row : m_rows) {
        const QString text = ColorToHex(TranslateSysColor(row->swatchColor()));
        row->setText(text);
        m_vals.bttnDefClr[size_t(row->index())] = text;
    }
    m_font->Label16()->setText(m_font->weightText());
    chksysbttnclr_Click();
    chkconstbttnsz_Click();
}

ButtonStyleRecord FrmAdvBttnOp::capture() const
{
    ButtonStyleRecord r;
    for (ColorRow *row : m_rows)
        r.bttnClr[size_t(row->index())] = row->text();
    r.bttnSyncTL = Flag(m_Check1);
    r.bttnSyncRB = Flag(m_Check2);
    r.bttnSysClr = Flag(m_chksysbttnclr);
    r.bttnFont = m_font->family();
    r.bttnFontFallback = m_font->fallback();
    r.bttnFontSize = m_font->sizeText();
    r.bttnFontWeight = m_font->weightText();
    r.bttnUnderline = Flag(m_font->underline());
    r.bttnItalic = Flag(m_font->italic());
    r.bttnWidth = m_txtBW->text();
    r.bttnHeight = m_txtBH->text();
    r.bttnBorder = m_txtBT->text();
    r.bttnConstSize = Flag(m_chkconstbttnsz);
    r.bttnNoBorder = Flag(m_nbchk);
    return r;
}

void FrmAdvBttnOp::restore(const ButtonStyleRecord &r)
{
    // In index order, so that each box ends with its own text even when the
    // sync of a border row overwrites the next one.
    for (ColorRow *row : m_rows)
        row->setText(r.bttnClr[size_t(row->index())]);
    m_Check1->setChecked(r.bttnSyncTL == 1);
    Check1_Click();
    m_Check2->setChecked(r.bttnSyncRB == 1);
    Check2_Click();
    m_chksysbttnclr->setChecked(r.bttnSysClr == 1);
    chksysbttnclr_Click();
    m_font->setFamily(r.bttnFont, r.bttnFontFallback);
    m_font->setSizeText(r.bttnFontSize);
    m_font->setWeightText(r.bttnFontWeight);
    m_font->underline()->setChecked(r.bttnUnderline == 1);
    m_font->italic()->setChecked(r.bttnItalic == 1);
    m_txtBW->setText(r.bttnWidth);
    m_txtBH->setText(r.bttnHeight);
    m_txtBT->setText(r.bttnBorder);
    m_chkconstbttnsz->setChecked(r.bttnConstSize == 1);
    chkconstbttnsz_Click();
    // The system colours force "No Border", whatever the record says.
    m_nbchk->setChecked(r.bttnNoBorder == 1 || m_chksysbttnclr->isChecked());
    nbchk_Click();
    // "No Border" empties the thickness box, but a record may hold a
    // thickness with it (Restore Defaults puts "2" into the disabled box):
    // the dialog ends holding exactly what the record says, so that an OK
    // that changes nothing leaves the record as it was.
    m_txtBT->setText(r.bttnBorder);
}

void FrmAdvBttnOp::StoreAdvVals()
{
    m_vals.bttn = capture();
}

void FrmAdvBttnOp::RestoreAdvVals()
{
    restore(m_vals.bttn);
}

void FrmAdvBttnOp::Command8_Click()
{
    // The record only ever holds complete colour texts.
    for (ColorRow *row : m_rows) {
        if (!row->ensureComplete())
            return;
    }
    QDialog::accept();
    StoreAdvVals();
}

void FrmAdvBttnOp::Command9_Click()
{
    QDialog::reject();
    RestoreAdvVals();
}

void FrmAdvBttnOp::reject()
{
    Command9_Click();
}

// A click on the thickness box while the system colours keep it disabled
// tells the user why it does nothing.
bool FrmAdvBttnOp::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_txtBT && event->type() == QEvent::MouseButtonPress && !m_txtBT->isEnabled()
        && m_chksysbttnclr->isChecked()) {
        offerBorderNotice();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FrmAdvBttnOp::offerBorderNotice()
{
    if (m_prompts.borderNotice)
        m_prompts.borderNotice(this);
}
