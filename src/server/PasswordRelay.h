#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

// Carries a transport's password question from its worker thread over to the
// window's thread, where a prompt can be shown, and waits there for the
// answer. Once closed (the window is closing), a question waiting or still
// to come is answered empty at once: the transport stops, nothing is asked,
// and the window never waits on a thread that waits on it.
class PasswordRelay {
public:
    // `context` lives on the window's thread; the questions are asked there.
    explicit PasswordRelay(QObject *context);
    ~PasswordRelay();
    PasswordRelay(const PasswordRelay &) = delete;
    PasswordRelay &operator=(const PasswordRelay &) = delete;

    // A question to hand to a transport (TransportOptions::password) that
    // calls `ask` on the window's thread; an empty `ask` gives an empty one.
    std::function<QByteArray()> relay(std::function<QByteArray()> ask);
    void close();

private:
    struct State;
    std::shared_ptr<State> m_state;
    QPointer<QObject> m_context;
};
