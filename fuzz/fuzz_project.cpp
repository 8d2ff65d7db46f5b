// Project loader: any bytes are refused or load; a loaded project generates
// within its computed bound, saves and reloads to the same project and code.
#include "codegen/MenuCodeGenerator.h"
#include "menu/ProjectFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    MenuProject project;
    QString error;
    if (!ProjectFile::parse(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), &project, &error))
        return 0;
    MenuProject reloaded;
    if (!ProjectFile::parse(ProjectFile::serialize(project), &reloaded, &error) || !(reloaded == project))
        std::abort();
    for (const QString &mode : {codegen::kCodeMode, codegen::kPreviewMode}) {
        const MenuCode code = GenerateMenuCode(mode, project);
        const MenuCode again = GenerateMenuCode(mode, reloaded);
        if (code.head != again.head || code.body != again.body
            || code.head.size() + code.body.size() > MenuCodeLengthBound(project))
            std::abort();
    }
    return 0;
}
