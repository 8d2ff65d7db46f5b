#pragma once

#include <QString>
#include <QUrl>

// What the live preview needs from Qt WebEngine before and when it starts.
namespace livepreview {

// The scheme the preview page is served under, from memory.
inline constexpr char kScheme[] = "quillnav-preview";
// The address of the preview page; the menu's relative links resolve against it.
QUrl pageUrl();
// A link of the menu as the user wrote it: addresses relative to the preview
// page lose the page's folder again.
QString describeAddress(const QUrl &url);

// Runs before the QApplication exists: registers the page's scheme and asks
// for the shared OpenGL contexts Qt WebEngine works with. Creates nothing.
void prepareApplication();

// Called before the first web view is made: false, with the reason in words
// a user reads, when Qt WebEngine cannot start here. Turns Chromium's sandbox
// off only where it cannot start (running as root, or no user namespaces).
bool prepareEngine(QString *problem);
// Why the sandbox is off, or empty when it is on.
QString sandboxNote();

} // namespace livepreview
