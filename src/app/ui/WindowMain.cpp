// The windows of Quillnav, built as a module of their own that the program
// loads only when it opens a window (see app/WindowModule.h). Everything that
// needs Qt Widgets or Qt WebEngine starts here.
#include "app/AppInfo.h"
#include "app/MenuDocument.h"
#include "app/WindowModule.h"
#include "app/ui/Form1.h"
#include "app/ui/LivePreviewEngine.h"
#include "app/ui/SvgIcon.h"
#include "app/ui/Translations.h"
#include "platform/ui/FontConfigStart.h"

#include <QApplication>
#include <QUndoStack>

#include <type_traits>

extern "C" __attribute__((visibility("default"))) int quillnav_windows_main(int *argc, char **argv,
                                                                            const char *projectFile)
{
    static_assert(std::is_same_v<decltype(&quillnav_windows_main), WindowModule::EntryPoint>);
    LoadFontConfiguration();           // before Qt's font database starts it the slow way
    livepreview::prepareApplication(); // before the application, as Qt WebEngine needs
    QApplication app(*argc, argv);
    QApplication::setApplicationName(AppInfo::name());
    QApplication::setApplicationVersion(AppInfo::version());
    QApplication::setOrganizationName(AppInfo::maker());
    QApplication::setDesktopFileName(QStringLiteral("quillnav"));
    Translations::install(); // the windows speak the system's language
    QApplication::setWindowIcon(SvgIcon::make(QStringLiteral(":/icons/app/quillnav.svg")));
    // The windows are laid out for this font; dialogs and menus use it too.
    QApplication::setFont(Form1::designFont());
    Form1 window;
    window.show();
    const QString project = QString::fromUtf8(projectFile ? projectFile : "");
    if (!project.isEmpty()) {
        window.loadDocument(project);            // asks when another window has it open
        window.document()->undoStack()->clear(); // the history starts with the file as given
    }
    return app.exec();
}
