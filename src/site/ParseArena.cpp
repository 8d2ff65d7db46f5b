#include "site/ParseArena.h"

#include "platform/BoundedWorker.h"

#include <gumbo.h>

#include <algorithm>
#include <optional>
#include <sys/mman.h>

ParseArena::ParseArena(qint64 bytes)
{
    reserve(bytes);
}

void ParseArena::reserve(qint64 bytes)
{
    void *p = ::mmap(nullptr, size_t(bytes), PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (p == MAP_FAILED)
        BoundedWorker::outOfMemory();
    ::madvise(p, size_t(bytes), MADV_HUGEPAGE); // only advice
    m_start = m_next = m_touched = static_cast<char *>(p);
    m_end = m_start + bytes;
}

ParseArena &ParseArena::kept(qint64 bytes)
{
    static std::optional<ParseArena> arena;
    if (arena && arena->m_end - arena->m_start != bytes) {
        ::munmap(arena->m_start, size_t(arena->m_end - arena->m_start));
        arena->reserve(bytes);
    }
    if (!arena)
        arena.emplace(bytes);
    return *arena;
}

void *ParseArena::take(size_t size)
{
    size = (size + 15) & ~size_t(15);
    if (size > size_t(m_end - m_next))
        BoundedWorker::outOfMemory();
    void *p = m_next;
    m_next += size;
    return p;
}

void ParseArena::rewind()
{
    m_touched = std::max(m_touched, m_next);
    m_next = m_start;
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
    options->deallocator = [](void *, void *) {};
}
