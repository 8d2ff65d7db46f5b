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

    void *take(size_t size);
    // Everything taken is free again (the trees made from it are dropped).
    void rewind() { m_next = m_start; }

    // Makes gumbo take its memory from this arena, and free nothing.
    void serve(GumboInternalOptions *options);

private:
    char *m_start = nullptr;
    char *m_next = nullptr;
    char *m_end = nullptr;
};
