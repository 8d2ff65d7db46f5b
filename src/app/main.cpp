#include "app/AppInfo.h"
#include "app/CommandLine.h"
#include "app/HeadlessExport.h"
#include "app/ui/Form1.h"
#include "app/ui/LivePreviewEngine.h"
#include "app/ui/SvgIcon.h"
#include "codegen/OptionsValidation.h"
#include "help/HelpLocation.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QUndoStack>

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // The export runs before any window exists and needs no display.
    if (HeadlessExport::isExportRequest(arguments)) {
        QCoreApplication core(argc, argv);
        return HeadlessExport::run(arguments);
    }

    CommandLine commandLine;
    {
        QCoreApplication core(argc, argv);
        commandLine = CommandLine::parse(
            arguments, HelpLocation::describe(QCoreApplication::applicationDirPath()));
    }
    if (commandLine.action != CommandLine::Run) {
        const bool failed = commandLine.action == CommandLine::Error;
        std::fputs(qPrintable(commandLine.text + QLatin1Char('\n')), failed ? stderr : stdout);
        return failed ? HeadlessExport::UsageError : HeadlessExport::Success;
    }

    livepreview::prepareApplication(); // before the application, as Qt WebEngine needs
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::name());
    QApplication::setApplicationVersion(AppInfo::version());
    QApplication::setOrganizationName(AppInfo::maker());
    QApplication::setDesktopFileName(QStringLiteral("quillnav"));
    QApplication::setWindowIcon(SvgIcon::make(QStringLiteral(":/icons/app/quillnav.svg")));
    // The windows are laid out for this font; dialogs and menus use it too.
    QApplication::setFont(Form1::designFont());
    Form1 window;
    window.show();
    if (!commandLine.projectFile.isEmpty()) {
        QString error;
        if (!window.openProject(commandLine.projectFile, &error))
            QMessageBox::warning(&window, OopsTitle(), error);
        window.undoStack()->clear(); // the history starts with the file as given
    }
    return app.exec();
}
