#include "app/ProgramModule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <dlfcn.h>

#ifndef QUILLNAV_MODULE_DIR
#define QUILLNAV_MODULE_DIR "../lib/quillnav"
#endif

namespace ProgramModule {

QStringList candidates(const QString &programFolder, const QString &fileName)
{
    QStringList files{
        QDir::cleanPath(programFolder + QLatin1Char('/') + fileName),
        QDir::cleanPath(programFolder + QStringLiteral("/" QUILLNAV_MODULE_DIR "/") + fileName)};
    files.removeDuplicates();
    return files;
}

void *entryPoint(const QString &programFolder, const QString &fileName, const char *entryName,
                 const QString &what, QString *problem)
{
    // The first file that exists is the one to use; when none does, each
    // is named with the loader's reason.
    const QStringList all = candidates(programFolder, fileName);
    const auto found =
        std::find_if(all.begin(), all.end(), [](const QString &file) { return QFileInfo::exists(file); });
    const QStringList files = found != all.end() ? QStringList{*found} : all;
    QStringList reasons;
    for (const QString &file : std::as_const(files)) {
        void *module = ::dlopen(QFile::encodeName(file).constData(), RTLD_NOW | RTLD_LOCAL);
        if (void *entry = module ? ::dlsym(module, entryName) : nullptr)
            return entry; // kept loaded: its objects live until the program ends
        // The loader's reason names the file.
        const char *reason = ::dlerror();
        reasons << (reason ? QString::fromLocal8Bit(reason)
                           : QStringLiteral("%1: no entry point").arg(QDir::toNativeSeparators(file)));
    }
    *problem = QStringLiteral("Quillnav could not load its %1:\n  %2")
                   .arg(what, reasons.join(QStringLiteral("\n  ")));
    return nullptr;
}

} // namespace ProgramModule
