#include "app/ui/IgnoredStylesBar.h"

#include "app/ui/SvgIcon.h"
#include "codegen/IgnoredStyles.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

IgnoredStylesBar::IgnoredStylesBar(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("IgnoredStylesBar"));
    setFrameShape(QFrame::StyledPanel);
    // The tool tip colours are the palette's own pair for a note, readable
    // under light and dark palettes alike.
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setAutoFillBackground(true);

    auto *icon = new QLabel(this);
    const int side = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    icon->setPixmap(SvgIcon::make(QStringLiteral(":/icons/advisory/info.svg"))
                        .pixmap(QSize(side, side), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignTop);

    m_text = new QLabel(IgnoredStyles::Message(), this);
    m_text->setObjectName(QStringLiteral("lblIgnoredStyles"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setForegroundRole(QPalette::ToolTipText);

    m_useHtml5 = new QPushButton(tr("Use HTML5 code"), this);
    m_useHtml5->setObjectName(QStringLiteral("cmdUseHtml5"));
    m_useHtml5->setAutoDefault(false);
    m_silence = new QPushButton(tr("Don't Show Again"), this);
    m_silence->setObjectName(QStringLiteral("cmdHideIgnoredStyles"));
    m_silence->setAutoDefault(false);
    connect(m_useHtml5, &QPushButton::clicked, this, &IgnoredStylesBar::useHtml5Requested);
    connect(m_silence, &QPushButton::clicked, this, &IgnoredStylesBar::silenceRequested);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_useHtml5);
    buttons->addWidget(m_silence);

    auto *text = new QVBoxLayout;
    text->addWidget(m_text);
    text->addLayout(buttons);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addLayout(text, 1);
}
