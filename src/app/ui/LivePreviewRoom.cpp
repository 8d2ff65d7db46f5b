#include "app/ui/LivePreviewRoom.h"

#include <QCoreApplication>
#include <QDockWidget>
#include <QMainWindow>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>

LivePreviewRoom::LivePreviewRoom(QMainWindow *window, QDockWidget *pane, std::function<QSize()> ownMinimum)
    : QObject(pane), m_window(window), m_ownMinimum(std::move(ownMinimum)), m_pane(pane)
{
    pane->setMinimumSize(kPaneMinWidth, kPaneMinHeight);
    window->installEventFilter(this);
    pane->installEventFilter(this);
    connect(pane, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        updateLimits();
        if (floating)
            fitFloating(false);
    });
    connect(pane, &QDockWidget::dockLocationChanged, this, &LivePreviewRoom::updateLimits);
}

bool LivePreviewRoom::docked() const
{
    return !m_pane->isHidden() && !m_pane->isFloating()
           && m_window->dockWidgetArea(m_pane) != Qt::NoDockWidgetArea;
}

bool LivePreviewRoom::beside() const
{
    const Qt::DockWidgetArea area = m_window->dockWidgetArea(m_pane);
    return area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
}

int LivePreviewRoom::separator() const
{
    return m_window->style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, m_window);
}

QSize LivePreviewRoom::extraMinimum() const
{
    if (!docked())
        return QSize(0, 0); // not QSize(), which is -1 × -1 and would take a pixel off each way
    const QSize least = m_pane->minimumSize().expandedTo(m_pane->minimumSizeHint());
    return beside() ? QSize(least.width() + separator(), 0) : QSize(0, least.height() + separator());
}

// The window takes its limits again now, not once the layout asks.
void LivePreviewRoom::updateLimits()
{
    QEvent request(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(m_window, &request);
}

void LivePreviewRoom::makeRoom(bool shown)
{
    if (m_window->isMaximized() || m_window->isFullScreen() || m_window->isMinimized()) {
        updateLimits();
        if (shown)
            keepShare();
        return;
    }
    if (m_pane->isFloating()) {
        if (shown)
            fitFloating(false);
        return;
    }
    const bool side = beside();
    const auto along = [side](QSize size) { return side ? size.width() : size.height(); };
    const auto with = [side](QSize size, int length) {
        (side ? size.rwidth() : size.rheight()) = length;
        return size;
    };
    const QSize own = m_ownMinimum();
    const int length = along(m_window->size());
    if (!shown) {
        updateLimits();
        const int room = along(m_pane->size()) + separator();
        m_window->resize(with(m_window->size(), qMax(along(own), length - room)));
        return;
    }

    const QRect screen = m_window->screen()->availableGeometry();
    const QSize frame = m_window->frameGeometry().size() - m_window->size();
    const int most = along(screen.size() - frame);
    const int least = along(own) + along(extraMinimum());
    if (least > most) {
        m_pane->setFloating(true); // the screen is too small to have it beside
        fitFloating(true);
        return;
    }
    // Beside the controls the pane asks for the room to have its own width
    // as its half of the width beyond the controls' own.
    const int wanted = (side ? kPaneWidth : kPaneHeight) + separator();
    const int evenly = side ? along(own) + 2 * kPaneWidth + separator() : 0;
    const int newLength = qMax(least, qMin(qMax(length + wanted, evenly), most));
    m_window->resize(with(m_window->size(), newLength));
    if (side) {
        keepShare();
    } else {
        const int paneLength =
            qMax(along(extraMinimum()), qMin(wanted, newLength - along(own))) - separator();
        m_window->resizeDocks({m_pane}, {paneLength}, Qt::Vertical);
    }
    updateLimits();
    if (m_window->isVisible()) {
        QRect outer = m_window->frameGeometry();
        outer.moveRight(qMin(outer.right(), screen.right()));
        outer.moveBottom(qMin(outer.bottom(), screen.bottom()));
        outer.moveLeft(qMax(outer.left(), screen.left()));
        outer.moveTop(qMax(outer.top(), screen.top()));
        m_window->move(outer.topLeft());
    }
}

// Beside the controls the pane keeps its share of the width beyond the
// controls' own as the window grows or shrinks (half of it unless the user
// dragged the separator); a change of the pane's width while the window keeps
// its own is the user's, and sets the share.
int LivePreviewRoom::widthBeyondControls() const
{
    return m_window->width() - m_ownMinimum().width() - separator();
}

void LivePreviewRoom::keepShare()
{
    if (!docked() || !beside() || m_share <= 0)
        return;
    const int beyond = widthBeyondControls();
    const int least = extraMinimum().width() - separator();
    m_widthSet = qMax(least, qMin(beyond, qRound(m_share * beyond)));
    m_window->resizeDocks({m_pane}, {m_widthSet}, Qt::Horizontal);
}

bool LivePreviewRoom::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Resize)
        return false;
    if (watched == m_window) {
        const auto *resize = static_cast<QResizeEvent *>(event);
        if (resize->oldSize().width() != resize->size().width())
            keepShare();
    } else if (watched == m_pane && docked() && beside()) {
        if (m_window->width() == m_widthAtPaneResize && m_pane->width() != m_widthSet
            && widthBeyondControls() > 0)
            m_share = double(m_pane->width()) / widthBeyondControls();
        m_widthAtPaneResize = m_window->width();
    }
    return false;
}

// A floating pane stays on its screen; one floated for want of room takes the
// room it asks for, as far as the screen has it.
void LivePreviewRoom::fitFloating(bool grow)
{
    const QRect screen = m_pane->screen()->availableGeometry();
    const QSize frame = m_pane->frameGeometry().size() - m_pane->size();
    const QSize wanted = grow ? m_pane->size().expandedTo(QSize(kPaneWidth, kPaneHeight)) : m_pane->size();
    const QSize size = wanted.boundedTo(screen.size() - frame);
    QRect outer(m_pane->frameGeometry().topLeft(), size + frame);
    outer.moveRight(qMin(outer.right(), screen.right()));
    outer.moveBottom(qMin(outer.bottom(), screen.bottom()));
    outer.moveLeft(qMax(outer.left(), screen.left()));
    outer.moveTop(qMax(outer.top(), screen.top()));
    m_pane->resize(size);
    m_pane->move(outer.topLeft());
}
