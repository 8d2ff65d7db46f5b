#include "server/PasswordRelay.h"

#include <QMutex>
#include <QWaitCondition>

#include <optional>

struct PasswordRelay::State {
    QMutex mutex;
    QWaitCondition answered;
    bool closed = false;
};

PasswordRelay::PasswordRelay(QObject *context) : m_state(std::make_shared<State>()), m_context(context)
{
}

PasswordRelay::~PasswordRelay()
{
    close();
}

std::function<QByteArray()> PasswordRelay::relay(std::function<QByteArray()> ask)
{
    if (!ask)
        return {};
    return [state = m_state, context = m_context, ask = std::move(ask)]() -> QByteArray {
        auto answer = std::make_shared<std::optional<QByteArray>>();
        QMutexLocker lock(&state->mutex);
        if (state->closed || !context)
            return {};
        QMetaObject::invokeMethod(
            context.data(),
            [state, ask, answer] {
                const QByteArray given = ask();
                const QMutexLocker done(&state->mutex);
                *answer = given;
                state->answered.wakeAll();
            },
            Qt::QueuedConnection);
        while (!answer->has_value() && !state->closed)
            state->answered.wait(&state->mutex);
        return answer->value_or(QByteArray());
    };
}

void PasswordRelay::close()
{
    const QMutexLocker lock(&m_state->mutex);
    m_state->closed = true;
    m_state->answered.wakeAll();
}
