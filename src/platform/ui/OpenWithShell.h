#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

// Opens a local file (an absolute path) or an address ("https:", "mailto:" ...)
// with the desktop's default handler. The result is not examined: the handler
// runs as a program of its own and nothing waits for it.
void OpenWithShell(QWidget *owner, const QString &pathOrAddress);

// What OpenWithShell hands to the desktop: a file URL for a path, the address
// itself otherwise.
QUrl ShellUrlFor(const QString &pathOrAddress);

// Replaces the desktop call, so that tests can record instead of opening
// anything. An empty hook restores the desktop call. Returns the previous hook.
using ShellOpenHook = std::function<void(QWidget *owner, const QUrl &url)>;
ShellOpenHook SetShellOpenHook(ShellOpenHook hook);
