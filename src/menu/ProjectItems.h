#pragma once

#include "menu/MenuItem.h"
#include "menu/MenuItemSummary.h"
#include "menu/ProjectFileReader.h"

#include <QByteArrayView>
#include <QList>

#include <array>
#include <functional>

class JsonScanner;

// The items of a project file read the general way: any layout JSON allows,
// every problem named by its entry and column (the quick scan, ItemListScan,
// takes the usual shape and leaves the rest to this).
namespace ProjectFile::reader {

// "Yes", "No" and the separator's text are shared, not stored per item:
// the texts each of an item's four fields shares
// (in the order text, linked, url, selected).
const std::array<QList<QString>, 4> &sharedTexts();

// An item as read: its four texts and where they stand in the file text.
struct ReadItem {
    ReadItem() = default;
    ReadItem(const ReadItem &) = delete; // `value` points into this item

    MenuItem item;
    QString *const value[4] = {&item.text, &item.linked, &item.url, &item.selected};
    QByteArrayView raw[4];
    bool escapes[4] = {};
};

// Reads the items from a scanner at their list into one item, refilled for
// each (its texts keep their room when a visit leaves them), checks each,
// adds it to the summary (when there is one) and hands it to the visit,
// which may take its texts.
void readItems(JsonScanner &scan, MenuItemSummary *summary, const std::function<void(ReadItem &)> &visit);

// The items' list: a scanner at it (refused when it is missing or no list).
JsonScanner itemList(const QByteArray &bytes, const RootMembers &root);

} // namespace ProjectFile::reader
