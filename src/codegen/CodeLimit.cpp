#include "codegen/CodeLimit.h"

#include "codegen/MenuCodeGenerator.h"
#include "menu/ProjectFile.h"

#include <QCoreApplication>

#include <utility>

namespace codelimit {

bool fits(const MenuProject &project)
{
    return MenuCodeLengthBound(project) <= ProjectFile::kMaxCodeLength;
}

bool fits(const MenuProject &project, const MenuItemSummary &items)
{
    return MenuCodeLengthBound(project, items) <= ProjectFile::kMaxCodeLength;
}

QString problem()
{
    return QCoreApplication::translate("ProjectFile",
                                       "the menu's generated code would pass the limit of %1 MiB")
        .arg(ProjectFile::kMaxCodeLength / (1024 * 1024));
}

namespace {

bool loadInto(const QString &path, MenuProject *project, MenuItems *items, QString *error)
{
    MenuProject loaded;
    MenuItems walked;
    MenuItemSummary &summary = walked.summary; // as the reader gathered it
    if (!(items ? ProjectFile::load(path, &loaded, &walked, error)
                : ProjectFile::load(path, &loaded, error, &summary)))
        return false;
    if (!fits(loaded, summary)) {
        *error = ProjectFile::refusalMessage(path, problem());
        return false;
    }
    *project = std::move(loaded);
    if (items)
        *items = std::move(walked);
    return true;
}

} // namespace

bool load(const QString &path, MenuProject *project, QString *error)
{
    return loadInto(path, project, nullptr, error);
}

bool load(const QString &path, MenuProject *project, MenuItems *items, QString *error)
{
    return loadInto(path, project, items, error);
}

} // namespace codelimit
