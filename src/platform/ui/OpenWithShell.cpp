#include "platform/ui/OpenWithShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include <utility>

namespace {
ShellOpenHook &hook()
{
    static ShellOpenHook instance;
    return instance;
}
ShellOpenCheckedHook &checkedHook()
{
    static ShellOpenCheckedHook instance;
    return instance;
}
} // namespace

QUrl ShellUrlFor(const QString &pathOrAddress)
{
    // A scheme of one letter is a drive ("C:\..."), not an address.
    const QUrl url(pathOrAddress, QUrl::StrictMode);
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(QFileInfo(QDir::fromNativeSeparators(pathOrAddress)).absoluteFilePath());
}

bool OpenWithShell(QWidget *owner, const QString &pathOrAddress)
{
    const QUrl url = ShellUrlFor(pathOrAddress);
    if (checkedHook())
        return checkedHook()(owner, url);
    if (hook()) {
        hook()(owner, url);
        return true;
    }
    return QDesktopServices::openUrl(url);
}

ShellOpenHook SetShellOpenHook(ShellOpenHook newHook)
{
    return std::exchange(hook(), std::move(newHook));
}

ShellOpenCheckedHook SetShellOpenCheckedHook(ShellOpenCheckedHook newHook)
{
    return std::exchange(checkedHook(), std::move(newHook));
}
