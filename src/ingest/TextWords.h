// Bytes of text read as one machine word, the first byte lowest, for the
// scans and compares that take several bytes of a log line at a time.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace varnel::ingest {

static_assert(std::endian::native == std::endian::little, "the first byte of a text word must be its lowest");

template <typename Word>
inline Word loadWord(const char* p) {
    Word word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// The n bytes of a text of one to eight bytes as one word, the rest 0,
// without reading a byte outside them: two overlapping reads, or three
// single bytes.
inline uint64_t shortTextWord(const char* p, std::size_t n) {
    if (n >= 4) return loadWord<uint32_t>(p) | uint64_t{loadWord<uint32_t>(p + n - 4)} << (8 * (n - 4));
    const auto byte = [p](std::size_t i) { return uint64_t{static_cast<unsigned char>(p[i])} << (8 * i); };
    return byte(0) | byte(n / 2) | byte(n - 1);
}

}  // namespace varnel::ingest
