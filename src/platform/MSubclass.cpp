#include "platform/MSubclass.h"

#include <QEvent>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QWindow>

namespace {

struct WindowRecord {
    int attachments = 0;
    QHash<int, QList<ISubclass *>> handlers;
    QMetaObject::Connection destroyedConnection;
};

// Takes the events of subclassed windows.
class Dispatcher : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// A dispatch's reference to the handler it is calling, held for the whole
// call, the window's own handling before it included. The handler's
// destructor clears it, so that a handler destroyed meanwhile (by the
// window's own handling, or by a nested event) is never called.
struct CallReference {
    ISubclass *handler;
    bool alive = true;
};

struct Module {
    QHash<const QObject *, WindowRecord> windows;
    int activeMessage = 0;
    Dispatcher filter;
    QList<CallReference *> calls; // innermost last
};

Module &module()
{
    static Module m;
    return m;
}

const QList<ISubclass *> *handlersOf(const QObject *window, int message)
{
    const auto w = module().windows.constFind(window);
    if (w == module().windows.constEnd())
        return nullptr;
    const auto h = w->handlers.constFind(message);
    return h == w->handlers.constEnd() ? nullptr : &*h;
}

bool Dispatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (MSubclass::handlerCount(watched, int(event->type())) <= 0)
        return false; // straight on to the window's own handling
    MSubclass::SubclassWndProc(watched, event);
    return true;
}

// The window's own handling: its event() function, as Qt would call it.
bool callPrevious(QObject *window, QEvent *event)
{
    return window->event(event);
}

// Holds a reference for the time of one handler call.
class HeldReference {
public:
    explicit HeldReference(ISubclass *handler) : m_reference{handler} { module().calls.append(&m_reference); }
    ~HeldReference() { module().calls.removeOne(&m_reference); }
    HeldReference(const HeldReference &) = delete;
    HeldReference &operator=(const HeldReference &) = delete;

    bool alive() const { return m_reference.alive; }

private:
    CallReference m_reference;
};

void unsubclass(QObject *window)
{
    Module &m = module();
    const auto w = m.windows.find(window);
    if (w == m.windows.end())
        return;
    QObject::disconnect(w->destroyedConnection);
    m.windows.erase(w);
    window->removeEventFilter(&m.filter);
}

} // namespace

ISubclass::~ISubclass()
{
    MSubclass::forgetHandler(this);
}

namespace MSubclass {

void RaiseSubclassError(int code)
{
    throw SubclassError(code);
}

bool IsOwnProcessWindow(QObject *hWnd)
{
    const auto *window = qobject_cast<QWindow *>(hWnd);
    return !window || window->type() != Qt::ForeignWindow;
}

void AddMessageHandler(ISubclass *handler, QObject *hWnd, int iMsg)
{
    if (!hWnd || !(hWnd->isWidgetType() || hWnd->isWindowType()))
        RaiseSubclassError(SubclassError::InvalidWindow);
    if (!IsOwnProcessWindow(hWnd))
        RaiseSubclassError(SubclassError::ExternalWindow);
    if (const auto *list = handlersOf(hWnd, iMsg); list && list->contains(handler))
        RaiseSubclassError(SubclassError::AlreadyHandled);

    Module &m = module();
    if (!m.windows.contains(hWnd)) {
        // An event filter can only be installed from the window's own thread.
        if (hWnd->thread() != m.filter.thread())
            RaiseSubclassError(SubclassError::CantSubclass);
        hWnd->installEventFilter(&m.filter);
        WindowRecord record;
        record.destroyedConnection =
            QObject::connect(hWnd, &QObject::destroyed, [hWnd] { module().windows.remove(hWnd); });
        m.windows.insert(hWnd, record);
    }
    WindowRecord &record = m.windows[hWnd];
    ++record.attachments;
    record.handlers[iMsg].append(handler);
}

void RemoveMessageHandler(ISubclass *handler, QObject *hWnd, int iMsg)
{
    Module &m = module();
    const auto w = m.windows.find(hWnd);
    if (w == m.windows.end())
        return;
    const auto h = w->handlers.find(iMsg);
    if (h == w->handlers.end() || !h->removeOne(handler))
        return;
    if (h->isEmpty())
        w->handlers.erase(h);
    if (--w->attachments <= 0)
        unsubclass(hWnd);
}

bool SubclassWndProc(QObject *hWnd, QEvent *event)
{
    const int message = int(event->type());
    const QPointer<QObject> window(hWnd);
    const QList<ISubclass *> *list = handlersOf(hWnd, message);
    const int n = list ? int(list->size()) : 0;
    if (n <= 0)
        return callPrevious(hWnd, event);

    bool previousCalled = false;
    bool result = false;
    for (int i = 0; i < n && window; ++i) {
        // Read the table afresh: a handler may have detached itself or another.
        list = handlersOf(hWnd, message);
        ISubclass *handler = list && i < list->size() ? list->at(i) : nullptr;
        if (!handler) {
            // The slot emptied during this dispatch: the window still gets
            // the event, but only once.
            if (!previousCalled) {
                result = callPrevious(hWnd, event);
                previousCalled = true;
            }
            continue;
        }
        const HeldReference reference(handler);
        module().activeMessage = message;
        const int response = handler->MsgResponse();
        if (i == 0 && response == ISubclass::RespBeforePrevious && !previousCalled) {
            const bool own = callPrevious(hWnd, event);
            previousCalled = true;
            if (!window)
                break;
            if (!reference.alive()) {
                // The window's own handling destroyed the handler: the
                // event has been handled, by the window alone.
                result = own;
                continue;
            }
        }
        result = handler->WindowProc(hWnd, message, event);
        if (i == n - 1 && window && response == ISubclass::RespAfterPrevious && !previousCalled) {
            result = callPrevious(hWnd, event);
            previousCalled = true;
        }
    }
    return result;
}

int ActiveMessage()
{
    return module().activeMessage;
}

int handlerCount(const QObject *hWnd, int iMsg)
{
    const QList<ISubclass *> *list = handlersOf(hWnd, iMsg);
    return list ? int(list->size()) : 0;
}

bool isSubclassed(const QObject *hWnd)
{
    return module().windows.contains(hWnd);
}

void forgetHandler(ISubclass *handler)
{
    for (CallReference *call : std::as_const(module().calls)) {
        if (call->handler == handler)
            call->alive = false;
    }
    QList<QPair<QObject *, int>> attachments;
    for (auto w = module().windows.cbegin(); w != module().windows.cend(); ++w)
        for (auto h = w->handlers.cbegin(); h != w->handlers.cend(); ++h)
            if (h->contains(handler))
                attachments.append({const_cast<QObject *>(w.key()), h.key()});
    for (const auto &[window, message] : attachments)
        RemoveMessageHandler(handler, window, message);
}

} // namespace MSubclass
