#include "platform/FreshMemory.h"

#include <cstdint>
#include <cstdlib>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

namespace FreshMemory {

namespace {
constexpr std::uintptr_t kLarge = std::uintptr_t(2) << 20;

// The whole pages of `align` bytes within the block (its ends may share
// their pages with other data); false when there is none.
bool inner(void *at, std::size_t size, std::uintptr_t align, void **from, std::size_t *length)
{
    const auto begin = reinterpret_cast<std::uintptr_t>(at);
    const std::uintptr_t first = (begin + align - 1) & ~(align - 1);
    const std::uintptr_t end = (begin + size) & ~(align - 1);
    if (end <= first)
        return false;
    *from = reinterpret_cast<void *>(first);
    *length = end - first;
    return true;
}
} // namespace

void preferLargePages(void *at, std::size_t size)
{
#if defined(MADV_HUGEPAGE)
    void *from = nullptr;
    std::size_t length = 0;
    if (size >= kLarge && inner(at, size, kLarge, &from, &length))
        ::madvise(from, length, MADV_HUGEPAGE);
#else
    (void)at;
    (void)size;
#endif
}

void prepare(void *at, std::size_t size)
{
    if (size < kLarge)
        return;
    preferLargePages(at, size);
#if defined(MADV_POPULATE_WRITE)
    static const auto page = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    void *from = nullptr;
    std::size_t length = 0;
    if (inner(at, size, page, &from, &length))
        ::madvise(from, length, MADV_POPULATE_WRITE);
#endif
}

void largePagesForHeap()
{
#if defined(MADV_HUGEPAGE)
    constexpr std::size_t kStep = std::size_t(256) << 20;
    ::mallopt(M_MMAP_THRESHOLD, 32 << 20);
    ::mallopt(M_TRIM_THRESHOLD, int(2 * kStep));
    ::mallopt(M_TOP_PAD, int(kStep));
    char *before = static_cast<char *>(::sbrk(0));
    void *volatile grown = std::malloc(1 << 20); // the heap grows by a step (volatile: kept)
    std::free(grown);
    char *after = static_cast<char *>(::sbrk(0));
    if (before != reinterpret_cast<char *>(-1) && after > before)
        preferLargePages(before, std::size_t(after - before));
#endif
}

} // namespace FreshMemory
