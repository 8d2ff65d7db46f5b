#pragma once

#include <QtGlobal>

#include <cstddef>

struct GumboInternalOptions;

// Gumbo's memory in a page reader's worker: one region reserved at once,
// with huge pages where the system gives them, handed out in order and
// never given back one by one (the worker ends instead, or rewinds the
// arena for its next page). In a fresh child every page it touches is a
// fault, and with 4 KiB pages those faults cost as much as the parse itself;
// the region's end is the parse's memory bound, exact in every build (also
// under AddressSanitizer). Gumbo checks no allocation: past the end the
// worker ends as out of memory.
class ParseArena {
public:
    explicit ParseArena(qint64 bytes);
    ParseArena(const ParseArena &) = delete;
    ParseArena &operator=(const ParseArena &) = delete;

    // The arena a worker that serves many requests (WarmWorker) keeps from
    // one to the next, so that its pages stay in place; reserved anew when a
    // request's bound differs from the last one's.
    static ParseArena &kept(qint64 bytes);

    void *take(size_t size);
    // Everything taken is free again (the trees made from it are dropped).
    void rewind();
    // Rewinds, and gives the pages past the first `warm` bytes back to the
    // system, so that one large page's peak does not stay with the worker.
    void settle(qint64 warm);

    // Makes gumbo take its memory from this arena, and free nothing.
    void serve(GumboInternalOptions *options);

private:
    void reserve(qint64 bytes);

    char *m_start = nullptr;
    char *m_next = nullptr;
    char *m_end = nullptr;
    char *m_touched = nullptr; // the end of what any parse has taken since the last settle
};
