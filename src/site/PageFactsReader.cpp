#include "site/PageFactsReader.h"

#include "menu/ProjectFile.h"
#include "platform/TextTrim.h"
#include "site/PageReader.h"
#include "site/SelectImport.h"

#include <gumbo.h>

#include <algorithm>
#include <vector>

namespace {

// What the worker sends back for one page.
struct RawFacts {
    QByteArray title;   // the first <title>'s text
    QByteArray heading; // the first <h1>'s text, when the title has none
    QList<QByteArray> anchors;
};

// RawFacts on the wire (see PageWire).
template <class V, class T>
requires std::is_same_v<std::remove_const_t<T>, RawFacts>
void wireFields(V &v, T &f)
{
    auto &[title, heading, anchors] = f;
    v(title), v(heading), v(anchors);
}

bool isAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool blank(const QByteArray &text)
{
    return std::all_of(text.begin(), text.end(), isAsciiSpace);
}

// The end of the first </title> end tag (after its '>'); the text's size
// when it has none.
qsizetype titleCut(const QByteArray &utf8)
{
    for (qsizetype at = utf8.indexOf("</"); at >= 0; at = utf8.indexOf("</", at + 2)) {
        if (utf8.size() - at >= 7
            && QByteArrayView(utf8).sliced(at + 2, 5).compare("title", Qt::CaseInsensitive) == 0) {
            const qsizetype close = utf8.indexOf('>', at);
            return close < 0 ? utf8.size() : close + 1;
        }
    }
    return utf8.size();
}

// The text content of a node (child process: plain bytes only).
QByteArray textOf(const GumboNode *root)
{
    QByteArray text;
    std::vector<const GumboNode *> stack{root};
    while (!stack.empty() && text.size() < ProjectFile::kMaxTextLength * 4) {
        const GumboNode *node = stack.back();
        stack.pop_back();
        if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE
            || node->type == GUMBO_NODE_CDATA) {
            text += node->v.text.text;
        } else if (node->type == GUMBO_NODE_ELEMENT) {
            const GumboVector &children = node->v.element.children;
            for (unsigned i = children.length; i-- > 0;)
                stack.push_back(static_cast<const GumboNode *>(children.data[i]));
        }
    }
    return text;
}

// Walks a parsed page in tree order: its first title and first h1, and,
// with `anchors`, every id and <a name>.
struct Walk {
    const GumboNode *title = nullptr;
    const GumboNode *heading = nullptr;
};

Walk walk(const GumboOutput *output, QList<QByteArray> *anchors)
{
    Walk w;
    std::vector<const GumboNode *> stack{output->root};
    while (!stack.empty()) {
        const GumboNode *node = stack.back();
        stack.pop_back();
        if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_TEMPLATE)
            continue;
        const GumboElement &e = node->v.element;
        if (e.tag == GUMBO_TAG_TITLE && !w.title && e.tag_namespace == GUMBO_NAMESPACE_HTML)
            w.title = node;
        if (e.tag == GUMBO_TAG_H1 && !w.heading)
            w.heading = node;
        if (!anchors && w.title && w.heading)
            break;
        if (anchors) {
            if (const GumboAttribute *id = gumbo_get_attribute(&e.attributes, "id"))
                anchors->append(QByteArray(id->value));
            if (e.tag == GUMBO_TAG_A)
                if (const GumboAttribute *name = gumbo_get_attribute(&e.attributes, "name"))
                    anchors->append(QByteArray(name->value));
        }
        for (unsigned i = e.children.length; i-- > 0;)
            stack.push_back(static_cast<const GumboNode *>(e.children.data[i]));
    }
    return w;
}

// The facts of one page (in the worker). For titles alone, the text up to
// the first </title> is parsed first; only when that holds no complete
// title with text is the whole page parsed.
RawFacts parsePage(const QByteArray &utf8, PageReader::Parser &parser, int want)
{
    RawFacts out;
    const bool anchors = want & PageFactsReader::Anchors;
    if (!anchors) {
        const qsizetype cut = titleCut(utf8);
        if (cut < utf8.size()) {
            const Walk w = walk(parser.parse(utf8, cut), nullptr);
            if (w.title && w.title->v.element.original_end_tag.length > 0) {
                out.title = textOf(w.title);
                if (!blank(out.title))
                    return out;
            }
        }
    }
    const Walk w = walk(parser.parse(utf8), anchors ? &out.anchors : nullptr);
    out.title = w.title ? textOf(w.title) : QByteArray();
    if ((want & PageFactsReader::Titles) && blank(out.title) && w.heading)
        out.heading = textOf(w.heading);
    return out;
}

QString cleaned(const QByteArray &raw)
{
    return CutAtLength(SelectImport::cleanText(QString::fromUtf8(raw), nullptr), ProjectFile::kMaxTextLength);
}

PageFacts factsOf(const RawFacts &raw)
{
    PageFacts facts;
    facts.title = cleaned(raw.title);
    facts.source = PageFacts::Title;
    if (facts.title.isEmpty()) {
        facts.title = cleaned(raw.heading);
        facts.source = facts.title.isEmpty() ? PageFacts::None : PageFacts::Heading;
    }
    for (const QByteArray &anchor : raw.anchors)
        facts.anchors.insert(QString::fromUtf8(anchor));
    return facts;
}

} // namespace

QList<PageFacts> PageFactsReader::read(const QStringList &paths, int want, const PageReadBounds &bounds,
                                       const std::function<bool(qsizetype)> &progress)
{
    const QList<PageReader::Page<RawFacts>> pages = PageReader::read<RawFacts>(
        paths.size(),
        [&paths](qsizetype index, PageReader::Source *source, QString *error) {
            return PageReader::load(paths.at(index), PageReader::kMaxFileBytes, source, error);
        },
        [want](const QByteArray &utf8, PageReader::Parser &parser) { return parsePage(utf8, parser, want); },
        bounds, {kBatchPages, kBatchBytes}, progress);
    QList<PageFacts> facts;
    facts.reserve(pages.size());
    for (const PageReader::Page<RawFacts> &page : pages) {
        facts.append(page.ok ? factsOf(page.record) : PageFacts{});
        facts.last().error = page.error;
    }
    return facts;
}
