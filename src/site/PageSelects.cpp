#include "site/PageSelects.h"

#include <QCoreApplication>

#include "platform/TextTrim.h"
#include "site/PageSelectsWire.h"

#include <QByteArrayView>

#include <gumbo.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// Raw option texts are kept up to this length; the importer cuts them further.
constexpr qsizetype kMaxRawText = 262144;
// How many nodes the search for a list's button visits at most, for one list
// and for all lists of a page together.
constexpr int kButtonSearchNodes = 4096;
constexpr int kButtonSearchBudget = 1 << 20;

QString attribute(const GumboElement &element, const char *name)
{
    const GumboAttribute *a = gumbo_get_attribute(&element.attributes, name);
    return a ? QString::fromUtf8(a->value) : QString();
}

bool hasAttribute(const GumboElement &element, const char *name)
{
    return gumbo_get_attribute(&element.attributes, name) != nullptr;
}

bool isElement(const GumboNode *node, GumboTag tag)
{
    return node && node->type == GUMBO_NODE_ELEMENT && node->v.element.tag == tag;
}

// The text content of a node, without recursion, up to kMaxRawText characters.
QString textOf(const GumboNode *root)
{
    QString text;
    std::vector<const GumboNode *> stack{root};
    while (!stack.empty() && text.size() < kMaxRawText) {
        const GumboNode *node = stack.back();
        stack.pop_back();
        if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE
            || node->type == GUMBO_NODE_CDATA) {
            text += QString::fromUtf8(node->v.text.text);
        } else if (node->type == GUMBO_NODE_ELEMENT) {
            const GumboVector &children = node->v.element.children;
            for (unsigned i = children.length; i-- > 0;)
                stack.push_back(static_cast<const GumboNode *>(children.data[i]));
        }
    }
    return CutAtLength(text, kMaxRawText);
}

bool isAsciiSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// A text with its ASCII white space stripped at both ends and every inner run
// of it made one space, as an option's text and label are shown.
QString stripAndCollapse(const QString &text)
{
    QString out;
    out.reserve(text.size());
    bool space = false;
    for (const QChar c : text) {
        if (isAsciiSpace(c)) {
            space = !out.isEmpty();
            continue;
        }
        if (space)
            out += u' ';
        space = false;
        out += c;
    }
    return out;
}

PageOption optionOf(const GumboNode *node, bool inGroup, bool groupDisabled)
{
    const GumboElement &e = node->v.element;
    PageOption o;
    const QString content = textOf(node);
    const QString label = attribute(e, "label");
    o.text = label.isEmpty() ? content : label;
    o.hasValue = hasAttribute(e, "value");
    o.value = o.hasValue ? attribute(e, "value") : stripAndCollapse(content);
    o.disabled = groupDisabled || hasAttribute(e, "disabled");
    o.selected = hasAttribute(e, "selected");
    o.inGroup = inGroup;
    return o;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The <hr> start tags in source[from, to) of markup inside a list, where the
// parser drops them though browsers show each as a separator. Comments,
// quoted attribute values and script texts are skipped.
int hrTagsIn(const QByteArray &source, qsizetype from, qsizetype to)
{
    int count = 0;
    qsizetype i = from;
    const auto startsWith = [&](qsizetype at, QByteArrayView what) {
        return at + what.size() <= to
               && QByteArrayView(source).sliced(at, what.size()).compare(what, Qt::CaseInsensitive) == 0;
    };
    while (i < to) {
        i = source.indexOf('<', i);
        if (i < 0 || i + 1 >= to)
            break;
        if (startsWith(i, "<!--")) {
            const qsizetype end = source.indexOf("-->", i + 2);
            i = end < 0 ? to : end + 3;
            continue;
        }
        if (!isLetter(source.at(i + 1))) {
            if (source.at(i + 1) == '/' || source.at(i + 1) == '!' || source.at(i + 1) == '?') {
                const qsizetype end = source.indexOf('>', i);
                i = end < 0 ? to : end + 1;
            } else {
                ++i;
            }
            continue;
        }
        qsizetype end = i + 1;
        while (end < to && isLetter(source.at(end)))
            ++end;
        const QByteArray name = source.mid(i + 1, end - i - 1).toLower();
        count += name == "hr" && (end >= to || !std::isalnum(uchar(source.at(end))));
        i = end;
        while (i < to && source.at(i) != '>') { // the attributes
            const char c = source.at(i);
            if (c == '"' || c == '\'') {
                const qsizetype close = source.indexOf(c, i + 1);
                i = close < 0 ? to : close + 1;
            } else {
                ++i;
            }
        }
        ++i;
        if (name == "script" || name == "style") {
            const qsizetype close = source.indexOf("</" + name, i);
            i = close < 0 ? to : close;
        }
    }
    return count;
}

void readOptions(const GumboNode *select, const QByteArray &source, PageSelect *out)
{
    const auto add = [out](PageOption option) {
        ++out->optionCount;
        if (out->options.size() < PageSelects::kMaxOptions)
            out->options.append(std::move(option));
    };
    // An <hr> ends the group it stands in; the options after it are outside.
    bool groupOpen = false;
    bool groupDisabled = false;
    qsizetype last = qsizetype(select->v.element.start_pos.offset);
    const auto separatorsBefore = [&](qsizetype offset) {
        for (int n = hrTagsIn(source, last, offset); n > 0; --n) {
            PageOption separator;
            separator.separator = true;
            separator.disabled = true;
            add(separator);
            groupOpen = groupDisabled = false;
        }
        last = offset;
    };
    const auto addOption = [&](const GumboNode *option) {
        separatorsBefore(qsizetype(option->v.element.start_pos.offset));
        if (!hasAttribute(option->v.element, "hidden"))
            add(optionOf(option, groupOpen, groupDisabled));
    };
    const GumboVector &children = select->v.element.children;
    out->options.reserve(std::min<qsizetype>(children.length, PageSelects::kMaxOptions));
    for (unsigned i = 0; i < children.length; ++i) {
        const auto *child = static_cast<const GumboNode *>(children.data[i]);
        if (isElement(child, GUMBO_TAG_OPTION)) {
            groupOpen = groupDisabled = false;
            addOption(child);
        } else if (isElement(child, GUMBO_TAG_OPTGROUP)) {
            separatorsBefore(qsizetype(child->v.element.start_pos.offset));
            groupOpen = true;
            groupDisabled = hasAttribute(child->v.element, "disabled");
            if (!hasAttribute(child->v.element, "hidden")) {
                PageOption label;
                label.text = attribute(child->v.element, "label");
                label.group = true;
                label.disabled = true;
                add(label);
            }
            const GumboVector &inner = child->v.element.children;
            for (unsigned j = 0; j < inner.length && !hasAttribute(child->v.element, "hidden"); ++j) {
                const auto *option = static_cast<const GumboNode *>(inner.data[j]);
                if (isElement(option, GUMBO_TAG_OPTION))
                    addOption(option);
            }
        }
    }
    const qsizetype end = qsizetype(select->v.element.end_pos.offset);
    if (end > last && end <= source.size())
        separatorsBefore(end);
}

// The first submit button below `root`, within a bounded number of nodes.
PageButton findButton(const GumboNode *root, int *budget)
{
    PageButton b;
    std::vector<const GumboNode *> stack{root};
    for (int visited = 0; !stack.empty() && visited<kButtonSearchNodes && * budget> 0; ++visited, --*budget) {
        const GumboNode *node = stack.back();
        stack.pop_back();
        if (node->type != GUMBO_NODE_ELEMENT)
            continue;
        const GumboElement &e = node->v.element;
        if (e.tag == GUMBO_TAG_INPUT) {
            const QString type = attribute(e, "type").toLower();
            if (type == QLatin1String("submit")) {
                b.kind = PageButton::Text;
                b.text = attribute(e, "value");
                b.style = attribute(e, "style");
                return b;
            }
            if (type == QLatin1String("image")) {
                b.kind = PageButton::Image;
                b.src = attribute(e, "src");
                b.alt = attribute(e, "alt");
                b.width = attribute(e, "width");
                b.height = attribute(e, "height");
                return b;
            }
        } else if (e.tag == GUMBO_TAG_BUTTON) {
            const QString type = attribute(e, "type").toLower();
            if (!type.isEmpty() && type != QLatin1String("submit"))
                continue;
            for (unsigned i = 0; i < e.children.length; ++i) {
                const auto *child = static_cast<const GumboNode *>(e.children.data[i]);
                if (isElement(child, GUMBO_TAG_IMG)) {
                    const GumboElement &img = child->v.element;
                    b.kind = PageButton::Image;
                    b.src = attribute(img, "src");
                    b.alt = attribute(img, "alt");
                    b.width = attribute(img, "width");
                    b.height = attribute(img, "height");
                    return b;
                }
            }
            b.kind = PageButton::Text;
            b.text = textOf(node);
            b.style = attribute(e, "style");
            return b;
        }
        for (unsigned i = e.children.length; i-- > 0;)
            stack.push_back(static_cast<const GumboNode *>(e.children.data[i]));
    }
    return b;
}

PageSelect selectOf(const GumboNode *node, const QByteArray &source, int *budget)
{
    const GumboElement &e = node->v.element;
    PageSelect s;
    s.name = attribute(e, "name");
    s.id = attribute(e, "id");
    s.hasOnchange = hasAttribute(e, "onchange");
    s.onchange = attribute(e, "onchange");
    s.style = attribute(e, "style");
    readOptions(node, source, &s);

    const GumboNode *parent = node->parent;
    if (isElement(parent, GUMBO_TAG_TD))
        s.valign = attribute(parent->v.element, "valign");
    else if (parent && parent->type == GUMBO_NODE_ELEMENT)
        s.boxStyle = attribute(parent->v.element, "style");
    const GumboNode *form = nullptr;
    for (const GumboNode *up = parent; up && !form; up = up->parent) {
        if (isElement(up, GUMBO_TAG_FORM)) {
            form = up;
            const GumboElement &f = up->v.element;
            s.inForm = true;
            s.formName = attribute(f, "name");
            s.formAction = attribute(f, "action");
            s.formTarget = attribute(f, "target");
            s.hasQuillnav = hasAttribute(f, "data-quillnav");
            s.quillnav = attribute(f, "data-quillnav");
            s.quillnavTarget = attribute(f, "data-quillnav-target");
        }
    }
    // The button of the list's form sits beside the list: in the next cell of
    // the row (classic code), in the same row element (HTML5) or elsewhere in
    // a small form.
    if (form)
        s.button = findButton(parent == form ? form : parent->parent, budget);
    return s;
}

} // namespace

// The walk of a parsed page (in the worker, or here for the fuzzer).
PageRecords PageSelects::collect(const QByteArray &utf8, PageReader::Parser &parser)
{
    PageRecords out;
    const GumboOutput *output = parser.parse(utf8);
    int budget = kButtonSearchBudget;
    std::vector<const GumboNode *> stack{output->root};
    while (!stack.empty()) {
        const GumboNode *node = stack.back();
        stack.pop_back();
        if (node->type != GUMBO_NODE_ELEMENT)
            continue;
        const GumboElement &e = node->v.element;
        if (e.tag == GUMBO_TAG_SELECT) {
            out.selects.append(selectOf(node, utf8, &budget));
            continue;
        }
        if (e.tag == GUMBO_TAG_SCRIPT) {
            const QString text = textOf(node);
            if (text.contains(QLatin1String("function gothere(")))
                out.classicScript = text;
            continue;
        }
        for (unsigned i = e.children.length; i-- > 0;)
            stack.push_back(static_cast<const GumboNode *>(e.children.data[i]));
    }
    return out;
}

bool PageSelects::read(const QByteArray &bytes, const Bounds &bounds)
{
    m_selects.clear();
    m_classicScript.clear();
    m_cancelled = false;
    PageReader::Source source;
    if (!PageReader::decode(bytes, &source, &m_error))
        return false;
    QList<PageReader::Page<PageRecords>> pages = PageReader::read<PageRecords>(
        1,
        [&source](qsizetype, PageReader::Source *text, QString *) {
            *text = std::move(source);
            return true;
        },
        &PageSelects::collect, bounds);
    PageReader::Page<PageRecords> &page = pages.first();
    if (!page.ok) {
        m_cancelled = page.cancelled;
        m_error = page.error;
        return false;
    }
    m_selects = std::move(page.record.selects);
    m_classicScript = std::move(page.record.classicScript);
    return true;
}
