#include "app/CommandLine.h"
#include "app/HeadlessExport.h"
#include "app/WindowModule.h"
#include "help/HelpLocation.h"

#include <QCoreApplication>

#include <cstdio>

// The program links only the core: the export and the command line start
// without Qt Widgets or Qt WebEngine, which come with the window module.
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
    QString programFolder;
    {
        QCoreApplication core(argc, argv);
        programFolder = QCoreApplication::applicationDirPath();
        commandLine = CommandLine::parse(arguments, HelpLocation::describe(programFolder));
    }
    if (commandLine.action != CommandLine::Run) {
        const bool failed = commandLine.action == CommandLine::Error;
        std::fputs(qPrintable(commandLine.text + QLatin1Char('\n')), failed ? stderr : stdout);
        return failed ? HeadlessExport::UsageError : HeadlessExport::Success;
    }
    return WindowModule::run(&argc, argv, programFolder, commandLine.projectFile);
}
