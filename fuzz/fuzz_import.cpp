// Page import: any bytes are refused with a message or give lists; every list
// converts into a project that saves and reloads unchanged and generates
// within the project's limit, or is refused with a message. The page is read
// in this process (the program reads it in a bounded worker); its records
// still pass through the worker's wire form, and the same bytes taken as a
// worker's answer are refused or decoded without fault.
#include "codegen/CodeLimit.h"
#include "menu/ProjectFile.h"
#include "site/PageImport.h"
#include "site/PageSelectsWire.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    PageRecords records;
    PageSelectsWire::decode(bytes, &records);
    PageSelects::Bounds inProcess;
    inProcess.isolation = PageSelects::Bounds::InProcess;
    PageImport import;
    if (!import.parse(bytes, QStringLiteral("fuzz.html"), inProcess)) {
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
            || !codelimit::fits(project))
            std::abort();
    }
    return 0;
}
