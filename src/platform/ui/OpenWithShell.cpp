#include "platform/ui/OpenWithShell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <memory>
#include <optional>
#include <utility>

namespace {
// An opener that ends with an error this soon did not show the address; one
// that ends later ran a browser that has since been closed.
constexpr qint64 kQuickExitMs = 5000;

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

// A program and its arguments, with the name the user knows it by.
struct Opener {
    QString name;
    QString program; // found on the PATH
    QStringList arguments;
};

// The first command of BROWSER (commands separated by ':', words with spaces
// in double quotes) whose program exists; "%s" in it stands for the address,
// else the address comes last.
// None found: `missing` names the first program.
std::optional<Opener> browserCommand(const QString &commands, const QString &address, QString *missing)
{
    for (const QString &command : commands.split(u':', Qt::SkipEmptyParts)) {
        QStringList words = QProcess::splitCommand(command);
        if (words.isEmpty())
            continue;
        const QString name = words.takeFirst();
        const QString program = QStandardPaths::findExecutable(name);
        if (program.isEmpty()) {
            if (missing->isEmpty())
                *missing = name;
            continue;
        }
        bool placed = false;
        for (QString &word : words) {
            if (word.contains(QLatin1String("%s"))) {
                word.replace(QLatin1String("%s"), address);
                placed = true;
            }
            word.replace(QLatin1String("%%"), QLatin1String("%"));
        }
        if (!placed)
            words << address;
        return Opener{name, program, words};
    }
    return std::nullopt;
}

// Starts the opener and watches it without waiting: a start that fails, or
// an opener that ends with an error at once, is told to `failed`. The process
// has no parent, so that a browser still running when Quillnav ends is left
// running.
bool start(const Opener &opener, const ShellOpenFailure &failed)
{
    auto *process = new QProcess;
    process->setProgram(opener.program);
    process->setArguments(opener.arguments);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    auto since = std::make_shared<QElapsedTimer>();
    const QString name = opener.name;
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, name, failed](QProcess::ProcessError e) {
                         if (e != QProcess::FailedToStart)
                             return;
                         if (failed)
                             failed(QCoreApplication::translate("OpenWithShell",
                                                                "The program \"%1\" could not be started: %2")
                                        .arg(name, process->errorString()));
                         process->deleteLater();
                     });
    QObject::connect(
        process, &QProcess::finished, process,
        [process, name, failed, since](int code, QProcess::ExitStatus status) {
            process->deleteLater();
            if (!failed || since->elapsed() >= kQuickExitMs)
                return;
            if (status == QProcess::CrashExit)
                failed(
                    QCoreApplication::translate("OpenWithShell", "The program \"%1\" stopped unexpectedly.")
                        .arg(name));
            else if (code != 0)
                failed(QCoreApplication::translate("OpenWithShell",
                                                   "The program \"%1\" ended with an error (exit code %2).")
                           .arg(name)
                           .arg(code));
        });
    since->start();
    process->start();
    return true;
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

bool OpenWithShell(QWidget *owner, const QString &pathOrAddress, const ShellOpenFailure &failed)
{
    const QUrl url = ShellUrlFor(pathOrAddress);
    const auto fail = [&failed](const QString &problem) {
        if (failed)
            failed(problem);
        return false;
    };
    if (checkedHook())
        return checkedHook()(owner, url)
               || fail(QCoreApplication::translate("OpenWithShell", "No program was found to open it."));
    if (hook()) {
        hook()(owner, url);
        return true;
    }
    const QString address = QString::fromUtf8(url.toEncoded());
    // Pages and web addresses go to the browser the user names in BROWSER.
    const QString browser = qEnvironmentVariable("BROWSER");
    const QString scheme = url.scheme();
    if (!browser.trimmed().isEmpty()
        && (scheme == QLatin1String("file") || scheme == QLatin1String("http")
            || scheme == QLatin1String("https"))) {
        QString missing;
        if (const auto opener = browserCommand(browser, address, &missing))
            return start(*opener, failed);
        return fail(
            QCoreApplication::translate("OpenWithShell", "The program \"%1\" was not found.").arg(missing));
    }
    // Else the desktop's own opener, or whatever Qt knows of.
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!xdgOpen.isEmpty())
        return start(Opener{QStringLiteral("xdg-open"), xdgOpen, {address}}, failed);
    return QDesktopServices::openUrl(url)
           || fail(QCoreApplication::translate("OpenWithShell", "No program was found to open it."));
}

ShellOpenHook SetShellOpenHook(ShellOpenHook newHook)
{
    return std::exchange(hook(), std::move(newHook));
}

ShellOpenCheckedHook SetShellOpenCheckedHook(ShellOpenCheckedHook newHook)
{
    return std::exchange(checkedHook(), std::move(newHook));
}
