#pragma once

#include "styles/mAdvMenuvals.h"
#include "styles/ui/StylePrompts.h"

#include <QDialog>
#include <array>

class ColorRow;
class ContrastLabel;
class FontOptionsGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Advanced Button Options": the look of the text submit button. The twin of
// frmAdvMnuOp, with six colour rows (text, face, top, left, right, bottom
// border), border sync, "No Border", thickness and dimensions. The dependent
// states form a precedence: the system colours over "No Border" over the two
// sync boxes; a higher box that disables rows is never undone by a lower one.
class FrmAdvBttnOp : public QDialog {
    Q_OBJECT

public:
    FrmAdvBttnOp(mAdvMenuvals &vals, StylePrompts prompts, QWidget *owner);

    FontOptionsGroup *fontOptions() const { return m_font; }
    ColorRow *colorRow(int index) const { return m_rows.at(size_t(index)); }

    ButtonStyleRecord capture() const;
    void restore(const ButtonStyleRecord &record);

    void StoreAdvVals();
    void RestoreAdvVals();

    void Check1_Click();
    void Check2_Click();
    void chksysbttnclr_Click();
    void nbchk_Click();
    void chkconstbttnsz_Click();
    void cmdrestdef_Click();
    void Command8_Click();
    void Command9_Click();

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    QWidget *buildDimensions();
    QWidget *buildColours();
    // Border rows take part only without system colours and with a border.
    bool bordersInUse() const;
    void applySync(QCheckBox *sync, int source, int target);
    void offerBorderNotice();

    mAdvMenuvals &m_vals;
    StylePrompts m_prompts;
    std::array<ColorRow *, 6> m_rows{};
    FontOptionsGroup *m_font = nullptr;
    QCheckBox *m_chkconstbttnsz = nullptr;
    QLabel *m_Label17 = nullptr;
    QLineEdit *m_txtBW = nullptr;
    QLabel *m_Label20 = nullptr;
    QLabel *m_Label19 = nullptr;
    QLineEdit *m_txtBH = nullptr;
    QLabel *m_Label21 = nullptr;
    QLabel *m_Label18 = nullptr;
    QLineEdit *m_txtBT = nullptr;
    QLabel *m_Label22 = nullptr;
    QCheckBox *m_nbchk = nullptr;
    QCheckBox *m_chksysbttnclr = nullptr;
    ContrastLabel *m_contrast = nullptr;
    QCheckBox *m_Check1 = nullptr;
    QCheckBox *m_Check2 = nullptr;
    QPushButton *m_Command8 = nullptr;
    QPushButton *m_Command9 = nullptr;
    QPushButton *m_cmdrestdef = nullptr;
};
