#include "site/SiteFolder.h"

#include "menu/MenuProject.h"

#include <QDir>
#include <QFileInfo>

namespace SiteFolder {

namespace {

QString projectFolder(const QString &projectPath)
{
    return QFileInfo(QFileInfo(projectPath).absoluteFilePath()).absolutePath();
}

} // namespace

QString absolute(const QString &field, const QString &projectPath)
{
    if (field.isEmpty())
        return {};
    const QString base = projectPath.isEmpty() ? QDir::currentPath() : projectFolder(projectPath);
    return QDir::cleanPath(QDir(base).absoluteFilePath(QDir::fromNativeSeparators(field)));
}

QString fieldFor(const QString &folder, const QString &projectPath)
{
    if (folder.isEmpty())
        return {};
    const QString clean = QDir::cleanPath(QDir(QDir::currentPath()).absoluteFilePath(folder));
    if (projectPath.isEmpty())
        return clean;
    const QString relative = QDir(projectFolder(projectPath)).relativeFilePath(clean);
    return relative.isEmpty() ? QStringLiteral(".") : relative;
}

QString rebase(const QString &field, const QString &oldPath, const QString &newPath)
{
    return fieldFor(absolute(field, oldPath), newPath);
}

QString forCommand(const QString &given, const MenuProject &project, const QString &projectPath,
                   QString *error, bool *missing)
{
    *missing = false;
    const QString folder = given.isEmpty() ? absolute(project.site, projectPath)
                                           : QDir::cleanPath(QDir::current().absoluteFilePath(given));
    if (folder.isEmpty()) {
        *missing = true;
        *error = QStringLiteral("The project \"%1\" names no site folder; give one with --site DIR.")
                     .arg(QDir::toNativeSeparators(projectPath));
        return {};
    }
    const QFileInfo info(folder);
    if (!info.exists()) {
        *error =
            QStringLiteral("The site folder \"%1\" does not exist.").arg(QDir::toNativeSeparators(folder));
        return {};
    }
    if (!info.isDir()) {
        *error =
            QStringLiteral("The site folder \"%1\" is not a folder.").arg(QDir::toNativeSeparators(folder));
        return {};
    }
    return folder;
}

} // namespace SiteFolder
