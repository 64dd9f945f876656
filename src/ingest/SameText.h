// Equality of short texts of a log line, such as its time stamp, without a
// call into the library, which costs more than the compare itself for texts
// this short.
#pragma once

#include <cstdint>
#include <string_view>

#include "ingest/TextWords.h"

namespace varnel::ingest {

// Compares in eight- or four-byte words, the last word overlapping the one
// before it, so that no text needs a byte-by-byte tail.
inline bool sameText(std::string_view a, std::string_view b) {
    const std::size_t n = a.size();
    if (n != b.size()) return false;
    const char* x = a.data();
    const char* y = b.data();
    if (n >= 8) {
        for (std::size_t i = 0; i + 8 < n; i += 8)
            if (loadWord<uint64_t>(x + i) != loadWord<uint64_t>(y + i)) return false;
        return loadWord<uint64_t>(x + n - 8) == loadWord<uint64_t>(y + n - 8);
    }
    if (n >= 4)
        return loadWord<uint32_t>(x) == loadWord<uint32_t>(y) &&
               loadWord<uint32_t>(x + n - 4) == loadWord<uint32_t>(y + n - 4);
    for (std::size_t i = 0; i < n; ++i)
        if (x[i] != y[i]) return false;
    return true;
}

}  // namespace varnel::ingest
