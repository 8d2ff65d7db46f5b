#include "site/PageSelectsWire.h"

#include "site/PageWire.h"

QByteArray PageSelectsWire::encode(const PageRecords &records)
{
    return PageWire::encode(records);
}

bool PageSelectsWire::decode(QByteArrayView bytes, PageRecords *records)
{
    return PageWire::decode(bytes, records);
}
