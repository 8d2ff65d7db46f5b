#pragma once

#include "site/PageReadBounds.h"
#include "site/PageWire.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

struct GumboInternalOutput;
class ParseArena;

// Pages read by one worker at most: by count and by bytes of text.
struct PageBatch {
    int pages = 256;
    qint64 bytes = 16LL << 20;
};

// The one way the user's pages are read, for the import (PageSelects),
// publishing (PageMarkScan) and the site reader (PageFactsReader):
// 1. load and decode, here: the page's bytes become UTF-8 text as a browser
//    decodes them (PageEncoding); the codecs hold locks a forked worker
//    cannot take; when the parser then meets a <meta> that declares another
//    encoding than the one the page was tentatively read in, the page is
//    decoded again in that one and parsed once more, as a browser changes
//    the encoding (PageEncoding::changedEncoding);
// 2. batch: many pages go to one worker, up to a count and a size;
// 3. parse in the worker (PageReadBounds, BoundedWorker), where the HTML
//    parser takes its memory from an arena (ParseArena); what a reader wants
//    of a parsed page (its record) is extracted there and comes back on the
//    wire (PageWire), one frame a page;
// 4. retry: a batch past a bound is read again page by page, so that only a
//    page that is itself too much is refused.
// The parser's cost grows with hostile markup (quadratically with the depth
// of unclosed elements), which is why it never runs in the program itself.
class PageReader {
public:
    // The largest page that is read.
    static constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;

    using Batch = PageBatch;

    // A page's bytes as UTF-8, as a browser decodes them; bytes that read as
    // valid UTF-8 are kept as they are (without a byte order mark). False,
    // with the reason as a sentence, when the encoding cannot be read here.
    // `encoding` and `bom` get the encoding's name and the mark's length.
    // With `as`, the bytes are decoded in that encoding instead.
    static bool decode(const QByteArray &bytes, QByteArray *utf8, QString *error,
                       QByteArray *encoding = nullptr, qsizetype *bom = nullptr, QByteArrayView as = {});

    // A page as the parser gets it: its text, and what reads it again when
    // the parser meets a <meta> that changes its encoding.
    struct Source {
        QByteArray utf8;
        QByteArray bytes;    // the page's bytes; empty: the text is never read again
        QByteArray encoding; // the one the text was decoded from
        qsizetype bom = 0;
    };
    static bool decode(const QByteArray &bytes, Source *source, QString *error);
    // A file (at most maxBytes) read and decoded; false with the reason, a
    // sentence beginning with "It" (RegularFile::problem).
    static bool load(const QString &path, qint64 maxBytes, Source *source, QString *error);

    // The HTML parser as an extractor gets it. A parse's tree lives until the
    // next parse, or until the extractor has returned.
    class Parser {
    public:
        Parser(const Parser &) = delete;
        Parser &operator=(const Parser &) = delete;
        ~Parser();
        // Parses the first `length` bytes of `utf8` (all of them when -1).
        const GumboInternalOutput *parse(const QByteArray &utf8, qsizetype length = -1);

    private:
        friend class PageReader;
        explicit Parser(ParseArena *arena) : m_arena(arena) {}
        void release();
        // The encoding that the first <meta> of the text declares (read
        // from the last parse, or from one up to its last "<meta" when that
        // parse stopped short); empty when none declares a known one.
        QByteArray declaredEncoding(const QByteArray &utf8);

        ParseArena *m_arena;
        GumboInternalOutput *m_output = nullptr;
        qsizetype m_parsed = 0; // the bytes of text the last parse read
    };

    // What one page gave: its record, or why it gave none.
    template <class Record> struct Page {
        bool ok = false;
        Record record{};
        QByteArray encoding;    // the one its text was read in (its source's, unless a <meta> changed it)
        QString error;          // when not ok: why, as a sentence ("It is too complex to read: ...")
        bool cancelled = false; // not ok because the reading was cancelled
    };

    // Loads page `index` here; false with the reason leaves it out.
    using Load = std::function<bool(qsizetype index, Source *source, QString *error)>;
    // Called after each batch with the count of pages done; false cancels.
    using Progress = std::function<bool(qsizetype done)>;
    template <class Record> using Extract = std::function<Record(const QByteArray &utf8, Parser &parser)>;

    // Reads `count` pages, in order: each is loaded by `load`, parsed in a
    // worker as `bounds` say and its record made by `extract` (in the
    // worker). After a cancel (bounds.keepGoing or `progress`) the pages not
    // read get the reason "Reading it was cancelled.".
    template <class Record>
    static QList<Page<Record>> read(qsizetype count, const Load &load, const Extract<Record> &extract,
                                    const PageReadBounds &bounds, const Batch &batch = {},
                                    const Progress &progress = {});

private:
    struct Answer {
        bool ok = false;
        QByteArrayView frame; // ok: the page's record on the wire
        QByteArray encoding;
        QString error;
        bool cancelled = false;
    };
    using Append = std::function<void(const QByteArray &utf8, Parser &parser, QByteArray *wire)>;
    // The same as a plain function and the extractor it calls, for a worker
    // kept warm (WarmWorker), which is handed their addresses: it is a fork
    // of this program. Empty when the extractor is not a plain function.
    struct PlainAppend {
        void (*via)(quintptr extract, const QByteArray &utf8, Parser &parser, QByteArray *wire) = nullptr;
        quintptr extract = 0;
    };
    template <class Record>
    static void appendVia(quintptr extract, const QByteArray &utf8, Parser &parser, QByteArray *wire)
    {
        PageWire::append(wire,
                         reinterpret_cast<Record (*)(const QByteArray &, Parser &)>(extract)(utf8, parser));
    }
    // Reads one text with `parser`: its record, then the encoding its first
    // <meta> declares (empty when it is not tentative).
    template <class AppendRecord>
    static void readText(const QByteArray &utf8, bool tentative, Parser &parser, QByteArray *wire,
                         const AppendRecord &append);
    // In the warm worker: reads the texts of a request made by run().
    static QByteArray serveWarm(const QByteArray &request);
    // The untyped pipeline: each page's answer goes to `deliver` as soon as its batch is read.
    static void run(qsizetype count, const Load &load, const Append &append, const PlainAppend &plain,
                    const PageReadBounds &bounds, const Batch &batch, const Progress &progress,
                    const std::function<void(qsizetype index, const Answer &answer)> &deliver);
    // "Its reader failed (its answer was incomplete or damaged)."
    static QString damagedText();
};

template <class Record>
QList<PageReader::Page<Record>> PageReader::read(qsizetype count, const Load &load,
                                                 const Extract<Record> &extract, const PageReadBounds &bounds,
                                                 const Batch &batch, const Progress &progress)
{
    QList<Page<Record>> pages(count);
    PlainAppend plain;
    if (const auto *function = extract.template target<Record (*)(const QByteArray &, Parser &)>())
        plain = {&appendVia<Record>, reinterpret_cast<quintptr>(*function)};
    run(
        count, load,
        [&extract](const QByteArray &utf8, Parser &parser, QByteArray *wire) {
            PageWire::append(wire, extract(utf8, parser));
        },
        plain, bounds, batch, progress,
        [&pages](qsizetype index, const Answer &answer) {
            Page<Record> &page = pages[index];
            page.encoding = answer.encoding;
            page.error = answer.error;
            page.cancelled = answer.cancelled;
            if (!answer.ok)
                return;
            page.ok = PageWire::decode(answer.frame, &page.record);
            if (!page.ok)
                page.error = damagedText();
        });
    return pages;
}
