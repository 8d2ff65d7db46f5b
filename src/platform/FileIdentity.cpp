#include "platform/FileIdentity.h"
#include "platform/FileName.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

FileIdentity FileIdentity::of(const QString &path)
{
    struct stat info {};
    if (path.isEmpty() || ::stat(FileName::encode(path).constData(), &info) != 0)
        return {};
    return of(info);
}

FileIdentity FileIdentity::of(const struct stat &info)
{
    FileIdentity id;
    id.exists = true;
    id.regular = S_ISREG(info.st_mode);
    id.device = quint64(info.st_dev);
    id.inode = quint64(info.st_ino);
    id.size = qint64(info.st_size);
    id.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    id.changedNs = qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
    return id;
}

QString OutputIsInputProblem(const QString &input, const QString &output)
{
    if (input.isEmpty() || output.isEmpty() || !FileIdentity::of(input).sameFileAs(FileIdentity::of(output)))
        return {};
    const QString in = QDir::toNativeSeparators(input), out = QDir::toNativeSeparators(output);
    if (QDir::cleanPath(QDir().absoluteFilePath(input)) == QDir::cleanPath(QDir().absoluteFilePath(output)))
        return QStringLiteral("\"%1\" is both the file to read and the file to write; nothing was "
                              "written. Name another file for the output.")
            .arg(in);
    return QStringLiteral("The output \"%1\" is the same file as the input \"%2\"; nothing was "
                          "written. Name another file for the output.")
        .arg(out, in);
}
