#pragma once

#include "styles/mAdvMenuvals.h"
#include "styles/ui/StylePrompts.h"

#include <QDialog>
#include <QStringList>
#include <array>

class ColorRow;
class ContrastLabel;
class FontOptionsGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Advanced Menu Options": the look of the generated drop-down list. Created
// hidden with the main window and kept until it closes; its controls are the
// live menu style, vals.mnu the last confirmed copy of them. OK stores the
// controls into the record, Cancel, Escape and the close box restore them
// from it.
class frmAdvMnuOp : public QDialog {
    Q_OBJECT

public:
    frmAdvMnuOp(mAdvMenuvals &vals, StylePrompts prompts, QWidget *owner);

    FontOptionsGroup *fontOptions() const { return m_font; }
    ColorRow *colorRow(int index) const { return m_rows.at(size_t(index)); }

    // The controls as a record, and the record put back into the controls
    // (dependent states applied in the record's order).
    MenuStyleRecord capture() const;
    void restore(const MenuStyleRecord &record);

    // Between the controls and vals.mnu.
    void StoreAdvVals();
    void RestoreAdvVals();

    void chkconstmnuwdth_Click();
    void chkmnusysclr_Click();
    void cmdrestdef_Click();
    void Command8_Click();
    void Command9_Click();

public slots:
    void reject() override;

private:
    void Form_Load();
    QWidget *buildDimensions();
    QWidget *buildColours();

    mAdvMenuvals &m_vals;
    StylePrompts m_prompts;
    std::array<ColorRow *, 2> m_rows{};
    FontOptionsGroup *m_font = nullptr;
    QCheckBox *m_chkconstmnuwdth = nullptr;
    QLabel *m_Label17 = nullptr;
    QLineEdit *m_txtMW = nullptr;
    QLabel *m_Label20 = nullptr;
    QCheckBox *m_chkmnusysclr = nullptr;
    ContrastLabel *m_contrast = nullptr;
    QPushButton *m_Command8 = nullptr;
    QPushButton *m_Command9 = nullptr;
    QPushButton *m_cmdrestdef = nullptr;
};
