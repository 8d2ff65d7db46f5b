#include "codegen/PageSelects.h"

#include "codegen/PageSelectsWire.h"
#include "platform/BoundedWorker.h"

#include <QByteArrayView>
#include <QStringDecoder>

#include <gumbo.h>

#include <cstdlib>
#include <sys/mman.h>
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
    return text.left(kMaxRawText);
}

PageOption optionOf(const GumboNode *node, bool inGroup)
{
    const GumboElement &e = node->v.element;
    PageOption o;
    o.text = textOf(node);
    o.hasValue = hasAttribute(e, "value");
    o.value = attribute(e, "value");
    o.disabled = hasAttribute(e, "disabled");
    o.selected = hasAttribute(e, "selected");
    o.inGroup = inGroup;
    return o;
}

void readOptions(const GumboNode *select, PageSelect *out)
{
    const auto add = [out](PageOption option) {
        ++out->optionCount;
        if (out->options.size() < PageSelects::kMaxOptions)
            out->options.append(std::move(option));
    };
    const GumboVector &children = select->v.element.children;
    for (unsigned i = 0; i < children.length; ++i) {
        const auto *child = static_cast<const GumboNode *>(children.data[i]);
        if (isElement(child, GUMBO_TAG_OPTION)) {
            add(optionOf(child, false));
        } else if (isElement(child, GUMBO_TAG_OPTGROUP)) {
            PageOption label;
            label.text = attribute(child->v.element, "label");
            label.group = true;
            label.disabled = true;
            add(label);
            const GumboVector &inner = child->v.element.children;
            for (unsigned j = 0; j < inner.length; ++j) {
                const auto *option = static_cast<const GumboNode *>(inner.data[j]);
                if (isElement(option, GUMBO_TAG_OPTION))
                    add(optionOf(option, true));
            }
        }
    }
}

// The first submit button below `root`, within a bounded number of nodes.
PageButton findButton(const GumboNode *root, int *budget)
{
    PageButton b;
    std::vector<const GumboNode *> stack{root};
    for (int visited = 0; !stack.empty() && visited < kButtonSearchNodes && *budget > 0; ++visited, --*budget) {
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

PageSelect selectOf(const GumboNode *node, int *budget)
{
    const GumboElement &e = node->v.element;
    PageSelect s;
    s.name = attribute(e, "name");
    s.id = attribute(e, "id");
    s.hasOnchange = hasAttribute(e, "onchange");
    s.onchange = attribute(e, "onchange");
    s.style = attribute(e, "style");
    readOptions(node, &s);

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

// Gumbo's memory in the worker: one region reserved at once, with huge pages
// where the system gives them, handed out in order and never given back
// (the worker ends instead). In a fresh child every page it touches is a
// fault, and with 4 KiB pages those faults cost as much as the parse itself;
// the region's end is the parse's memory bound, exact in every build (also
// under AddressSanitizer). Gumbo checks no allocation: past the end the
// worker ends as out of memory.
class ParseArena {
public:
    void reserve(qint64 bytes)
    {
        void *p = ::mmap(nullptr, size_t(bytes), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (p == MAP_FAILED)
            BoundedWorker::outOfMemory();
        ::madvise(p, size_t(bytes), MADV_HUGEPAGE); // only advice
        m_next = static_cast<char *>(p);
        m_end = m_next + bytes;
    }
    void *take(size_t size)
    {
        size = (size + 15) & ~size_t(15);
        if (size > size_t(m_end - m_next))
            BoundedWorker::outOfMemory();
        void *p = m_next;
        m_next += size;
        return p;
    }

private:
    char *m_next = nullptr;
    char *m_end = nullptr;
};

} // namespace

QString PageSelects::decode(const QByteArray &bytes)
{
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    const bool bom = bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE")
                     || bytes.startsWith("\xFE\xFF");
    const bool utf8 = decoder.isValid() && QByteArray(decoder.name()).toUpper() == "UTF-8";
    // A page that names no encoding (or one not known here) and is not valid
    // UTF-8 was written by an older tool: Windows-1252.
    if (!decoder.isValid() || (utf8 && !bom && !QByteArrayView(bytes).isValidUtf8())) {
        if (QByteArrayView(bytes).isValidUtf8())
            return QString::fromUtf8(bytes);
        QStringDecoder windows("windows-1252");
        return windows.isValid() ? windows.decode(bytes) : QString::fromLatin1(bytes);
    }
    return decoder.decode(bytes);
}

// The parse and the walk: in the worker process, or here for the fuzzer.
// In the worker gumbo's memory is one region of `arenaBytes` (see ParseArena),
// and the tree is never freed: the process ends instead, which is quicker,
// and freeing is recursive in gumbo.
PageRecords PageSelects::collect(const QByteArray &utf8, qint64 arenaBytes)
{
    PageRecords out;
    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0; // the parse errors are not used (each copies the open elements)
    ParseArena arena;
    const bool inWorker = arenaBytes > 0;
    if (inWorker) {
        arena.reserve(arenaBytes);
        options.userdata = &arena;
        options.allocator = [](void *arena, size_t size) { return static_cast<ParseArena *>(arena)->take(size); };
        options.deallocator = [](void *, void *) {};
    }
    GumboOutput *output = gumbo_parse_with_options(&options, utf8.constData(), size_t(utf8.size()));
    struct Destroy {
        const GumboOptions *options;
        GumboOutput *output;
        ~Destroy()
        {
            if (output)
                gumbo_destroy_output(options, output);
        }
    } destroy{&options, inWorker ? nullptr : output};

    int budget = kButtonSearchBudget;
    std::vector<const GumboNode *> stack{output->root};
    while (!stack.empty()) {
        const GumboNode *node = stack.back();
        stack.pop_back();
        if (node->type != GUMBO_NODE_ELEMENT)
            continue;
        const GumboElement &e = node->v.element;
        if (e.tag == GUMBO_TAG_SELECT) {
            out.selects.append(selectOf(node, &budget));
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
    // Decoding stays in this process: the codecs hold locks a forked child cannot take.
    const QByteArray utf8 = decode(bytes).toUtf8();
    QByteArray wire;
    if (bounds.isolation == Bounds::InProcess) {
        wire = PageSelectsWire::encode(collect(utf8, 0));
    } else {
        BoundedWorker::Limits limits;
        limits.cpuSeconds = bounds.seconds;
        limits.wallSeconds = bounds.seconds + 1;
        limits.memoryBytes = bounds.memoryBytes;
        const BoundedWorker::Result result = BoundedWorker::run(
            [&utf8, &bounds](int fd) {
                // Gumbo gets three quarters of the memory; the records and their wire form the rest.
                const QByteArray answer = PageSelectsWire::encode(collect(utf8, bounds.memoryBytes / 4 * 3));
                return BoundedWorker::writeAll(fd, answer.constData(), answer.size()) ? 0 : 1;
            },
            limits, bounds.keepGoing);
        switch (result.outcome) {
        case BoundedWorker::Finished:
            wire = result.output;
            break;
        case BoundedWorker::TimeLimit:
            m_error = QStringLiteral("It is too complex to read: reading it takes more than %1 seconds.")
                          .arg(bounds.seconds);
            return false;
        case BoundedWorker::MemoryLimit:
            m_error = QStringLiteral("It is too complex to read: reading it takes more than %1 MiB of memory.")
                          .arg(bounds.memoryBytes / (1024 * 1024));
            return false;
        case BoundedWorker::Cancelled:
            m_cancelled = true;
            m_error = QStringLiteral("Reading it was cancelled.");
            return false;
        case BoundedWorker::Crashed:
        case BoundedWorker::Failed:
            m_error = QStringLiteral("Its reader failed (%1).").arg(result.reason);
            return false;
        }
    }
    PageRecords records;
    if (!PageSelectsWire::decode(wire, &records)) {
        m_error = QStringLiteral("Its reader failed (its answer was incomplete or damaged).");
        return false;
    }
    m_selects = std::move(records.selects);
    m_classicScript = std::move(records.classicScript);
    return true;
}
