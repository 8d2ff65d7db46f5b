// Settings file parser: any bytes are refused or parse; what parses writes
// out and parses back to the same hive, and writes out the same again.
#include "platform/RegistryHive.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto hive = RegistryHive::parse(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!hive)
        return 0;
    const QByteArray text = hive->serialize();
    const auto again = RegistryHive::parse(text);
    if (!again || !(*again == *hive) || again->serialize() != text)
        std::abort();
    return 0;
}
