#include "styles/ui/KeyCodeFilter.h"

#include "styles/mColorSelect.h"
#include "styles/ui/TypedKeyCode.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
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

void KeyCodeFilter::DigitsOnlyBox(QLineEdit *box, Filter filter)
{
    if (!filter)
        filter = [](int code) { return mColorSelect::DigitsOnly(code); };
    new KeyCodeFilter(box, std::move(filter));
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
}
