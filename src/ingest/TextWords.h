// Bytes of text read as one machine word, the first byte lowest, for the
// scans and compares that take several bytes of a log line at a time.
#pragma once

#include <bit>
#include <cstring>

namespace varnel::ingest {

static_assert(std::endian::native == std::endian::little, "the first byte of a text word must be its lowest");

template <typename Word>
inline Word loadWord(const char* p) {
    Word word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

}  // namespace varnel::ingest
