#pragma once

#include "site/PageSelects.h"

#include <QByteArray>
#include <QByteArrayView>

// What reading a page yields: its lists and the classic script it holds.
struct PageRecords {
    QList<PageSelect> selects;
    QString classicScript;
};

// The byte form in which the page reader's worker process hands its records
// back (see PageSelects::read). Every field of PageRecords, PageSelect,
// PageButton and PageOption is listed once, in PageSelectsWire.cpp, for both
// directions; a field added to one of those structures stops the build there
// until it is listed. The form is private to one build of the program (both
// ends are the same binary): native byte order, texts as UTF-16.
namespace PageSelectsWire {

QByteArray encode(const PageRecords &records);
// False for anything encode() did not make whole: a short, long or damaged
// answer is never taken for a page's lists.
bool decode(QByteArrayView bytes, PageRecords *records);

} // namespace PageSelectsWire
