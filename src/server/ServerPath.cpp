#include "server/ServerPath.h"

#include "platform/FileName.h"

#include <QStringList>

namespace {

const QString kNew = QStringLiteral(".quillnav-new.");
const QString kOld = QStringLiteral(".quillnav-old.");

} // namespace

namespace ServerPath {

bool isSafeName(const QString &name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\')
           && !name.contains(QChar(0)) && FileName::encode(name).size() <= 255 - kNew.size();
}

bool isSafeRelative(const QString &relative)
{
    const QStringList names = relative.split(u'/');
    for (const QString &name : names) {
        if (!isSafeName(name))
            return false;
    }
    return true;
}

QString under(const QString &folder, const QString &relative)
{
    if (!isSafeRelative(relative))
        return {};
    return folder.endsWith(u'/') ? folder + relative : folder + u'/' + relative;
}

QString folderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

QString newName(const QString &name)
{
    return kNew + name;
}

QString oldName(const QString &name)
{
    return kOld + name;
}

bool isTemporary(const QString &name, QString *target, bool *old)
{
    for (const QString *prefix : {&kNew, &kOld}) {
        if (name.startsWith(*prefix) && isSafeName(name.mid(prefix->size()))) {
            *target = name.mid(prefix->size());
            *old = prefix == &kOld;
            return true;
        }
    }
    return false;
}

} // namespace ServerPath
