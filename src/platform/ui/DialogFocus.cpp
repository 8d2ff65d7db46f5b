#include "platform/ui/DialogFocus.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

bool isDialog(const QWidget *widget)
{
    return widget->isWindow() && (widget->windowType() == Qt::Dialog || widget->windowType() == Qt::Sheet)
           && !widget->testAttribute(Qt::WA_ShowWithoutActivating)
           && !widget->testAttribute(Qt::WA_DontShowOnScreen)
           && !widget->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus);
}

// A control that can take the focus back: alive, shown and enabled.
bool canTakeFocus(const QWidget *widget)
{
    return widget && widget->isVisible() && widget->isEnabled();
}

} // namespace

void DialogFocus::install()
{
    static QPointer<DialogFocus> installed;
    if (installed || !qApp)
        return;
    installed = new DialogFocus(qApp);
    qApp->installEventFilter(installed);
}

DialogFocus::DialogFocus(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("dialogFocus"));
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now)
            m_lastFocus = now;
    });
}

bool DialogFocus::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::Show || event->type() == QEvent::Hide) && watched->isWidgetType()
        && !event->spontaneous()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Hide)
            hidden(widget);
        else if (isDialog(widget))
            shown(widget);
    }
    return false;
}

// The control with the focus now, else the owner's, else the last one that
// had it; never one inside the dialog itself.
void DialogFocus::shown(QWidget *dialog)
{
    QWidget *from = QApplication::focusWidget();
    if (!from && dialog->parentWidget())
        from = dialog->parentWidget()->window()->focusWidget();
    if (!from)
        from = m_lastFocus;
    if (from && (from == dialog || dialog->isAncestorOf(from) || !from->window()->isVisible()))
        from = nullptr;
    m_cameFrom.insert(dialog, from ? from : dialog->parentWidget());
    dialog->raise();
    // Taken when the window is mapped, on a display that maps it later.
    dialog->activateWindow();
}

void DialogFocus::hidden(QWidget *dialog)
{
    const auto it = m_cameFrom.constFind(dialog);
    if (it == m_cameFrom.cend())
        return;
    QWidget *from = it->data();
    m_cameFrom.erase(it);
    if (!from || !from->window()->isVisible())
        from = dialog->parentWidget();
    if (!from || !from->window()->isVisible())
        return;
    QWidget *window = from->window();
    // A modal dialog opened meanwhile keeps the keys (a notice closing behind it).
    if (QWidget *modal = QApplication::activeModalWidget(); modal && modal != window)
        return;
    // The window keeps a control focused meanwhile (by its own rules);
    // otherwise the one the dialog came from takes it back.
    if (!canTakeFocus(window->focusWidget()) && canTakeFocus(from) && from != window)
        from->setFocus(Qt::ActiveWindowFocusReason);
    window->activateWindow();
}
