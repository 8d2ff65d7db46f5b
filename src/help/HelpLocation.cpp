#include "help/HelpLocation.h"

#include "help/HelpTopics.h"

#include <QDir>
#include <QFileInfo>

#ifndef QUILLNAV_HELP_INSTALL_DIR
#define QUILLNAV_HELP_INSTALL_DIR ""
#endif

namespace HelpLocation {

QStringList searchFolders(const QString &programFolder)
{
    QStringList folders{QDir::cleanPath(programFolder),
                        QDir::cleanPath(programFolder + QStringLiteral("/../share/quillnav/help"))};
    const QString installed = QStringLiteral(QUILLNAV_HELP_INSTALL_DIR);
    if (!installed.isEmpty())
        folders << QDir::cleanPath(installed);
    folders.removeDuplicates();
    return folders;
}

QString find(const QString &programFolder, QStringList *lookedIn)
{
    const QStringList folders = searchFolders(programFolder);
    if (lookedIn)
        *lookedIn = folders;
    for (const QString &folder : folders) {
        const QFileInfo file(folder + QLatin1Char('/') + QLatin1String(HelpTopics::kHelpFileName));
        if (file.isFile() && file.isReadable())
            return file.absoluteFilePath();
    }
    return {};
}

QString describe(const QString &programFolder)
{
    QStringList lookedIn;
    const QString file = find(programFolder, &lookedIn);
    if (!file.isEmpty())
        return QStringLiteral("Help pages: %1").arg(QDir::toNativeSeparators(file));
    for (QString &folder : lookedIn)
        folder = QDir::toNativeSeparators(folder);
    return QStringLiteral("Help pages: %1 was not found in %2")
        .arg(QLatin1String(HelpTopics::kHelpFileName), lookedIn.join(QStringLiteral(", ")));
}

} // namespace HelpLocation
