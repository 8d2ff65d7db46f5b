#include "help/ui/HelpViewer.h"

#include "help/HelpLocation.h"
#include "help/HelpTopics.h"
#include "help/ui/HelpWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>

#include <utility>

namespace HelpViewer {

namespace {

OpenHook &hook()
{
    static OpenHook instance;
    return instance;
}

QPointer<HelpWindow> &sharedWindow()
{
    static QPointer<HelpWindow> window;
    return window;
}

void showProblem(QWidget *from, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("HelpViewer", "Quillnav Help"), text,
                    QMessageBox::Ok, from);
    box.exec();
}

} // namespace

QString missingHelpMessage(const QStringList &lookedIn)
{
    QStringList folders;
    for (const QString &folder : lookedIn)
        folders << QStringLiteral("    ") + QDir::toNativeSeparators(folder);
    return QCoreApplication::translate("HelpViewer",
                                       "The help file %1 was not found. Quillnav looked for it in:\n\n%2\n\n"
                                       "Reinstall Quillnav to get its help back.")
        .arg(QLatin1String(HelpTopics::kHelpFileName), folders.join(QLatin1Char('\n')));
}

void showContents(QWidget *from)
{
    showUrl(from, QUrl());
}

void showTopic(QWidget *from, const QString &topic)
{
    showUrl(from, HelpTopics::url(topic));
}

void showUrl(QWidget *from, const QUrl &url)
{
    const QUrl target = url.isEmpty() ? HelpTopics::url(QLatin1String(HelpTopics::kContents)) : url;
    if (hook()) {
        hook()(from, target);
        return;
    }
    QPointer<HelpWindow> &window = sharedWindow();
    if (!window) {
        QStringList lookedIn;
        const QString file = HelpLocation::find(QCoreApplication::applicationDirPath(), &lookedIn);
        if (file.isEmpty()) {
            showProblem(from, missingHelpMessage(lookedIn));
            return;
        }
        auto *created = new HelpWindow(file);
        if (!created->isUsable()) {
            showProblem(from,
                        QCoreApplication::translate("HelpViewer", "The help file %1 could not be opened: %2")
                            .arg(QDir::toNativeSeparators(file), created->problem()));
            delete created;
            return;
        }
        window = created;
        // The help never keeps the program running, and goes with it.
        window->setAttribute(Qt::WA_QuitOnClose, false);
        static const bool deletedAtQuit = QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp,
                                                           [] { delete sharedWindow().data(); });
        Q_UNUSED(deletedAtQuit);
    }
    // A window without owner would be blocked by an open modal dialog: while
    // one is open the help window belongs to it.
    QWidget *modal = QApplication::activeModalWidget();
    QWidget *owner = modal && modal != window ? modal : nullptr;
    if (window->parentWidget() != owner) {
        const bool wasShown = window->isVisible();
        const QRect geometry = window->geometry();
        window->setParent(owner, Qt::Window);
        if (wasShown)
            window->setGeometry(geometry);
    }
    if (url.isEmpty())
        window->showContents();
    else
        window->showPage(target);
    window->show();
    window->raise();
    window->activateWindow();
}

OpenHook setOpenHook(OpenHook newHook)
{
    return std::exchange(hook(), std::move(newHook));
}

} // namespace HelpViewer
