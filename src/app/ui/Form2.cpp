#include "app/ui/Form2.h"

#include "app/StartupSelection.h"
#include "app/ui/SvgIcon.h"
#include "platform/Twips.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

namespace {
// Painting more often than this only slows the loading down.
constexpr qint64 kPaintIntervalMs = 40;
} // namespace

Form2::Form2(QWidget *owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    const Twips t(logicalDpiX(), logicalDpiY());
    setFixedSize(t.x(3810), t.y(2610));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(t.rect(210, 180, 3375, 1440));
    picture->setAlignment(Qt::AlignCenter);
    m_picture = picture; // drawn when first shown: most starts never show it

    auto *label = new QLabel(tr("Loading. Please wait..."), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(t.rect(210, 1740, 3375, 300));

    m_pb = new QProgressBar(this);
    m_pb->setObjectName(QStringLiteral("pb"));
    m_pb->setGeometry(t.rect(210, 2160, 3375, 255));
    m_pb->setMinimum(0);
    m_pb->setTextVisible(false);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Form2::showEvent(QShowEvent *event)
{
    if (m_picture->pixmap().isNull())
        m_picture->setPixmap(SvgIcon::make(QStringLiteral(":/icons/splash/quillnav.svg"))
                                 .pixmap(m_picture->size(), devicePixelRatioF()));
    QWidget::showEvent(event);
}

void Form2::begin(int total)
{
    m_pb->setMaximum(qMax(0, total));
    m_pb->setValue(0);
    m_loading.start();
}

void Form2::advance(int value)
{
    m_pb->setValue(value);
    const qint64 elapsed = m_loading.elapsed();
    if (!isVisible()) {
        if (!StartupSelection::splashWanted(elapsed, value - 1, m_pb->maximum()))
            return;
        show();
        raise();
    } else if (elapsed - m_lastPaint < kPaintIntervalMs) {
        return;
    }
    m_lastPaint = elapsed;
    paintNow();
}

void Form2::paintNow()
{
    // The loading runs before the event loop: let the window system map and
    // paint the splash, without taking the user's input yet.
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
