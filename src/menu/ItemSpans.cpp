#include "menu/ItemSpans.h"

#include "menu/JsonScanner.h"
#include "menu/ProjectItems.h"

#include <algorithm>
#include <limits>
#include <memory>

namespace itemspans {

QList<MenuItem> items(const QByteArray &bytes, std::vector<ItemSpans> &spans)
{
    QList<MenuItem> items;
    items.reserve(qsizetype(spans.size()));
    const auto &shared = ProjectFile::reader::sharedTexts();
    for (const ItemSpans &at : spans) {
        MenuItem &item = items.emplace_back();
        JsonScanner::decodeString(QByteArrayView(bytes.constData() + at.textAt, at.textSize),
                                  at.flags & ItemSpans::TextEscapes, &item.text, shared[0]);
        JsonScanner::decodeString(QByteArrayView(bytes.constData() + at.urlAt, at.urlSize),
                                  at.flags & ItemSpans::UrlEscapes, &item.url, shared[2]);
        item.linked = at.flags & ItemSpans::LinkedYes ? menutext::kYes : menutext::kNo;
        item.selected = at.flags & ItemSpans::SelectedNo ? menutext::kNo : menutext::kYes;
    }
    spans = {};
    return items;
}

MenuItems stream(const QByteArray &bytes, std::vector<ItemSpans> spans, std::vector<ItemSpans> tail,
                 const MenuItemSummary &summary, std::shared_ptr<const void> keep)
{
    struct Parts {
        std::vector<ItemSpans> head, tail;
    };
    MenuItems items;
    items.summary = summary;
    items.walkPart = [bytes, keep = std::move(keep),
                      parts = std::make_shared<const Parts>(Parts{std::move(spans), std::move(tail)})](
                         qsizetype from, qsizetype to, const MenuItems::Visit &visit) {
        // Room for the texts with escapes, decoded to UTF-8 unless they
        // stand for a lone surrogate.
        QByteArray utf8[2];
        QString utf16[2];
        const auto text = [&](quint32 at, quint32 size, bool escapes, int room) {
            const QByteArrayView raw(bytes.constData() + at, size);
            if (!escapes)
                return ItemText::fromUtf8(raw);
            if (JsonScanner::decodeStringUtf8(raw, &utf8[room]))
                return ItemText::fromUtf8(utf8[room]);
            JsonScanner::decodeString(raw, true, &utf16[room], {});
            return ItemText(utf16[room]);
        };
        const auto walkSpans = [&](const std::vector<ItemSpans> &spans, qsizetype begin, qsizetype end) {
            for (qsizetype i = std::max<qsizetype>(begin, 0); i < std::min(end, qsizetype(spans.size())); ++i) {
                const ItemSpans &at = spans[size_t(i)];
                ItemRef item;
                item.text = text(at.textAt, at.textSize, at.flags & ItemSpans::TextEscapes, 0);
                item.url = text(at.urlAt, at.urlSize, at.flags & ItemSpans::UrlEscapes, 1);
                item.separator = at.flags & ItemSpans::Separator;
                item.linkedYes = at.flags & ItemSpans::LinkedYes;
                item.linkedNo = at.flags & ItemSpans::LinkedNo;
                item.selectedNo = at.flags & ItemSpans::SelectedNo;
                visit(item);
            }
        };
        const qsizetype headSize = qsizetype(parts->head.size());
        walkSpans(parts->head, from, to);
        if (to > headSize)
            walkSpans(parts->tail, from - headSize, to - headSize);
    };
    items.walk = [part = items.walkPart](const MenuItems::Visit &visit) {
        part(0, std::numeric_limits<qsizetype>::max(), visit);
    };
    return items;
}

} // namespace itemspans
