#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Copies n bytes that do not overlap, inline for the short pieces generated
// code is made of (a tag, an address, an item's text). A call to the C
// library's copy for each such piece costs more than the copy itself; on
// processors where the library takes its 512-bit path, the mix of those
// calls with ordinary code costs the export about twice its processor time.
// Each move below has a constant size, which the compiler turns into plain
// loads and stores; longer pieces go to the library.
inline void copyShort(char *to, const char *from, std::size_t n)
{
    struct Block16 {
        unsigned char b[16];
    };
    const auto move = [&]<typename T>(T, std::size_t at) {
        T v;
        std::memcpy(&v, from + at, sizeof v);
        std::memcpy(to + at, &v, sizeof v);
    };
    if (n >= 16) {
        if (n > 256) {
            std::memcpy(to, from, n);
            return;
        }
        // Sixteen at a time, the last sixteen overlapping what came before.
        for (std::size_t at = 0; at + 16 < n; at += 16)
            move(Block16{}, at);
        move(Block16{}, n - 16);
    } else if (n >= 8) {
        move(std::uint64_t{}, 0);
        move(std::uint64_t{}, n - 8);
    } else if (n >= 4) {
        move(std::uint32_t{}, 0);
        move(std::uint32_t{}, n - 4);
    } else if (n > 0) {
        to[0] = from[0];
        to[n / 2] = from[n / 2];
        to[n - 1] = from[n - 1];
    }
}
