#pragma once

#include <cstddef>

// The single-byte encodings that browsers read, each as the characters that
// its bytes 0x80 to 0xFF stand for (the bytes below 0x80 are ASCII); 0 where
// a byte stands for none. SingleByteIndexes.cpp is generated from the
// Encoding Standard's index files by scripts/gen-single-byte.mjs; the tables
// are read through SingleByteEncodings.
namespace SingleByteIndexes {

struct Index {
    const char *name; // canonical, as PageEncoding names encodings
    char16_t characters[128];
};

extern const Index kIndexes[];
extern const std::size_t kCount;

} // namespace SingleByteIndexes
