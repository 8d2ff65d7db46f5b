// Colour texts: any text converts or is refused without overflow; a colour
// number's text converts back to the number.
#include "styles/mColorSelect.h"

#include <cstdlib>

using namespace mColorSelect;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    if (HexToLong(text).has_value() != ColorTextToNumber(text).has_value())
        std::abort();
    if (size >= 4) {
        const ColorNumber colour = (data[0] | data[1] << 8 | data[2] << 16 | ColorNumber(data[3]) << 24);
        if (ColorTextToNumber(ColorToHex(colour)) != (colour & 0xFFFFFFu))
            std::abort();
        for (const int code : {int(data[0]), int(colour)})
            (void)DigitsOnly(code), (void)HexDigitsOnly(code);
    }
    return 0;
}
