#pragma once

#include <QLabel>

#include <functional>

class ColorRow;

// The warning "lblcontrast" under a style dialog's colour rows: shown while
// the text colour on the background colour is below the readable contrast
// (ColorContrast), hidden, with its place kept, while the contrast is enough,
// a colour text is incomplete or the dialog's own colours are not in use. It
// warns only; every colour can still be kept. It follows each change of the
// two rows; the dialog calls refresh() when its colours come into or out of use.
class ContrastLabel : public QLabel {
    Q_OBJECT

public:
    ContrastLabel(ColorRow *text, ColorRow *background, std::function<bool()> inUse, QWidget *parent);

    void refresh();

private:
    ColorRow *m_text;
    ColorRow *m_background;
    std::function<bool()> m_inUse;
};
