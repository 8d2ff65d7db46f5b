#include "app/WindowModule.h"

#include "app/HeadlessExport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <dlfcn.h>
#include <vector>

#ifndef QUILLNAV_WINDOWS_MODULE
#define QUILLNAV_WINDOWS_MODULE "libquillnav_windows.so"
#endif
#ifndef QUILLNAV_WINDOWS_MODULE_DIR
#define QUILLNAV_WINDOWS_MODULE_DIR "../lib/quillnav"
#endif

namespace WindowModule {

QStringList candidates(const QString &programFolder)
{
    const QString name = QStringLiteral(QUILLNAV_WINDOWS_MODULE);
    QStringList files{
        QDir::cleanPath(programFolder + QLatin1Char('/') + name),
        QDir::cleanPath(programFolder + QStringLiteral("/" QUILLNAV_WINDOWS_MODULE_DIR "/") + name)};
    files.removeDuplicates();
    return files;
}

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
    // The first file that exists is the one to use; when none does, each
    // is named with the loader's reason.
    const QStringList all = candidates(programFolder);
    const auto found =
        std::find_if(all.begin(), all.end(), [](const QString &file) { return QFileInfo::exists(file); });
    const QStringList files = found != all.end() ? QStringList{*found} : all;
    QStringList reasons;
    for (const QString &file : std::as_const(files)) {
        void *module = ::dlopen(QFile::encodeName(file).constData(), RTLD_NOW | RTLD_LOCAL);
        void *entry = module ? ::dlsym(module, kEntryPointName) : nullptr;
        if (entry) { // kept loaded: its objects live until the program ends
            const QString problem = displayProblem(qtOptions);
            if (!problem.isEmpty()) {
                std::fprintf(stderr, "%s\n", qPrintable(problem));
                return HeadlessExport::Failure;
            }
            // QApplication reads Qt's options from these and takes out the
            // ones it knows; they live as long as the application.
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
        // The loader's reason names the file.
        const char *reason = ::dlerror();
        reasons << (reason ? QString::fromLocal8Bit(reason)
                           : QStringLiteral("%1: no entry point").arg(QDir::toNativeSeparators(file)));
    }
    std::fprintf(stderr, "Quillnav could not load its windows:\n  %s\n",
                 qPrintable(reasons.join(QStringLiteral("\n  "))));
    return HeadlessExport::Failure;
}

} // namespace WindowModule
