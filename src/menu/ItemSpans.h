#pragma once

#include "menu/MenuItem.h"
#include "menu/MenuItems.h"

#include <QByteArray>
#include <QList>

#include <memory>
#include <vector>

// Where an item's texts stand in a checked project file's text, and what its
// columns say, so that the items are read again without scanning the JSON.
// Both readers of the list (the quick scan and the general one) record their
// items here; the items come back from here alone: held in memory for the
// window, or streamed from the text for the export.
struct ItemSpans {
    enum Flag : quint8 {
        TextEscapes = 1, // the text holds escapes (decode it)
        UrlEscapes = 2,
        Separator = 4,
        LinkedYes = 8,
        LinkedNo = 16,
        SelectedNo = 32,
    };
    // Sixteen bytes an item: a text's bytes (escapes included) are fewer
    // than 2^24, the file's fewer than 2^32 (ProjectFile's limits).
    quint32 textAt = 0;
    quint32 urlAt = 0;
    quint32 urlSize = 0;
    quint32 textSize : 24 = 0;
    quint32 flags : 8 = 0;

    // The flags of a checked item: whether its texts hold escapes, whether it
    // is a separator, and its "Linked?" and "Selected?" ("Yes": true).
    static quint8 pack(bool textEscapes, bool urlEscapes, bool separator, bool linked, bool selected)
    {
        return quint8((textEscapes ? TextEscapes : 0) | (urlEscapes ? UrlEscapes : 0)
                      | (separator ? Separator : 0) | (linked ? LinkedYes : LinkedNo)
                      | (selected ? 0 : SelectedNo));
    }
};
static_assert(sizeof(ItemSpans) == 16);

namespace itemspans {

// The items, decoded from the file text and held in memory; the spans are
// let go once read.
QList<MenuItem> items(const QByteArray &bytes, std::vector<ItemSpans> &spans);

// The items as the export streams them: a walk that reads them from the file
// text again at each walk (it holds the text and the spans). A text without
// escapes is handed on as the file's own UTF-8; one with escapes is decoded
// to UTF-8, or to UTF-16 when it stands for a lone surrogate.
// `keep` holds the bytes where they are mapped (RegularFile::map).
// The items' spans are `spans` followed by `tail`.
MenuItems stream(const QByteArray &bytes, std::vector<ItemSpans> spans, std::vector<ItemSpans> tail,
                 const MenuItemSummary &summary, std::shared_ptr<const void> keep = {});

} // namespace itemspans
