#pragma once

#include <QtGlobal>

#include <cstddef>
#include <cstdint>

struct GumboInternalOptions;

// Gumbo's memory in a page reader's worker: one region reserved at once,
// with huge pages where the system gives them, cut into slabs of one block
// size each, and given back as a whole (the worker ends instead, or rewinds
// the arena for its next page). In a fresh child every page it touches is a
// fault and is cleared by the kernel, which costs as much as the parse
// itself; so a block gumbo frees (its growing texts and lists leave millions)
// is taken again by the next block of its size, and the region touched is
// about what the parse holds at its peak. The region's end is the parse's
// memory bound, exact in every build (also under AddressSanitizer). Gumbo
// checks no allocation: past the end the worker ends as out of memory.
class ParseArena {
public:
    explicit ParseArena(qint64 bytes);
    ParseArena(const ParseArena &) = delete;
    ParseArena &operator=(const ParseArena &) = delete;

    // The arena a worker that serves many requests (WarmWorker) keeps from
    // one to the next, so that its pages stay in place; reserved anew when a
    // request's bound differs from the last one's.
    static ParseArena &kept(qint64 bytes);

    // A block of at least `size` bytes, aligned to 8.
    void *take(size_t size);
    // Block `p` (from take()) is free for the next block of its size.
    void give(void *p);
    // Everything taken is free again (the trees made from it are dropped).
    void rewind();
    // Rewinds, and gives the pages past the first `warm` bytes back to the
    // system, so that one large page's peak does not stay with the worker.
    void settle(qint64 warm);

    // Makes gumbo take its memory from this arena and give it back to it.
    void serve(GumboInternalOptions *options);

private:
    static constexpr int kSlabShift = 16; // slabs of 64 KiB
    static constexpr size_t kSlab = size_t(1) << kSlabShift;
    static constexpr size_t kGrain = 8;
    static constexpr size_t kSmall = 2048; // up to here sizes go by kGrain, above by powers of two
    static constexpr int kSmallClasses = int(kSmall / kGrain) + 1;
    static constexpr int kClasses = kSmallClasses + 40; // up to 4 PiB

    // Blocks of one size: those given back, and the rest of the last slab cut for them.
    struct SizeClass {
        void *free = nullptr;
        char *next = nullptr;
        char *end = nullptr;
    };

    void reserve(qint64 bytes);
    static int classOf(size_t size);
    static size_t sizeOf(int sizeClass);
    void *carve(int sizeClass);

    char *m_region = nullptr; // the mapping: the slabs' table, then the slabs
    size_t m_regionBytes = 0;
    qint64 m_bytes = 0;                   // the bound: the slabs' bytes
    std::uint16_t *m_slabClass = nullptr; // per slab: the class of its blocks
    char *m_start = nullptr;              // the first slab
    char *m_next = nullptr;               // the first slab not yet cut
    char *m_end = nullptr;
    char *m_touched = nullptr; // the end of what any parse has taken since the last settle
    SizeClass m_classes[kClasses];
};
