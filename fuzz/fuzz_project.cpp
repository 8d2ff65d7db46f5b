// Project loader: any bytes are refused or load; a loaded project generates
// within its computed bound, saves and reloads to the same project and code.
// Read as the export reads it (items left in the text), the same bytes are
// refused with the same message or give the same code.
#include "codegen/MenuCodeGenerator.h"
#include "codegen/TextBuilder.h"
#include "menu/ProjectFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    MenuProject project;
    QString error;
    MenuProject walked;
    MenuItems items;
    QString walkedError;
    const bool loaded = ProjectFile::parse(bytes, &project, &error);
    if (ProjectFile::parse(bytes, &walked, &items, &walkedError) != loaded || walkedError != error)
        std::abort();
    if (!loaded)
        return 0;
    if (!(items.summary == MenuItemSummary::of(project.items)))
        std::abort();
    QByteArray streamed;
    TextBuilder b([&](QByteArrayView chunk) { streamed += chunk; }, 64);
    AppendMenuBody(b, codegen::kCodeMode, walked, items);
    b.flush();
    if (streamed != GenerateMenuCode(codegen::kCodeMode, project).body.toUtf8())
        std::abort();
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
