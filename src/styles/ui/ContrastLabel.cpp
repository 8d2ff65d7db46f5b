#include "styles/ui/ContrastLabel.h"

#include "styles/ColorContrast.h"
#include "styles/ui/ColorRow.h"

namespace {
constexpr qsizetype ColorTextLength = 7;
}

ContrastLabel::ContrastLabel(ColorRow *text, ColorRow *background, std::function<bool()> inUse,
                             QWidget *parent)
    : QLabel(parent), m_text(text), m_background(background), m_inUse(std::move(inUse))
{
    setObjectName(QStringLiteral("lblcontrast"));
    setWordWrap(true);
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true); // the dialog keeps its size while typing
    setSizePolicy(policy);
    for (ColorRow *row : {m_text, m_background})
        connect(row, &ColorRow::textChangedByHandler, this, &ContrastLabel::refresh);
    refresh();
}

void ContrastLabel::refresh()
{
    QString warning;
    if (m_inUse() && m_text->text().size() == ColorTextLength
        && m_background->text().size() == ColorTextLength)
        warning = ColorContrast::LowContrastWarning(
            ColorContrast::ContrastRatio(m_text->swatchColor(), m_background->swatchColor()));
    setText(warning);
    setVisible(!warning.isEmpty());
}
