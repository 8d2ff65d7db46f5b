#pragma once

#include "menu/ItemSpans.h"
#include "menu/MenuItemSummary.h"

#include <QByteArrayView>

#include <vector>

// Reads the list of items that starts at `at` (its opening bracket) in the
// shape a project file normally has: every item an object of exactly the
// four texts, "Linked?" and "Selected?" written plainly as "Yes" or "No", at
// most one default, no text longer than the limit. Adds each item to the
// summary and its spans to `spans`, and returns the offset just after the
// list. Returns -1 as soon as the list holds anything else, well-formed or
// not (an unknown member, a fault): the caller then reads the list the
// general way, which accepts or reports it. Never accepts what that refuses.
// A long list is read in two parts at once: the spans of the second part go
// to `tail` (left empty otherwise), which follows `spans` rather than being
// copied onto its end.
qsizetype scanItemList(QByteArrayView text, qsizetype at, MenuItemSummary *summary,
                       std::vector<ItemSpans> *spans, std::vector<ItemSpans> *tail);
