#include "styles/ui/KeyCodeFilter.h"

#include "styles/ui/TypedKeyCode.h"

#include <QLineEdit>
#include <QWidget>

KeyCodeFilter::KeyCodeFilter(QWidget *target, Filter filter)
    : QObject(target), m_filter(std::move(filter))
{
    target->installEventFilter(this);
}

bool KeyCodeFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int code = TypedKeyCode(static_cast<QKeyEvent *>(event));
    if (code < 0)
        return false;
    const int result = m_filter(code);
    if (result == code)
        return false;
    if (result != 0) {
        if (auto *edit = qobject_cast<QLineEdit *>(watched))
            edit->insert(QString(QChar(char16_t(result))));
    }
    return true;
}
