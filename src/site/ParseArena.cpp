#include "site/ParseArena.h"

#include "platform/BoundedWorker.h"

#include <gumbo.h>

#include <algorithm>
#include <bit>
#include <optional>
#include <sys/mman.h>

ParseArena::ParseArena(qint64 bytes)
{
    reserve(bytes);
}

void ParseArena::reserve(qint64 bytes)
{
    // The table of the slabs' classes, then the slabs from a slab's boundary on.
    const size_t slabs = (size_t(bytes) + kSlab - 1) / kSlab;
    const size_t table = (slabs * sizeof(std::uint16_t) + kSlab - 1) / kSlab * kSlab;
    m_regionBytes = table + slabs * kSlab + kSlab;
    void *p = ::mmap(nullptr, m_regionBytes, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (p == MAP_FAILED)
        BoundedWorker::outOfMemory();
    ::madvise(p, m_regionBytes, MADV_HUGEPAGE); // only advice
    m_region = static_cast<char *>(p);
    m_slabClass = reinterpret_cast<std::uint16_t *>(m_region);
    const auto aligned =
        (reinterpret_cast<std::uintptr_t>(m_region) + table + kSlab - 1) & ~std::uintptr_t(kSlab - 1);
    m_start = m_next = m_touched = reinterpret_cast<char *>(aligned);
    m_end = m_start + bytes;
    m_bytes = bytes;
    std::fill(std::begin(m_classes), std::end(m_classes), SizeClass());
}

ParseArena &ParseArena::kept(qint64 bytes)
{
    static std::optional<ParseArena> arena;
    if (arena && arena->m_bytes != bytes) {
        ::munmap(arena->m_region, arena->m_regionBytes);
        arena->reserve(bytes);
    }
    if (!arena)
        arena.emplace(bytes);
    return *arena;
}

int ParseArena::classOf(size_t size)
{
    if (size <= kSmall)
        return int(std::max<size_t>((size + kGrain - 1) / kGrain, 1));
    // 4 KiB and up: the power of two that holds it.
    return kSmallClasses + int(std::bit_width(size - 1)) - std::countr_zero(2 * kSmall);
}

size_t ParseArena::sizeOf(int sizeClass)
{
    return sizeClass < kSmallClasses ? size_t(sizeClass) * kGrain : 2 * kSmall << (sizeClass - kSmallClasses);
}

void *ParseArena::take(size_t size)
{
    if (size > size_t(m_bytes))
        BoundedWorker::outOfMemory();
    const int c = classOf(size);
    SizeClass &k = m_classes[c];
    if (void *p = k.free) {
        k.free = *static_cast<void **>(p);
        return p;
    }
    const size_t blockSize = sizeOf(c);
    if (blockSize > size_t(k.end - k.next))
        return carve(c);
    void *p = k.next;
    k.next += blockSize;
    return p;
}

// A block of class `sizeClass` from fresh slabs: one slab cut into blocks of
// that size, or as many whole slabs as a larger block takes.
void *ParseArena::carve(int sizeClass)
{
    const size_t blockSize = sizeOf(sizeClass);
    const size_t bytes = std::max(blockSize, kSlab);
    if (bytes > size_t(m_end - m_next))
        BoundedWorker::outOfMemory();
    char *slab = m_next;
    m_next += bytes;
    m_slabClass[size_t(slab - m_start) >> kSlabShift] = std::uint16_t(sizeClass);
    SizeClass &k = m_classes[sizeClass];
    if (blockSize < kSlab)
        k.next = slab + blockSize, k.end = slab + kSlab;
    return slab;
}

void ParseArena::give(void *p)
{
    char *block = static_cast<char *>(p);
    if (block < m_start || block >= m_next)
        return; // not from this arena's current parse
    SizeClass &k = m_classes[m_slabClass[size_t(block - m_start) >> kSlabShift]];
    *static_cast<void **>(p) = k.free;
    k.free = p;
}

void ParseArena::rewind()
{
    m_touched = std::max(m_touched, m_next);
    m_next = m_start;
    std::fill(std::begin(m_classes), std::end(m_classes), SizeClass());
}

void ParseArena::settle(qint64 warm)
{
    rewind();
    constexpr qint64 kHugePage = 2 << 20;
    char *keep = m_start + std::min((warm + kHugePage - 1) / kHugePage * kHugePage, qint64(m_end - m_start));
    if (m_touched > keep)
        ::madvise(keep, size_t(m_touched - keep), MADV_DONTNEED);
    m_touched = std::min(m_touched, keep);
}

void ParseArena::serve(GumboInternalOptions *options)
{
    options->userdata = this;
    options->allocator = [](void *arena, size_t size) {
        return static_cast<ParseArena *>(arena)->take(size);
    };
    options->deallocator = [](void *arena, void *p) { static_cast<ParseArena *>(arena)->give(p); };
}
