#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

// Why an address was not opened, in a sentence for the user that names the
// program tried, if any.
using ShellOpenFailure = std::function<void(const QString &problem)>;

// Opens a local file (an absolute path) or an address ("https:", "mailto:" ...)
// with a program of its own: for a page or a web address the first command of
// BROWSER whose program exists, when BROWSER is set, else the desktop's
// opener (xdg-open), else whatever the desktop offers. Nothing waits for it.
// False, after telling `failed`, when no program was found or it could not
// be started; when it cannot start later, or ends with an error within a few
// seconds, `failed` is told then, from the event loop.
bool OpenWithShell(QWidget *owner, const QString &pathOrAddress, const ShellOpenFailure &failed = {});

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
