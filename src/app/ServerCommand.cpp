#include "app/ServerCommand.h"

#include "app/HeadlessExport.h"
#include "app/ProgramModule.h"

#include <QCoreApplication>

#ifndef QUILLNAV_SERVER_MODULE
#define QUILLNAV_SERVER_MODULE "libquillnav_server.so"
#endif

namespace ServerCommand {

int run(const CommandLine &command)
{
    QString problem;
    void *entry = ProgramModule::entryPoint(QCoreApplication::applicationDirPath(),
                                            QStringLiteral(QUILLNAV_SERVER_MODULE), kEntryPointName,
                                            QStringLiteral("server transfers"), &problem);
    if (!entry) {
        HeadlessExport::printError(problem);
        return HeadlessExport::Failure;
    }
    return reinterpret_cast<EntryPoint>(entry)(&command);
}

} // namespace ServerCommand
