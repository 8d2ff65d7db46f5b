#include "app/ui/AdvisoryDialog.h"

#include "app/AdvisoryFlags.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int IconSize = 32;

QPixmap RenderIcon(const QString &resource, qreal pixelRatio)
{
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        return QPixmap();
    const int side = int(std::ceil(IconSize * pixelRatio));
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(pixelRatio);
    return pixmap;
}

} // namespace

QSize AdvisoryDialog::TwipsToPixels(QSize twips, qreal logicalDpi)
{
    const auto convert = [logicalDpi](int value) { return int(std::lround(value * logicalDpi / 1440.0)); };
    return QSize(convert(twips.width()), convert(twips.height()));
}

AdvisoryDialog::AdvisoryDialog(const Design &design, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                         | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_flagKey(design.flagKey)
{
    setObjectName(design.objectName);
    setWindowTitle(design.caption);
    setModal(true);
    buildLayout(design);

    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    m_designedSize = TwipsToPixels(design.clientTwips, dpi);
    // The message must stay readable with fonts larger than the ones the
    // dialog was laid out for, so the client area only ever grows.
    QSize size = m_designedSize.expandedTo(layout()->totalMinimumSize());
    if (layout()->hasHeightForWidth())
        size.setHeight(qMax(size.height(), layout()->totalHeightForWidth(size.width())));
    setFixedSize(size);

    const QPixmap icon = RenderIcon(design.iconResource, screen ? screen->devicePixelRatio() : 1.0);
    m_image1->setPixmap(icon);

    Form_Load();
}

void AdvisoryDialog::centreOver(QWidget *window)
{
    if (!window || !window->isVisible()
        || QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    adjustPosition(window); // within the screen, as for an owned dialog
}

void AdvisoryDialog::buildLayout(const Design &design)
{
    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setFixedSize(IconSize, IconSize);

    m_label1 = new QLabel(design.message, this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setWordWrap(true);
    m_label1->setTextFormat(Qt::PlainText);
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_check1 = new QCheckBox(tr("Show this message again in the future."), this);
    m_check1->setObjectName(QStringLiteral("Check1"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_command1 = new QPushButton(design.buttonCaptions.value(0), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setDefault(true);
    buttons->addWidget(m_command1);
    connect(m_command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    if (design.buttonCaptions.size() > 1) {
        m_command2 = new QPushButton(design.buttonCaptions.value(1), this);
        m_command2->setObjectName(QStringLiteral("Command2"));
        buttons->addWidget(m_command2);
        connect(m_command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    }
    buttons->addStretch(1);

    auto *text = new QVBoxLayout;
    text->addWidget(m_label1, 1);
    text->addWidget(m_check1);

    auto *top = new QHBoxLayout;
    top->addWidget(m_image1, 0, Qt::AlignTop);
    top->addLayout(text, 1);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(9, 9, 9, 9);
    outer->setSpacing(6);
    outer->addLayout(top, 1);
    outer->addLayout(buttons);
}

void AdvisoryDialog::Form_Load()
{
    if (AdvisoryFlags::Read(m_flagKey) == QLatin1String("yes"))
        m_check1->setChecked(true);
}

void AdvisoryDialog::storeFlag()
{
    // A failed write only means the advisory shows again next time.
    AdvisoryFlags::Write(m_flagKey, m_check1->isChecked());
}

void AdvisoryDialog::Command1_Click()
{
    storeFlag();
    accept();
}

void AdvisoryDialog::Command2_Click()
{
    storeFlag();
    accept();
}
