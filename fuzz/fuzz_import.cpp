// Page import: any bytes are refused with a message or give lists; every list
// converts into a project that saves and reloads unchanged and generates
// within the project's limit, or is refused with a message.
#include "codegen/MenuCodeGenerator.h"
#include "codegen/PageImport.h"
#include "menu/ProjectFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    PageImport import;
    if (!import.parse(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), QStringLiteral("fuzz.html"))) {
        if (import.error().isEmpty())
            std::abort();
        return 0;
    }
    if (import.listing().isEmpty() || import.find(QStringLiteral("1")) != 0)
        std::abort();
    for (qsizetype i = 0; i < import.count() && i < 8; ++i) {
        MenuProject project;
        QStringList notes;
        if (!import.project(i, &project, &notes)) {
            if (import.error().isEmpty())
                std::abort();
            continue;
        }
        MenuProject reloaded;
        QString error;
        if (!ProjectFile::parse(ProjectFile::serialize(project), &reloaded, &error) || !(reloaded == project)
            || MenuCodeLengthBound(project) > ProjectFile::kMaxCodeLength)
            std::abort();
    }
    return 0;
}
