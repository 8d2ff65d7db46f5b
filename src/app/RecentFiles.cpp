#include "app/RecentFiles.h"

#include "app/AdvisoryFlags.h"
#include "platform/CRegSettings.h"

namespace {

QString KeyOf(int i)
{
    return QStringLiteral("File%1").arg(i + 1);
}

bool Write(const QStringList &paths)
{
    CRegSettings store = AdvisoryFlags::ProgramStore();
    bool ok = true;
    for (int i = 0; i < RecentFiles::MaxCount; ++i)
        ok = store.SaveSetting(RecentFiles::Section, KeyOf(i), paths.value(i)) && ok;
    return ok;
}

} // namespace

namespace RecentFiles {

QStringList Read()
{
    const CRegSettings store = AdvisoryFlags::ProgramStore();
    QStringList paths;
    for (int i = 0; i < MaxCount; ++i) {
        const QString path = store.GetSetting(Section, KeyOf(i));
        if (!path.isEmpty() && !paths.contains(path))
            paths << path;
    }
    return paths;
}

bool Add(const QString &path)
{
    QStringList paths = Read();
    paths.removeAll(path);
    paths.prepend(path);
    return Write(paths.mid(0, MaxCount));
}

bool Remove(const QString &path)
{
    QStringList paths = Read();
    if (paths.removeAll(path) == 0)
        return true;
    return Write(paths);
}

} // namespace RecentFiles
