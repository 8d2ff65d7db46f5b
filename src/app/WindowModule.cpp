#include "app/WindowModule.h"

#include "app/HeadlessExport.h"
#include "app/ProgramModule.h"

#include <cstdio>
#include <vector>

#ifndef QUILLNAV_WINDOWS_MODULE
#define QUILLNAV_WINDOWS_MODULE "libquillnav_windows.so"
#endif

namespace WindowModule {

QString displayProblem(const QStringList &qtOptions)
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(name))
            return {};
    if (qtOptions.contains(QLatin1String("-platform")) || qtOptions.contains(QLatin1String("--platform")))
        return {};
    return QStringLiteral("No display found: the editor needs one. Without a display use the export: "
                          "quillnav --generate PROJECT.qnv (see quillnav --help).");
}

int run(const QByteArray &programName, const QStringList &qtOptions, const QString &programFolder,
        const QString &projectFile)
{
    QString problem;
    void *entry = ProgramModule::entryPoint(programFolder, QStringLiteral(QUILLNAV_WINDOWS_MODULE),
                                            kEntryPointName, QStringLiteral("windows"), &problem);
    if (!entry) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return HeadlessExport::Failure;
    }
    problem = displayProblem(qtOptions);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return HeadlessExport::Failure;
    }
    // QApplication reads Qt's options from these and takes out the ones it
    // knows; they live as long as the application.
    QByteArrayList arguments{programName};
    for (const QString &option : qtOptions)
        arguments << option.toLocal8Bit();
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    int argc = int(argv.size());
    argv.push_back(nullptr);
    return reinterpret_cast<EntryPoint>(entry)(&argc, argv.data(), projectFile.toUtf8().constData());
}

} // namespace WindowModule
