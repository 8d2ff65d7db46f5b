#pragma once

#include <cstddef>

// Advice for large blocks of fresh memory that are filled and read through
// (a whole project file, the spans of its items). Walking memory costs one
// address translation per page; under some virtual machines the first use
// of each 4 KiB page costs more than copying it, so such blocks ask for
// 2 MiB pages where the system offers them. Only advice: any part the
// system declines stays ordinary memory. Blocks under 2 MiB are left alone.
namespace FreshMemory {

// Large pages for the block as it is touched.
void preferLargePages(void *at, std::size_t size);

// Large pages, and every page of the block set up at once (in one call
// rather than one fault each): for a block about to be filled whole.
void prepare(void *at, std::size_t size);

// For a command that builds large structures once and ends: the heap that
// malloc serves small blocks from grows in large steps on 2 MiB pages, blocks
// up to 32 MiB come from it, and it is never trimmed. Children forked later
// inherit it.
void largePagesForHeap();

} // namespace FreshMemory
