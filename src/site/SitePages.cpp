#include "site/SitePages.h"

#include "platform/FileName.h"
#include "site/SiteWalk.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool inside(const QString &root, const QString &canonical)
{
    return canonical == root || canonical.startsWith(root.endsWith(u'/') ? root : root + u'/');
}

} // namespace

namespace SitePages {

bool contains(const QString &siteFolder, const QString &path, QString *relative)
{
    const QString root = FileName::canonical(siteFolder);
    QFileInfo info(path);
    // The page itself may be missing; its folder must be in the site.
    const QString folder = FileName::canonical(info.absolutePath());
    if (root.isEmpty() || folder.isEmpty() || !inside(root, folder))
        return false;
    const QString real = FileName::canonical(info.absoluteFilePath());
    const QString full = !real.isEmpty() ? real : folder + u'/' + info.fileName();
    if (!inside(root, full) || full == root)
        return false;
    *relative = QDir(root).relativeFilePath(full);
    return true;
}

bool isReadOnly(const QString &path)
{
    const QByteArray name = FileName::encode(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(name.constData(), W_OK) != 0;
}

QString unwritableFolder(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    const QString folder =
        QFileInfo(canonical.isEmpty() ? info.absoluteFilePath() : canonical).absolutePath();
    if (::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) == 0)
        return {};
    return folder;
}

QStringList find(const QString &siteFolder, QString *note)
{
    SiteWalk walk;
    if (!walk.run(siteFolder))
        return {};
    if (note && walk.truncated())
        *note = QCoreApplication::translate("SitePages", "Only the first %1 pages were read.")
                    .arg(SiteWalk::kMaxPages);
    return walk.pages();
}

} // namespace SitePages
