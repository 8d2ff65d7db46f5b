#include "site/PageMarks.h"

#include "platform/BoundedWorker.h"
#include "site/ParseArena.h"

#include <gumbo.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace {

// Pages read by one worker at most: by count and by their UTF-8 bytes.
constexpr int kBatchPages = 256;
constexpr qint64 kBatchBytes = 4LL << 20;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

void put(QByteArray &out, const void *data, qsizetype size)
{
    out.append(static_cast<const char *>(data), size);
}

template <typename T> void putValue(QByteArray &out, T value)
{
    put(out, &value, sizeof value);
}

// How much of a page the parser must read to see every mark: up to the end
// of the last comment that may be one and of the last "</head". A parser
// reads a page in order, and what it makes of a part never depends on what
// follows, so the marks in this part are those of the whole page. Most
// pages hold their menu near the top.
qsizetype partToParse(const QByteArray &utf8)
{
    qsizetype cut = 0;
    const auto through = [&](qsizetype from, QByteArrayView end) {
        const qsizetype at = from < 0 ? -1 : utf8.indexOf(end, from);
        cut = std::max(cut, at < 0 ? (from < 0 ? cut : utf8.size()) : at + end.size());
    };
    through(utf8.lastIndexOf("quillnav"), "-->");
    for (qsizetype at = utf8.size(); (at = utf8.lastIndexOf("</", at - 1)) >= 0;) {
        if (QByteArrayView(utf8).sliced(at + 2).first(std::min<qsizetype>(4, utf8.size() - at - 2)).compare("head", Qt::CaseInsensitive) == 0) {
            through(at, ">");
            break;
        }
        if (at == 0)
            break;
    }
    return cut;
}

// The marks of one page, on the wire: a count, then each mark. With an
// arena the tree is not freed (the arena is rewound instead).
void collect(const QByteArray &utf8, QByteArray &out, ParseArena *arena)
{
    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0;
    if (arena)
        arena->serve(&options);
    GumboOutput *output = gumbo_parse_with_options(&options, utf8.constData(), size_t(partToParse(utf8)));
    std::vector<PageMark> marks;
    std::vector<const GumboNode *> stack{output->document};
    while (!stack.empty()) {
        const GumboNode *node = stack.back();
        stack.pop_back();
        if (node->type == GUMBO_NODE_COMMENT) {
            const GumboText &t = node->v.text;
            if (PageMarkScan::isQuillnavComment(t.text, qsizetype(std::strlen(t.text)))) {
                PageMark m;
                m.start = qint64(t.start_pos.offset);
                m.end = m.start + qint64(t.original_text.length);
                m.text = QByteArray(t.text);
                marks.push_back(std::move(m));
            }
            continue;
        }
        if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_DOCUMENT)
            continue; // text, and the inert contents of a template
        const GumboVector &children =
            node->type == GUMBO_NODE_DOCUMENT ? node->v.document.children : node->v.element.children;
        if (node->type == GUMBO_NODE_ELEMENT && node->v.element.tag == GUMBO_TAG_HEAD
            && node->v.element.original_end_tag.length > 0) {
            PageMark m;
            m.kind = PageMark::HeadEnd;
            m.start = m.end = qint64(node->v.element.original_end_tag.data - utf8.constData());
            marks.push_back(std::move(m));
        }
        for (unsigned i = children.length; i-- > 0;)
            stack.push_back(static_cast<const GumboNode *>(children.data[i]));
    }
    if (arena)
        arena->rewind();
    else
        gumbo_destroy_output(&options, output);
    putValue<quint32>(out, quint32(marks.size()));
    for (const PageMark &m : marks) {
        putValue<quint8>(out, m.kind);
        putValue<qint64>(out, m.start);
        putValue<qint64>(out, m.end);
        putValue<quint32>(out, quint32(m.text.size()));
        put(out, m.text.constData(), m.text.size());
    }
}

class WireReader {
public:
    explicit WireReader(const QByteArray &bytes) : m_bytes(bytes) {}
    template <typename T> bool get(T *value)
    {
        if (m_at + qsizetype(sizeof(T)) > m_bytes.size())
            return false;
        std::memcpy(value, m_bytes.constData() + m_at, sizeof(T));
        m_at += sizeof(T);
        return true;
    }
    bool getBytes(quint32 size, QByteArray *out)
    {
        if (m_at + qsizetype(size) > m_bytes.size())
            return false;
        *out = m_bytes.mid(m_at, size);
        m_at += size;
        return true;
    }

private:
    const QByteArray &m_bytes;
    qsizetype m_at = 0;
};

bool readPage(WireReader &in, PageMarkList *page)
{
    quint32 count = 0;
    if (!in.get(&count))
        return false;
    for (quint32 i = 0; i < count; ++i) {
        PageMark m;
        quint8 kind = 0;
        quint32 size = 0;
        if (!in.get(&kind) || !in.get(&m.start) || !in.get(&m.end) || !in.get(&size) || !in.getBytes(size, &m.text))
            return false;
        m.kind = kind == PageMark::HeadEnd ? PageMark::HeadEnd : PageMark::Comment;
        page->marks.append(std::move(m));
    }
    std::sort(page->marks.begin(), page->marks.end(),
              [](const PageMark &a, const PageMark &b) { return a.start < b.start; });
    page->ok = true;
    return true;
}

// Reads pages [from, to) in one worker; false when the worker hit a bound.
bool scanBatch(const QList<QByteArray> &pages, qsizetype from, qsizetype to, const PageReadBounds &bounds,
               QList<PageMarkList> *out, BoundedWorker::Result *failure)
{
    *failure = bounds.run([&pages, from, to, &bounds](bool inWorker) {
        // In the worker the parser gets three quarters of the memory; the answer the rest.
        std::optional<ParseArena> arena;
        if (inWorker)
            arena.emplace(bounds.memoryBytes / 4 * 3);
        QByteArray answer;
        for (qsizetype i = from; i < to; ++i)
            collect(pages.at(i), answer, arena ? &*arena : nullptr);
        return answer;
    });
    if (failure->outcome != BoundedWorker::Finished)
        return false;
    const QByteArray &wire = failure->output;
    WireReader in(wire);
    for (qsizetype i = from; i < to; ++i) {
        PageMarkList page;
        if (!readPage(in, &page)) {
            page.error = QStringLiteral("Its reader failed (its answer was incomplete or damaged).");
            page.marks.clear();
        }
        out->append(std::move(page));
    }
    return true;
}

} // namespace

namespace PageMarkScan {

bool isQuillnavComment(const char *text, qsizetype length)
{
    qsizetype i = 0;
    while (i < length && isBlank(text[i]))
        ++i;
    return length - i >= 8 && std::memcmp(text + i, "quillnav", 8) == 0;
}

QList<PageMarkList> scan(const QList<QByteArray> &utf8Pages, const PageReadBounds &bounds)
{
    QList<PageMarkList> out;
    out.reserve(utf8Pages.size());
    qsizetype from = 0;
    while (from < utf8Pages.size()) {
        qsizetype to = from;
        qint64 bytes = 0;
        while (to < utf8Pages.size() && to - from < kBatchPages && (to == from || bytes + utf8Pages.at(to).size() <= kBatchBytes))
            bytes += utf8Pages.at(to++).size();
        BoundedWorker::Result failure;
        if (!scanBatch(utf8Pages, from, to, bounds, &out, &failure)) {
            if (failure.outcome == BoundedWorker::Cancelled || to - from == 1) {
                for (qsizetype i = from; i < to; ++i)
                    out.append(PageMarkList{false, bounds.failureText(failure), {}});
            } else {
                for (qsizetype i = from; i < to; ++i) { // find the page that was too much
                    if (!scanBatch(utf8Pages, i, i + 1, bounds, &out, &failure))
                        out.append(PageMarkList{false, bounds.failureText(failure), {}});
                }
            }
        }
        from = to;
    }
    return out;
}

} // namespace PageMarkScan
