#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

// Opens the help window at a topic. The help file is looked for on every
// request; when it is missing (or cannot be opened) a message says where it
// was looked for, owned by `from`.
namespace HelpViewer {

void showContents(QWidget *from);
void showTopic(QWidget *from, const QString &topic);
void showUrl(QWidget *from, const QUrl &url);

// Replaces the help window, so that tests can record instead of opening it.
// An empty hook restores the window. Returns the previous hook.
using OpenHook = std::function<void(QWidget *from, const QUrl &url)>;
OpenHook setOpenHook(OpenHook hook);

// The message shown when no help file was found.
QString missingHelpMessage(const QStringList &lookedIn);

} // namespace HelpViewer
