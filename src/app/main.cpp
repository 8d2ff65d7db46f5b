#include "app/CommandLine.h"
#include "app/HeadlessExport.h"
#include "app/WindowModule.h"
#include "help/HelpLocation.h"
#include "platform/FileName.h"

#include <QCoreApplication>

#include <cstdio>

// The program links only the core: the export and the command line start
// without Qt Widgets or Qt WebEngine, which come with the window module.
int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << FileName::decode(QByteArray(argv[i]));
    const CommandLine commandLine = CommandLine::parse(arguments);

    QString programFolder;
    {
        QCoreApplication core(argc, argv);
        programFolder = QCoreApplication::applicationDirPath();
        switch (commandLine.mode) {
        case CommandLine::Window:
            break; // below, once this application is gone
        case CommandLine::ShowHelp:
            std::fputs(
                qPrintable(CommandLine::helpText(HelpLocation::describe(programFolder)) + QLatin1Char('\n')),
                stdout);
            return HeadlessExport::Success;
        case CommandLine::ShowVersion:
            std::fputs(qPrintable(commandLine.text + QLatin1Char('\n')), stdout);
            return HeadlessExport::Success;
        case CommandLine::Error:
            std::fputs(qPrintable(commandLine.text + QLatin1Char('\n')), stderr);
            return HeadlessExport::UsageError;
        default: // the modes without a window, which need no display
            return HeadlessExport::run(commandLine);
        }
    }
    return WindowModule::run(QByteArray(argv[0]), commandLine.qtOptions, programFolder,
                             commandLine.files.value(0));
}
