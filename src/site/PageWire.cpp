#include "site/PageWire.h"

bool PageWire::takeFrame(QByteArrayView *wire, QByteArrayView *frame)
{
    if (wire->size() < kHeader || std::memcmp(wire->data(), kMagic, sizeof kMagic) != 0)
        return false;
    qint64 length = 0;
    std::memcpy(&length, wire->data() + sizeof kMagic, sizeof length);
    if (length < 0 || length > wire->size() - kHeader)
        return false;
    *frame = wire->first(kHeader + length);
    *wire = wire->sliced(kHeader + length);
    return true;
}
