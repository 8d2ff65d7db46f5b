#include "site/PageReader.h"

#include "platform/RegularFile.h"
#include "site/PageEncoding.h"
#include "site/ParseArena.h"

#include <QCoreApplication>

#include <gumbo.h>

#include <cstring>
#include <optional>
#include <utility>
#include <vector>

bool PageReader::decode(const QByteArray &bytes, QByteArray *utf8, QString *error, QByteArray *encoding,
                        qsizetype *bom, QByteArrayView as)
{
    qsizetype mark = 0;
    QByteArray name = PageEncoding::sniff(bytes, &mark);
    if (!as.isEmpty())
        name = as.toByteArray();
    if (encoding)
        *encoding = name;
    if (bom)
        *bom = mark;
    const QByteArrayView body = QByteArrayView(bytes).sliced(mark);
    if (name == "UTF-8" && body.isValidUtf8()) { // the bytes are the text already
        *utf8 = mark == 0 ? bytes : body.toByteArray();
        return true;
    }
    QString text;
    if (!PageEncoding::decodeAs(body, name, &text, error))
        return false;
    *utf8 = text.toUtf8();
    return true;
}

bool PageReader::decode(const QByteArray &bytes, Source *source, QString *error)
{
    source->bytes = bytes;
    return decode(bytes, &source->utf8, error, &source->encoding, &source->bom);
}

bool PageReader::load(const QString &path, qint64 maxBytes, Source *source, QString *error)
{
    const RegularFile file = RegularFile::read(path, maxBytes);
    if (file.status != RegularFile::Ok) {
        *error = file.problem();
        return false;
    }
    return decode(file.bytes, source, error);
}

PageReader::Parser::~Parser()
{
    release();
}

void PageReader::Parser::release()
{
    // An arena's tree is dropped with the arena's contents; freeing a tree
    // is recursive in gumbo, and slower.
    if (m_arena)
        m_arena->rewind();
    else if (m_output)
        gumbo_destroy_output(&kGumboDefaultOptions, m_output);
    m_output = nullptr;
}

const GumboInternalOutput *PageReader::Parser::parse(const QByteArray &utf8, qsizetype length)
{
    release();
    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0; // the parse errors are not used (each copies the open elements)
    if (m_arena)
        m_arena->serve(&options);
    const qsizetype size = length < 0 ? utf8.size() : std::min(length, utf8.size());
    m_output = gumbo_parse_with_options(&options, utf8.constData(), size_t(size));
    m_parsed = size;
    return m_output;
}

QByteArray PageReader::Parser::declaredEncoding(const QByteArray &utf8)
{
    const auto first = [this] {
        QByteArray found;
        qsizetype at = -1;
        std::vector<const GumboNode *> stack{m_output->document};
        while (!stack.empty()) {
            const GumboNode *node = stack.back();
            stack.pop_back();
            if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_TEMPLATE
                && node->type != GUMBO_NODE_DOCUMENT)
                continue;
            const GumboVector &children =
                node->type == GUMBO_NODE_DOCUMENT ? node->v.document.children : node->v.element.children;
            const GumboElement &e = node->v.element;
            if (node->type != GUMBO_NODE_DOCUMENT && e.tag == GUMBO_TAG_META
                && e.tag_namespace == GUMBO_NAMESPACE_HTML && e.original_tag.length > 0
                && (at < 0 || qsizetype(e.start_pos.offset) < at)) {
                QList<std::pair<QByteArray, QByteArray>> attributes;
                for (unsigned i = 0; i < e.attributes.length; ++i) {
                    const auto *a = static_cast<const GumboAttribute *>(e.attributes.data[i]);
                    attributes.append({QByteArray(a->name), QByteArray(a->value)});
                }
                const QByteArray declared = PageEncoding::declaredByMeta(attributes);
                if (!declared.isEmpty())
                    found = declared, at = qsizetype(e.start_pos.offset);
            }
            if (node->type == GUMBO_NODE_TEMPLATE)
                continue; // its contents are inert: a <meta> there declares nothing
            for (unsigned i = children.length; i-- > 0;)
                stack.push_back(static_cast<const GumboNode *>(children.data[i]));
        }
        return found;
    };
    QByteArray found = m_output ? first() : QByteArray();
    if (!found.isEmpty() || m_parsed >= utf8.size())
        return found;
    // The parse stopped short of the text's end: what follows (from the tag it may have cut) may
    // hold the first <meta>.
    qsizetype last = -1;
    for (qsizetype at = m_parsed > 0 ? std::max<qsizetype>(0, utf8.lastIndexOf('<', m_parsed - 1)) : 0;
         (at = utf8.indexOf('<', at)) >= 0; ++at) {
        if (QByteArrayView(utf8)
                .sliced(at + 1)
                .first(std::min<qsizetype>(4, utf8.size() - at - 1))
                .compare("meta", Qt::CaseInsensitive)
            == 0)
            last = at;
    }
    const qsizetype close = last < 0 ? -1 : utf8.indexOf('>', last);
    if (last < 0 || (close >= 0 && close < m_parsed))
        return found;
    parse(utf8, close < 0 ? -1 : close + 1);
    return first();
}

namespace {

// A request to the warm worker: this header, then each text as its size, whether it is
// tentative (its <meta> is looked for) and its bytes.
struct WarmRequest {
    quintptr via;
    quintptr extract;
    qint64 arenaBytes;
    qint64 count;
};

// What the warm worker keeps of its arena between requests: enough for a list of some hundred
// thousand options, which then need not be faulted in again.
constexpr qint64 kWarmArenaBytes = 256LL << 20;

} // namespace

// Reads one text with `parser`: its record, then the encoding its first <meta> declares (empty
// when it is not tentative).
template <class AppendRecord>
void PageReader::readText(const QByteArray &utf8, bool tentative, Parser &parser, QByteArray *wire,
                          const AppendRecord &append)
{
    append(utf8, parser, wire);
    PageWire::append(wire, tentative ? parser.declaredEncoding(utf8) : QByteArray());
}

QByteArray PageReader::serveWarm(const QByteArray &request)
{
    WarmRequest header{};
    std::memcpy(&header, request.constData(), sizeof header);
    ParseArena &arena = ParseArena::kept(header.arenaBytes);
    QByteArray wire;
    {
        Parser parser(&arena);
        const char *at = request.constData() + sizeof header;
        for (qint64 i = 0; i < header.count; ++i) {
            qint64 size = 0;
            std::memcpy(&size, at, sizeof size);
            const bool tentative = at[sizeof size] != 0;
            at += sizeof size + 1;
            const QByteArray utf8 = QByteArray::fromRawData(at, qsizetype(size));
            at += size;
            readText(utf8, tentative, parser, &wire,
                     [&header](const QByteArray &text, Parser &p, QByteArray *w) {
                         reinterpret_cast<decltype(PlainAppend::via)>(header.via)(header.extract, text, p, w);
                     });
            parser.release();
        }
    }
    arena.settle(kWarmArenaBytes);
    return wire;
}

QString PageReader::damagedText()
{
    return QCoreApplication::translate("PageImport",
                                       "Its reader failed (its answer was incomplete or damaged).");
}

void PageReader::run(qsizetype count, const Load &load, const Append &append, const PlainAppend &plain,
                     const PageReadBounds &bounds, const Batch &batch, const Progress &progress,
                     const std::function<void(qsizetype, const Answer &)> &deliver)
{
    struct Text {
        qsizetype index;
        Source source;
        bool tentative; // a <meta> may change its encoding
    };
    QList<Text> rereads; // pages whose <meta> changed their encoding, to read again
    // Parses texts [from, to) in one worker and delivers their answers; false
    // (with the worker's result) when the worker did not finish.
    const auto parse = [&](const QList<Text> &texts, qsizetype from, qsizetype to,
                           BoundedWorker::Result *result) {
        // In the worker the parser gets three quarters of the memory; the records and their wire the
        // rest.
        const qint64 arenaBytes = bounds.memoryBytes / 4 * 3;
        const auto job = [&](bool inWorker) {
            std::optional<ParseArena> arena;
            if (inWorker)
                arena.emplace(arenaBytes);
            Parser parser(arena ? &*arena : nullptr);
            QByteArray wire;
            for (qsizetype i = from; i < to; ++i) {
                readText(texts.at(i).source.utf8, texts.at(i).tentative, parser, &wire, append);
                parser.release();
            }
            return wire;
        };
        qint64 requestSize = sizeof(WarmRequest);
        for (qsizetype i = from; i < to; ++i)
            requestSize += qint64(sizeof(qint64)) + 1 + texts.at(i).source.utf8.size();
        const auto request = [&](char *into) {
            const WarmRequest header{reinterpret_cast<quintptr>(plain.via), plain.extract, arenaBytes,
                                     qint64(to - from)};
            std::memcpy(into, &header, sizeof header);
            into += sizeof header;
            for (qsizetype i = from; i < to; ++i) {
                const QByteArray &utf8 = texts.at(i).source.utf8;
                const qint64 length = utf8.size();
                std::memcpy(into, &length, sizeof length);
                into[sizeof length] = char(texts.at(i).tentative ? 1 : 0);
                into += sizeof length + 1;
                std::memcpy(into, utf8.constData(), size_t(length));
                into += length;
            }
        };
        *result = plain.via ? bounds.run(job, &PageReader::serveWarm, requestSize, request) : bounds.run(job);
        if (result->outcome != BoundedWorker::Finished)
            return false;
        QByteArrayView rest(result->output);
        bool whole = true;
        for (qsizetype i = from; i < to; ++i) {
            const Text &text = texts.at(i);
            Answer answer;
            answer.encoding = text.source.encoding;
            QByteArrayView metaFrame;
            QByteArray declared;
            whole = whole && PageWire::takeFrame(&rest, &answer.frame)
                    && PageWire::takeFrame(&rest, &metaFrame) && PageWire::decode(metaFrame, &declared);
            answer.ok = whole;
            if (!whole)
                answer.error = damagedText();
            const QByteArray changed =
                whole ? PageEncoding::changedEncoding(text.source.encoding, text.source.bom, declared)
                      : QByteArray();
            if (!changed.isEmpty()) { // read once more in the encoding the page declares
                Text again{text.index, {{}, {}, changed, 0}, false};
                if (PageReader::decode(text.source.bytes, &again.source.utf8, &answer.error, nullptr, nullptr,
                                       changed)) {
                    rereads.append(std::move(again));
                    continue;
                }
                answer.ok = false;
            }
            deliver(text.index, answer);
        }
        return true;
    };
    const auto fail = [&](qsizetype index, const BoundedWorker::Result &result) {
        Answer answer;
        answer.error = bounds.failureText(result);
        answer.cancelled = result.outcome == BoundedWorker::Cancelled;
        deliver(index, answer);
    };
    BoundedWorker::Result cancel;
    cancel.outcome = BoundedWorker::Cancelled;
    bool cancelled = false;
    // Reads a batch; a batch past a bound is read again page by page, so that only a page past a
    // bound itself is refused.
    const auto readBatch = [&](const QList<Text> &texts) {
        BoundedWorker::Result result;
        if (texts.isEmpty() || parse(texts, 0, texts.size(), &result))
            return;
        cancelled = result.outcome == BoundedWorker::Cancelled;
        for (qsizetype i = 0; i < texts.size(); ++i) {
            if (cancelled || texts.size() == 1) {
                fail(texts.at(i).index, result);
                continue;
            }
            BoundedWorker::Result one;
            if (!parse(texts, i, i + 1, &one)) {
                fail(texts.at(i).index, one);
                cancelled = one.outcome == BoundedWorker::Cancelled;
                if (cancelled)
                    result = one;
            }
        }
    };
    qsizetype next = 0;
    while (next < count) {
        QList<Text> texts;
        qint64 bytes = 0;
        for (; next < count && texts.size() < batch.pages && bytes < batch.bytes; ++next) {
            if (cancelled) {
                fail(next, cancel);
                continue;
            }
            Text text{next, {}, false};
            Answer refused;
            if (!load(next, &text.source, &refused.error)) {
                deliver(next, refused);
                continue;
            }
            text.tentative = !text.source.bytes.isEmpty()
                             && !PageEncoding::isCertain(text.source.encoding, text.source.bom);
            bytes += text.source.utf8.size() + (text.tentative ? text.source.bytes.size() : 0);
            texts.append(std::move(text));
        }
        readBatch(texts);
        while (!rereads.isEmpty()) {
            const QList<Text> again = std::exchange(rereads, {});
            if (cancelled) {
                for (const Text &text : again)
                    fail(text.index, cancel);
            } else {
                readBatch(again);
            }
        }
        if (progress && !cancelled && !progress(next))
            cancelled = true;
    }
}
