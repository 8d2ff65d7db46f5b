#include "app/ui/LivePreviewEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QWebEngineUrlScheme>

#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kPageFolder = QStringLiteral("/preview/");
QString g_sandboxNote;

// Chromium's sandbox on Linux needs new user, PID and network namespaces.
// A child process tries to make them and reports back.
bool namespacesAvailable()
{
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0)
        ::_exit(::unshare(CLONE_NEWUSER) == 0 && ::unshare(CLONE_NEWPID | CLONE_NEWNET) == 0 ? 0 : 1);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void decideSandbox()
{
    static bool decided = false;
    if (decided)
        return;
    decided = true;
    if (qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")
        || qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").contains("--no-sandbox")) {
        g_sandboxNote =
            QCoreApplication::translate("LivePreview", "The sandbox was turned off by the environment.");
        return;
    }
    if (::geteuid() == 0)
        g_sandboxNote =
            QCoreApplication::translate("LivePreview", "Quillnav runs as root, where the browser engine's "
                                                       "sandbox refuses to start.");
    else if (!namespacesAvailable())
        g_sandboxNote =
            QCoreApplication::translate("LivePreview", "This system does not let programs make the user "
                                                       "namespaces the browser engine's sandbox needs.");
    else
        return;
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

// Qt WebEngine stops the whole program when its helper program is missing.
QString missingHelper()
{
    QStringList candidates;
    if (const QString path = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH"); !path.isEmpty())
        candidates << path;
    else
        candidates << QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath)
                          + QStringLiteral("/QtWebEngineProcess")
                   << QCoreApplication::applicationDirPath() + QStringLiteral("/QtWebEngineProcess");
    for (const QString &path : candidates) {
        if (QFileInfo(path).isExecutable())
            return {};
    }
    return QDir::toNativeSeparators(candidates.first());
}

} // namespace

namespace livepreview {

QUrl pageUrl()
{
    return QUrl(QLatin1String(kScheme) + QLatin1Char(':') + kPageFolder + QStringLiteral("98127630.html"));
}

QString describeAddress(const QUrl &url)
{
    if (url.scheme() != QLatin1String(kScheme))
        return url.toDisplayString();
    QString text = url.toDisplayString(QUrl::RemoveScheme);
    if (text.startsWith(kPageFolder))
        text.remove(0, kPageFolder.size());
    return text;
}

void prepareApplication()
{
    if (QWebEngineUrlScheme::schemeByName(kScheme).name().isEmpty()) {
        QWebEngineUrlScheme scheme(kScheme);
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
        // Local: pages from the web may not load it. Secure: no mixed-content
        // warnings for the menu's own styles.
        scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme);
        QWebEngineUrlScheme::registerScheme(scheme);
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

bool prepareEngine(QString *problem)
{
    QString reason;
    if (QWebEngineUrlScheme::schemeByName(kScheme).name().isEmpty()) {
        reason = QCoreApplication::translate("LivePreview",
                                             "The live preview was not prepared when Quillnav started, so "
                                             "it cannot show the menu in this session.");
    } else if (const QString helper = missingHelper(); !helper.isEmpty()) {
        reason = QCoreApplication::translate("LivePreview",
                                             "The live preview needs the browser engine's helper program "
                                             "\"%1\", which is not installed (Debian package "
                                             "libqt6webenginecore6-bin).")
                     .arg(helper);
    } else if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::DataPath)
                                  + QStringLiteral("/resources/qtwebengine_resources.pak"))) {
        reason = QCoreApplication::translate("LivePreview",
                                             "The live preview cannot find the browser engine's resources "
                                             "(qtwebengine_resources.pak); Qt WebEngine is not fully "
                                             "installed.");
    }
    if (!reason.isEmpty()) {
        if (problem)
            *problem = reason;
        return false;
    }
    decideSandbox();
    return true;
}

QString sandboxNote()
{
    return g_sandboxNote;
}

} // namespace livepreview
