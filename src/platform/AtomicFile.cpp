#include "platform/AtomicFile.h"

#include <QDir>
#include <QSaveFile>

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *errorText)
{
    QSaveFile file(path);
    const auto fail = [&](const QString &reason) {
        if (errorText)
            *errorText = QStringLiteral("Could not write \"%1\": %2")
                             .arg(QDir::toNativeSeparators(path), reason);
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(bytes) != bytes.size())
        return fail(file.errorString());
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
