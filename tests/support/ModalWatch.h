#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace modalwatch {

// Runs `action` on the modal widget that the event loop shows (checked on
// every timer turn) until the action returns true, meaning it has dealt with
// the widget. The watch lives as long as `context`.
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

// Records every message box shown while it lives and answers each with
// `answer`; a box without that button is rejected.
class MessageBoxCatcher : public QObject {
public:
    struct Box {
        QString title, text;
        QMessageBox::StandardButtons buttons;
    };
    explicit MessageBoxCatcher(QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        whenModal(this, [this, answer](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (box && box != m_last) {
                m_last = box;
                ++count;
                title = box->windowTitle();
                text = box->text();
                icon = box->icon();
                boxes << Box{title, text, box->standardButtons()};
                box->button(answer) ? box->button(answer)->click() : box->reject();
            }
            return false;
        });
    }

    int count = 0; // the last box's title, text and icon:
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<Box> boxes;

private:
    QPointer<QMessageBox> m_last;
};

} // namespace modalwatch
