#include "site/SitePages.h"

#include "platform/FileIdentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isPage(const QString &name)
{
    return name.endsWith(QLatin1StringView(".html"), Qt::CaseInsensitive)
        || name.endsWith(QLatin1StringView(".htm"), Qt::CaseInsensitive);
}

bool inside(const QString &root, const QString &canonical)
{
    return canonical == root || canonical.startsWith(root.endsWith(u'/') ? root : root + u'/');
}

} // namespace

namespace SitePages {

bool contains(const QString &siteFolder, const QString &path, QString *relative)
{
    const QString root = QFileInfo(siteFolder).canonicalFilePath();
    QFileInfo info(path);
    // The page itself may be missing; its folder must be in the site.
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (root.isEmpty() || folder.isEmpty() || !inside(root, folder))
        return false;
    const QString full = info.exists() ? info.canonicalFilePath() : folder + u'/' + info.fileName();
    if (!inside(root, full) || full == root)
        return false;
    *relative = QDir(root).relativeFilePath(full);
    return true;
}

bool isReadOnly(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(name.constData(), W_OK) != 0;
}

QStringList find(const QString &siteFolder, QString *note)
{
    QStringList pages;
    const QString root = QFileInfo(siteFolder).canonicalFilePath();
    if (root.isEmpty())
        return pages;
    QSet<std::pair<quint64, quint64>> seen;
    QStringList folders{QString()};
    while (!folders.isEmpty()) {
        const QString relative = folders.takeFirst();
        const QString path = relative.isEmpty() ? root : root + u'/' + relative;
        const FileIdentity id = FileIdentity::of(path);
        if (!id.exists || seen.contains({id.device, id.inode}))
            continue;
        seen.insert({id.device, id.inode});
        const QFileInfoList entries = QDir(path).entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot,
                                                               QDir::Name);
        QStringList subfolders;
        for (const QFileInfo &entry : entries) {
            const QString name = entry.fileName();
            if (name.startsWith(u'.'))
                continue;
            if (entry.isSymLink() && !inside(root, entry.canonicalFilePath()))
                continue;
            const QString child = relative.isEmpty() ? name : relative + u'/' + name;
            if (entry.isDir()) {
                subfolders << child;
            } else if (entry.isFile() && isPage(name)) {
                if (pages.size() >= kMaxPages) {
                    if (note)
                        *note = QStringLiteral("Only the first %1 pages were read.").arg(kMaxPages);
                    return pages;
                }
                pages << child;
            }
        }
        folders = subfolders + folders; // depth first, so a folder's pages stay together
    }
    return pages;
}

} // namespace SitePages
