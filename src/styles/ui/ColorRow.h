#pragma once

#include "styles/mColorSelect.h"
#include "styles/ui/StylePrompts.h"

#include <QObject>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// One colour row of a style dialog: description label "lbldesc_<i>", swatch
// "lblclr_<i>", colour box "txtclr_<i>" (at most 7 characters) and "Select"
// button "cmdclr_<i>". The widgets are children of the dialog, which places
// them in its own layout; the row owns the behaviour.
//
// Every change of the box's text, typed, pasted or set by the program, runs
// txtclr_Change at once: a complete colour text paints the swatch, an
// incomplete one blanks it, a bad one is refused with an "Oops!" message, and
// a missing "#" is put back. When a run of the change handling completes,
// textChangedByHandler(index) is emitted so that a dialog can copy the text
// to another row (border sync). The message that asks for a colour offers
// the help on colours when the dialog's prompts supply it.
class ColorRow : public QObject {
    Q_OBJECT

public:
    // swatchColour may be a system colour reference; nothing is painted and
    // the box stays empty until the dialog sets a text.
    ColorRow(int index, const QString &description, mColorSelect::ColorNumber swatchColour, QWidget *dialog,
             const StylePrompts &prompts = {});

    int index() const { return m_index; }
    QLabel *lbldesc() const { return m_lbldesc; }
    QLabel *lblclr() const { return m_lblclr; }
    QLineEdit *txtclr() const { return m_txtclr; }
    QPushButton *cmdclr() const { return m_cmdclr; }

    // The colour box's text. setText runs the change handling before it
    // returns; a text longer than 7 characters is cut to its first 7.
    QString text() const;
    void setText(const QString &text);

    // Label, swatch, box and button are enabled or disabled together.
    void setRowEnabled(bool enabled);
    bool isRowEnabled() const;

    // A blank swatch shows no colour but keeps its last one.
    void setPainted(bool painted);
    bool isPainted() const { return m_painted; }
    mColorSelect::ColorNumber swatchColor() const { return m_colour; }
    void setSwatchColor(mColorSelect::ColorNumber colour);

    // Parses a colour text and paints the swatch with it. Returns true when the
    // text was applied; on failure the swatch keeps its colour.
    [[nodiscard]] bool ApplyColorText(const QString &text);

    // Before a dialog stores its rows: true when the text is a complete colour
    // text. An incomplete text in a row in use is refused as leaving the box
    // is (message, "#000000", focus back) and gives false; a row not in use
    // quietly takes its last valid colour back.
    bool ensureComplete();

    // The handlers, callable directly (tests, dialogs) as well as wired to the
    // widgets.
    void txtclr_Change();
    // Replaces a typed character code; 0 discards the key. Enter also moves
    // the focus to the next control.
    int txtclr_KeyPress(int code);
    void txtclr_LostFocus();
    void cmdclr_Click();

signals:
    void textChangedByHandler(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showOops(const QString &message);
    void selectAfterHash();
    void updateSwatch();

    int m_index;
    QLabel *m_lbldesc;
    QLabel *m_lblclr;
    QLineEdit *m_txtclr;
    QPushButton *m_cmdclr;
    mColorSelect::ColorNumber m_colour;
    bool m_painted = false;
    int m_messageDepth = 0;
    std::function<void(QWidget *owner)> m_colourHelp;
};
