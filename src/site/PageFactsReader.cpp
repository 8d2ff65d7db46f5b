#include "site/PageFactsReader.h"

#include "menu/ProjectFile.h"
#include "platform/BoundedWorker.h"
#include "platform/RegularFile.h"
#include "site/PageImport.h"
#include "site/PageSelectsEncoding.h"
#include "site/SelectImport.h"

#include <QtEndian>

#include <gumbo.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// A page's text as the worker gets it: UTF-8, and the length of the part
// that is parsed first for a title.
struct PageText {
    QByteArray utf8;
    bool cutShort = false; // only the text up to the first </title>
};

// With the pages' titles: read the whole pages (those whose first part held no title).
constexpr int kWhole = 0x100;

// What the worker sends back for one page.
struct RawFacts {
    QByteArray title;   // the first <title>'s text
    QByteArray heading; // the first <h1>'s text, when the title has none
    bool hasTitle = false;
    bool needsWhole = false; // the part held no title
    QList<QByteArray> anchors;
};

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
        if (utf8.size() - at >= 7 && QByteArrayView(utf8).sliced(at + 2, 5).compare("title", Qt::CaseInsensitive) == 0) {
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
        if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE || node->type == GUMBO_NODE_CDATA) {
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

// Parses one page (in the worker). A page cut short at its first </title>
// gives its title when that part holds a complete one; otherwise the whole
// page is asked for.
RawFacts parsePage(const PageText &page, int want)
{
    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0;
    RawFacts out;
    const bool anchors = want & PageFactsReader::Anchors;
    if (page.cutShort) {
        GumboOutput *output = gumbo_parse_with_options(&options, page.utf8.constData(), size_t(page.utf8.size()));
        const Walk w = walk(output, nullptr);
        const bool complete = w.title && w.title->v.element.original_end_tag.length > 0;
        if (complete) {
            out.hasTitle = true;
            out.title = textOf(w.title);
        }
        gumbo_destroy_output(&options, output);
        out.needsWhole = !complete || blank(out.title);
        return out;
    }
    GumboOutput *output = gumbo_parse_with_options(&options, page.utf8.constData(), size_t(page.utf8.size()));
    const Walk w = walk(output, anchors ? &out.anchors : nullptr);
    if (w.title) {
        out.hasTitle = true;
        out.title = textOf(w.title);
    }
    if ((want & PageFactsReader::Titles) && blank(out.title) && w.heading)
        out.heading = textOf(w.heading);
    gumbo_destroy_output(&options, output);
    return out;
}

void put(QByteArray *wire, const QByteArray &bytes)
{
    const quint32 size = qToLittleEndian(quint32(bytes.size()));
    wire->append(reinterpret_cast<const char *>(&size), sizeof size);
    wire->append(bytes);
}

bool take(QByteArrayView *wire, QByteArray *bytes)
{
    quint32 size = 0;
    if (wire->size() < qsizetype(sizeof size))
        return false;
    std::memcpy(&size, wire->data(), sizeof size);
    size = qFromLittleEndian(size);
    *wire = wire->sliced(sizeof size);
    if (qsizetype(size) > wire->size())
        return false;
    *bytes = wire->first(size).toByteArray();
    *wire = wire->sliced(size);
    return true;
}

// The wire form of one page's facts: title, heading, a flag, the anchors.
QByteArray encode(const RawFacts &facts)
{
    QByteArray wire;
    put(&wire, facts.title);
    put(&wire, facts.heading);
    put(&wire, QByteArray(facts.hasTitle ? "t" : "") + (facts.needsWhole ? "w" : ""));
    put(&wire, QByteArray::number(facts.anchors.size()));
    for (const QByteArray &anchor : facts.anchors)
        put(&wire, anchor);
    return wire;
}

bool decode(QByteArrayView *wire, RawFacts *facts)
{
    QByteArray flag;
    QByteArray count;
    if (!take(wire, &facts->title) || !take(wire, &facts->heading) || !take(wire, &flag) || !take(wire, &count))
        return false;
    facts->hasTitle = flag.contains('t');
    facts->needsWhole = flag.contains('w');
    const qsizetype n = count.toLongLong();
    for (qsizetype i = 0; i < n; ++i) {
        QByteArray anchor;
        if (!take(wire, &anchor))
            return false;
        facts->anchors.append(anchor);
    }
    return true;
}

QString cleaned(const QByteArray &raw)
{
    QString text = SelectImport::cleanText(QString::fromUtf8(raw), nullptr);
    if (text.size() > ProjectFile::kMaxTextLength)
        text.truncate(ProjectFile::kMaxTextLength - int(text.at(ProjectFile::kMaxTextLength - 1).isHighSurrogate()));
    return text;
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

// Parses the pages of one batch: true with their facts, false with the
// reason when the batch ran past a bound or its answer was damaged
// (`cancelled` set when keepGoing stopped it).
bool parseBatch(const QList<const PageText *> &pages, int want, const PageReadBounds &bounds,
                QList<RawFacts> *out, QString *error, bool *cancelled)
{
    const BoundedWorker::Result result = bounds.run([&pages, want](bool) {
        QByteArray wire;
        for (const PageText *page : pages)
            wire += encode(parsePage(*page, want));
        return wire;
    });
    if (result.outcome != BoundedWorker::Finished) {
        *error = bounds.failureText(result);
        *cancelled = result.outcome == BoundedWorker::Cancelled;
        return false;
    }
    const QByteArray &wire = result.output;
    QByteArrayView rest(wire);
    out->clear();
    for (qsizetype i = 0; i < pages.size(); ++i) {
        RawFacts facts;
        if (!decode(&rest, &facts)) {
            *error = QStringLiteral("Its reader failed (its answer was incomplete or damaged).");
            return false;
        }
        out->append(std::move(facts));
    }
    return true;
}

// Reads and decodes one file, for a title cut short after its first </title>
// (`cut`); false with the reason.
bool load(const QString &path, bool cut, PageText *page, QString *error)
{
    const RegularFile file = RegularFile::read(path, PageImport::kMaxFileBytes);
    switch (file.status) {
    case RegularFile::Ok:
        break;
    case RegularFile::Missing:
        *error = QStringLiteral("It does not exist.");
        return false;
    case RegularFile::NotRegular:
        *error = QStringLiteral("It is not a regular file.");
        return false;
    case RegularFile::TooLarge:
        *error = QStringLiteral("It is larger than %1 MiB, the most that is read.")
                     .arg(PageImport::kMaxFileBytes / (1024 * 1024));
        return false;
    case RegularFile::Failed:
        *error = QStringLiteral("It could not be read: %1").arg(file.reason);
        return false;
    }
    qsizetype bom = 0;
    const QByteArray encoding = PageSelectsEncoding::sniff(file.bytes, &bom);
    const QByteArrayView body = QByteArrayView(file.bytes).sliced(bom);
    if (encoding == "UTF-8" && body.isValidUtf8()) { // the bytes are the text already
        page->utf8 = bom == 0 ? file.bytes : body.toByteArray();
    } else {
        QString text;
        if (!PageSelectsEncoding::decode(file.bytes, &text, error))
            return false;
        page->utf8 = text.toUtf8();
    }
    if (cut) {
        const qsizetype end = titleCut(page->utf8);
        page->cutShort = end < page->utf8.size();
        page->utf8.truncate(end);
        page->utf8.squeeze();
    }
    return true;
}

} // namespace

QList<PageFacts> PageFactsReader::read(const QStringList &paths, int want, const PageReadBounds &bounds,
                                       const std::function<bool(qsizetype)> &progress)
{
    QList<PageFacts> facts(paths.size());
    qsizetype next = 0;
    bool cancelled = false;
    while (next < paths.size()) {
        // One batch: read and decode here (the codecs hold locks a worker cannot take).
        QList<PageText> texts;
        QList<qsizetype> indexes;
        qint64 bytes = 0;
        for (; next < paths.size() && texts.size() < kBatchPages && bytes < kBatchBytes; ++next) {
            if (cancelled) {
                facts[next].error = QStringLiteral("Reading it was cancelled.");
                continue;
            }
            PageText text;
            const bool cut = (want & (Anchors | kWhole)) == 0;
            if (!load(paths.at(next), cut, &text, &facts[next].error))
                continue;
            bytes += text.utf8.size();
            texts.append(std::move(text));
            indexes.append(next);
        }
        QList<const PageText *> batch;
        for (const PageText &text : texts)
            batch.append(&text);
        QList<RawFacts> raw;
        QStringList errors(batch.size());
        QString error;
        bool stopped = false;
        if (!batch.isEmpty() && !parseBatch(batch, want, bounds, &raw, &error, &stopped)) {
            // Page by page, so that only a page past a bound itself is refused.
            raw = QList<RawFacts>(batch.size());
            for (qsizetype i = 0; i < batch.size(); ++i) {
                QList<RawFacts> one;
                if (stopped || batch.size() == 1)
                    errors[i] = error;
                else if (parseBatch({batch.at(i)}, want, bounds, &one, &errors[i], &stopped))
                    raw[i] = one.value(0);
            }
        }
        cancelled = cancelled || stopped;
        QStringList whole;
        QList<qsizetype> wholeIndexes;
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (!errors.at(i).isEmpty()) {
                facts[indexes.at(i)].error = errors.at(i);
            } else if (raw.at(i).needsWhole) {
                whole << paths.at(indexes.at(i));
                wholeIndexes << indexes.at(i);
            } else {
                facts[indexes.at(i)] = factsOf(raw.at(i));
            }
        }
        if (!whole.isEmpty()) {
            const QList<PageFacts> more = read(whole, want | kWhole, bounds);
            for (qsizetype i = 0; i < more.size(); ++i)
                facts[wholeIndexes.at(i)] = more.at(i);
        }
        if (progress && !cancelled && !progress(next))
            cancelled = true;
    }
    return facts;
}
