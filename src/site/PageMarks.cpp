#include "site/PageMarks.h"

#include "site/PageReader.h"
#include "site/RegionSkip.h"

#include <gumbo.h>

#include <algorithm>
#include <cstring>
#include <vector>

// A mark on the wire (see PageWire).
template <class V, class T>
requires std::is_same_v<std::remove_const_t<T>, PageMark>
static void wireFields(V &v, T &m)
{
    auto &[kind, start, end, text] = m;
    v.choice(kind, PageMark::ScriptSrc);
    v(start), v(end), v(text);
}

namespace {

// Pages read by one worker at most: by count and by their UTF-8 bytes.
constexpr int kBatchPages = 256;
constexpr qint64 kBatchBytes = 4LL << 20;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// How much of a page the parser must read to see every mark: up to the end
// of the last comment that may be one, of the last "</head" and of the last
// "<base" (a base element counts wherever it stands). A parser
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
        if (QByteArrayView(utf8)
                .sliced(at + 2)
                .first(std::min<qsizetype>(4, utf8.size() - at - 2))
                .compare("head", Qt::CaseInsensitive)
            == 0) {
            through(at, ">");
            break;
        }
        if (at == 0)
            break;
    }
    for (qsizetype at = utf8.size(); (at = utf8.lastIndexOf('<', at - 1)) >= cut;) {
        if (QByteArrayView(utf8)
                .sliced(at + 1)
                .first(std::min<qsizetype>(4, utf8.size() - at - 1))
                .compare("base", Qt::CaseInsensitive)
            == 0) {
            through(at, ">");
            break;
        }
        if (at == 0)
            break;
    }
    return cut;
}

// The marks of one page (in the worker).
QList<PageMark> collect(const QByteArray &utf8, PageReader::Parser &parser)
{
    const GumboOutput *output = parser.parse(utf8, partToParse(utf8));
    QList<PageMark> marks;
    bool base = false; // the first base element with an href was found
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
                marks.append(std::move(m));
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
            marks.append(std::move(m));
        }
        if (!base && node->type == GUMBO_NODE_ELEMENT && node->v.element.tag == GUMBO_TAG_BASE
            && node->v.element.tag_namespace == GUMBO_NAMESPACE_HTML) {
            const GumboAttribute *href = gumbo_get_attribute(&node->v.element.attributes, "href");
            if (href && node->v.element.original_tag.data) {
                base = true;
                PageMark m;
                m.kind = PageMark::BaseHref;
                m.start = m.end = qint64(node->v.element.original_tag.data - utf8.constData());
                m.text = QByteArray(href->value);
                marks.append(std::move(m));
            }
        }
        if (node->type == GUMBO_NODE_ELEMENT && node->v.element.tag == GUMBO_TAG_SCRIPT
            && node->v.element.original_tag.data) {
            const GumboAttribute *src = gumbo_get_attribute(&node->v.element.attributes, "src");
            if (src && std::strstr(src->value, "quillnav")) {
                PageMark m;
                m.kind = PageMark::ScriptSrc;
                m.start = m.end = qint64(node->v.element.original_tag.data - utf8.constData());
                m.text = QByteArray(src->value);
                marks.append(std::move(m));
            }
        }
        for (unsigned i = children.length; i-- > 0;)
            stack.push_back(static_cast<const GumboNode *>(children.data[i]));
    }
    return marks;
}

} // namespace

namespace {

QList<PageMarkList> parse(const QList<PageReader::Source> &sources, const PageReadBounds &bounds)
{
    const QList<PageReader::Page<QList<PageMark>>> pages =
        PageReader::read<QList<PageMark>>(sources.size(),
                                          [&sources](qsizetype index, PageReader::Source *source, QString *) {
                                              *source = sources.at(index);
                                              return true;
                                          },
                                          collect, bounds, {kBatchPages, kBatchBytes});
    QList<PageMarkList> out;
    out.reserve(pages.size());
    for (const PageReader::Page<QList<PageMark>> &page : pages) {
        PageMarkList list{page.ok, page.error, page.record, page.encoding};
        std::sort(list.marks.begin(), list.marks.end(),
                  [](const PageMark &a, const PageMark &b) { return a.start < b.start; });
        out.append(std::move(list));
    }
    return out;
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

QList<PageMarkList> scan(const QList<PageReader::Source> &pages, const PageReadBounds &bounds,
                         const QString &menuName)
{
    // The inside of the menu's body region is left out of the parse where it may be (RegionSkip).
    QList<RegionSkip> skips;
    QList<PageReader::Source> texts;
    for (const PageReader::Source &page : pages) {
        const QByteArray &utf8 = page.utf8;
        skips.append(RegionSkip::of(utf8, menuName));
        const RegionSkip &skip = skips.last();
        if (!skip.skips()) {
            texts.append(page);
            continue;
        }
        PageReader::Source text = page; // a <meta> that changes the encoding reads the whole bytes again
        text.utf8.clear();
        text.utf8.reserve(utf8.size() - skip.length);
        text.utf8.append(QByteArrayView(utf8).first(skip.from));
        text.utf8.append(QByteArrayView(utf8).sliced(skip.from + skip.length));
        texts.append(std::move(text));
    }
    QList<PageMarkList> out = parse(texts, bounds);
    QList<qsizetype> again;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const RegionSkip &skip = skips.at(i);
        if (!skip.skips())
            continue;
        PageMarkList &list = out[i];
        if (list.encoding != pages.at(i).encoding)
            continue; // read again whole in the encoding a <meta> named: nothing was left out
        bool begins = false;
        bool ends = false;
        bool headBefore = false;
        for (PageMark &m : list.marks) {
            if (m.kind == PageMark::HeadEnd) {
                headBefore = headBefore || m.start < skip.from;
                continue;
            }
            begins = begins || m.end == skip.from;
            ends = ends || m.start == skip.from;
            if (m.start >= skip.from) {
                m.start += skip.length;
                m.end += skip.length;
            }
        }
        if (!list.ok || !begins || !ends || !headBefore) {
            again.append(i);
        }
    }
    if (!again.isEmpty()) {
        QList<PageReader::Source> whole;
        for (const qsizetype i : std::as_const(again))
            whole.append(pages.at(i));
        const QList<PageMarkList> parsed = parse(whole, bounds);
        for (qsizetype k = 0; k < again.size(); ++k)
            out[again.at(k)] = parsed.at(k);
    }
    return out;
}

} // namespace PageMarkScan
