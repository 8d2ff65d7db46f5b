#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace modalwatch {

// Runs `action` on the next modal widget that the event loop shows (checked on
// every timer turn). The action returns true when it has dealt with the widget;
// the watch then stops. Keep the returned timer alive for the watch to run.
inline QTimer *whenModal(QObject *context, std::function<bool(QWidget *)> action)
{
    auto *timer = new QTimer(context);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action = std::move(action)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && action(modal))
            timer->stop();
    });
    timer->start();
    return timer;
}

// Records every message box the code shows while it lives and answers each
// with the given button.
class MessageBoxCatcher : public QObject {
public:
    explicit MessageBoxCatcher(QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        auto *timer = new QTimer(this);
        timer->setInterval(5);
        connect(timer, &QTimer::timeout, this, [this, answer] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || box == m_last)
                return;
            m_last = box;
            ++count;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            if (QAbstractButton *button = box->button(answer))
                button->click();
        });
        timer->start();
    }

    int count = 0;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;

private:
    QPointer<QMessageBox> m_last;
};

} // namespace modalwatch
