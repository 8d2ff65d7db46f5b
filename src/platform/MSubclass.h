#pragma once

#include "platform/ISubclass.h"
#include "platform/SubclassError.h"

class QEvent;
class QObject;

// Per-window event handlers. A window is a QWidget or a QWindow of this
// program; an event type (QEvent::Type) is the message number. Handlers are
// kept in a table of the module, per window and event type, in attachment
// order. While a window has attachments, an event filter of the module takes
// its events of the attached types and combines the handlers with the
// window's own handling (its event() function, "the previous procedure")
// as the first and last handler's MsgResponse asks:
//   RespConsume         the window's own handling is skipped;
//   RespBeforePrevious  the window handles the event before the first handler;
//   RespAfterPrevious   the window handles it after the last handler, and its
//                       result is the event's result.
// Events of other types reach the window unchanged. Everything runs on the
// thread of the user interface.
namespace MSubclass {

// Raises SubclassError: InvalidWindow (null, destroyed, or not a window),
// ExternalWindow (a foreign window, e.g. from QWindow::fromWinId),
// AlreadyHandled (this handler is attached already for the window and type;
// nothing changes) or CantSubclass (the window lives in another thread).
void AddMessageHandler(ISubclass *handler, QObject *hWnd, int iMsg);

// Detaches the handler; the handlers after it keep their order. When the
// window's last attachment goes, the window is left exactly as before.
// Removing an attachment that does not exist changes nothing.
void RemoveMessageHandler(ISubclass *handler, QObject *hWnd, int iMsg);

// The combination for one event of a window with handlers attached; the
// module's event filter calls it. Returns the event's result.
bool SubclassWndProc(QObject *hWnd, QEvent *event);

// The type of the event being dispatched, set before every handler call.
int ActiveMessage();

// False for a foreign window, one that another program created.
bool IsOwnProcessWindow(QObject *hWnd);

[[noreturn]] void RaiseSubclassError(int code);

// How many handlers are attached for the window and type (0 when none), and
// whether the window is subclassed at all.
int handlerCount(const QObject *hWnd, int iMsg);
bool isSubclassed(const QObject *hWnd);

// Drops every attachment of a handler; ISubclass's destructor calls it.
void forgetHandler(ISubclass *handler);

} // namespace MSubclass
