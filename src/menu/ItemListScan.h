#pragma once

#include "codegen/MenuItemSummary.h"

#include <QByteArrayView>

#include <vector>

// Where an item's texts stand in a checked project file's text, and what its
// columns say, so that a walk over the items reads them again without
// scanning the JSON.
struct ItemSpans {
    enum Flag : quint8 {
        TextEscapes = 1, // the text holds escapes (decode it)
        UrlEscapes = 2,
        Separator = 4,
        LinkedYes = 8,
        LinkedNo = 16,
        SelectedNo = 32,
    };
    quint32 textAt = 0;
    quint32 textSize = 0;
    quint32 urlAt = 0;
    quint32 urlSize = 0;
    quint8 flags = 0;
};

// Reads the list of items that starts at `at` (its opening bracket) in the
// shape a project file normally has: every item an object of exactly the
// four texts, "Linked?" and "Selected?" written plainly as "Yes" or "No", at
// most one default, no text longer than the limit. Adds each item to the
// summary and its spans to `spans`, and returns the offset just after the
// list. Returns -1 as soon as the list holds anything else, well-formed or
// not (an unknown member, a fault): the caller then reads the list the
// general way, which accepts or reports it. Never accepts what that refuses.
qsizetype scanItemList(QByteArrayView text, qsizetype at, MenuItemSummary *summary, std::vector<ItemSpans> *spans);
