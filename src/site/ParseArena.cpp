#include "site/ParseArena.h"

#include "platform/BoundedWorker.h"

#include <gumbo.h>

#include <sys/mman.h>

ParseArena::ParseArena(qint64 bytes)
{
    void *p = ::mmap(nullptr, size_t(bytes), PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (p == MAP_FAILED)
        BoundedWorker::outOfMemory();
    ::madvise(p, size_t(bytes), MADV_HUGEPAGE); // only advice
    m_start = m_next = static_cast<char *>(p);
    m_end = m_start + bytes;
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

void ParseArena::serve(GumboInternalOptions *options)
{
    options->userdata = this;
    options->allocator = [](void *arena, size_t size) {
        return static_cast<ParseArena *>(arena)->take(size);
    };
    options->deallocator = [](void *, void *) {};
}
