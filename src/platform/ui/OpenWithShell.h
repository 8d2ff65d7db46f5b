#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

// Opens a local file (an absolute path) or an address ("https:", "mailto:" ...)
// with the desktop's default handler, which runs as a program of its own;
// nothing waits for it. False when the desktop found nothing to open it with.
bool OpenWithShell(QWidget *owner, const QString &pathOrAddress);

// What OpenWithShell hands to the desktop: a file URL for a path, the address
// itself otherwise.
QUrl ShellUrlFor(const QString &pathOrAddress);

// Replaces the desktop call, so that tests can record instead of opening
// anything. An empty hook restores the desktop call. Returns the previous hook.
using ShellOpenHook = std::function<void(QWidget *owner, const QUrl &url)>;
ShellOpenHook SetShellOpenHook(ShellOpenHook hook);
// The same with the desktop's answer: the hook returns whether it opened the
// address. It takes precedence over a ShellOpenHook.
using ShellOpenCheckedHook = std::function<bool(QWidget *owner, const QUrl &url)>;
ShellOpenCheckedHook SetShellOpenCheckedHook(ShellOpenCheckedHook hook);
