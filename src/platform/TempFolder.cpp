#include "platform/TempFolder.h"

#include <QDir>

QString GetTempFolder()
{
    const QString path = QDir::tempPath();
#ifdef Q_OS_UNIX
    // Qt answers an empty text when TMPDIR names a path that does not exist.
    if (path.isEmpty())
        return QDir::cleanPath(qEnvironmentVariable("TMPDIR"));
#endif
    return path;
}
