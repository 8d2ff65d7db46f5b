#include "styles/ui/KeyCodeFilter.h"

#include "styles/mColorSelect.h"
#include "styles/ui/TypedKeyCode.h"

#include <QLineEdit>
#include <QValidator>
#include <algorithm>

namespace {

bool AllDigits(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Refuses a change that would put anything but digits into a box that holds
// only digits. A box that was given other text (a project from elsewhere)
// can still be edited back into shape.
class DigitsValidator : public QValidator {
public:
    explicit DigitsValidator(QLineEdit *box) : QValidator(box), m_current(box->text())
    {
        connect(box, &QLineEdit::textChanged, this, [this](const QString &text) { m_current = text; });
    }

    State validate(QString &input, int &) const override
    {
        return AllDigits(input) || !AllDigits(m_current) ? Acceptable : Invalid;
    }

private:
    QString m_current; // the text before the change being validated
};

} // namespace
#include <QWidget>

KeyCodeFilter::KeyCodeFilter(QWidget *target, Filter filter) : QObject(target), m_filter(std::move(filter))
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
    box->setValidator(new DigitsValidator(box));
}
