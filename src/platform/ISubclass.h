#pragma once

class QEvent;
class QObject;

// A receiver of another window's events, attached through MSubclass for one
// window and one event type. The attachment does not own the handler; a
// handler that is destroyed while attached is detached by this destructor,
// and a dispatch under way (the window's own handling running first) does
// not call it afterwards.
class ISubclass {
public:
    // How the window's own handling of the event is combined with the handlers.
    enum Response {
        RespConsume = 0,        // the window's own handling never sees the event
        RespAfterPrevious = 1,  // the window handles it after the last handler
        RespBeforePrevious = 2, // the window handles it before the first handler
    };

    virtual ~ISubclass();

    virtual int MsgResponse() const = 0;
    // The module never assigns it.
    virtual void MsgResponse(int RHS) = 0;
    // Handles one event of hWnd; iMsg is the event's type. The result becomes
    // the event's result unless the window's own handling runs afterwards.
    virtual bool WindowProc(QObject *hWnd, int iMsg, QEvent *event) = 0;

protected:
    ISubclass() = default;
    ISubclass(const ISubclass &) = default;
    ISubclass &operator=(const ISubclass &) = default;
};
