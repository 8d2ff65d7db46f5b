#include "site/PageReader.h"

#include "platform/RegularFile.h"
#include "site/PageEncoding.h"
#include "site/ParseArena.h"

#include <QCoreApplication>

#include <gumbo.h>

#include <optional>

bool PageReader::decode(const QByteArray &bytes, QByteArray *utf8, QString *error, QByteArray *encoding,
                        qsizetype *bom)
{
    qsizetype mark = 0;
    const QByteArray name = PageEncoding::sniff(bytes, &mark);
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
    if (!PageEncoding::decode(bytes, &text, error, encoding))
        return false;
    *utf8 = text.toUtf8();
    return true;
}

bool PageReader::load(const QString &path, qint64 maxBytes, QByteArray *utf8, QString *error)
{
    const RegularFile file = RegularFile::read(path, maxBytes);
    if (file.status != RegularFile::Ok) {
        *error = file.problem();
        return false;
    }
    return decode(file.bytes, utf8, error);
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
    return m_output;
}

QString PageReader::damagedText()
{
    return QCoreApplication::translate("PageImport",
                                       "Its reader failed (its answer was incomplete or damaged).");
}

void PageReader::run(qsizetype count, const Load &load, const Append &append, const PageReadBounds &bounds,
                     const Batch &batch, const Progress &progress,
                     const std::function<void(qsizetype, const Answer &)> &deliver)
{
    struct Text {
        qsizetype index;
        QByteArray utf8;
    };
    // Parses texts [from, to) in one worker and delivers their answers; false
    // (with the worker's result) when the worker did not finish.
    const auto parse = [&](const QList<Text> &texts, qsizetype from, qsizetype to,
                           BoundedWorker::Result *result) {
        *result = bounds.run([&](bool inWorker) {
            // In the worker the parser gets three quarters of the memory; the records and their wire the
            // rest.
            std::optional<ParseArena> arena;
            if (inWorker)
                arena.emplace(bounds.memoryBytes / 4 * 3);
            Parser parser(arena ? &*arena : nullptr);
            QByteArray wire;
            for (qsizetype i = from; i < to; ++i) {
                append(texts.at(i).utf8, parser, &wire);
                parser.release();
            }
            return wire;
        });
        if (result->outcome != BoundedWorker::Finished)
            return false;
        QByteArrayView rest(result->output);
        bool whole = true;
        for (qsizetype i = from; i < to; ++i) {
            Answer answer;
            whole = whole && PageWire::takeFrame(&rest, &answer.frame);
            answer.ok = whole;
            if (!whole)
                answer.error = damagedText();
            deliver(texts.at(i).index, answer);
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
    qsizetype next = 0;
    while (next < count) {
        QList<Text> texts;
        qint64 bytes = 0;
        for (; next < count && texts.size() < batch.pages && bytes < batch.bytes; ++next) {
            if (cancelled) {
                fail(next, cancel);
                continue;
            }
            Text text{next, {}};
            Answer refused;
            if (!load(next, &text.utf8, &refused.error)) {
                deliver(next, refused);
                continue;
            }
            bytes += text.utf8.size();
            texts.append(std::move(text));
        }
        BoundedWorker::Result result;
        if (!texts.isEmpty() && !parse(texts, 0, texts.size(), &result)) {
            cancelled = result.outcome == BoundedWorker::Cancelled;
            for (qsizetype i = 0; i < texts.size(); ++i) {
                if (cancelled || texts.size() == 1) {
                    fail(texts.at(i).index, result);
                    continue;
                }
                BoundedWorker::Result one; // page by page, so that only a page past a bound itself is refused
                if (!parse(texts, i, i + 1, &one)) {
                    fail(texts.at(i).index, one);
                    cancelled = one.outcome == BoundedWorker::Cancelled;
                    if (cancelled)
                        result = one;
                }
            }
        }
        if (progress && !cancelled && !progress(next))
            cancelled = true;
    }
}
