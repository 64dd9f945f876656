// Letter case of ASCII text, as logs and identifiers are compared: only A-Z
// and a-z change case, every other byte stays as it is.
#pragma once

#include <cstdint>
#include <string_view>

namespace varnel::text {

inline constexpr char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

inline constexpr char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Eight bytes with A-Z lowered all at once, every other byte as it is: for
// identifiers, whose letters and digits mix at random, which a branch per
// byte would mispredict half the time.
inline constexpr uint64_t asciiLowerWord(uint64_t word) {
    constexpr uint64_t ones = 0x0101010101010101ull;
    constexpr uint64_t highBits = 0x80 * ones;
    const uint64_t low7 = word & ~highBits;
    const uint64_t fromA = low7 + (0x80 - 'A') * ones;      // high bit where the byte is 'A' or above
    const uint64_t pastZ = low7 + (0x80 - 'Z' - 1) * ones;  // high bit where it is above 'Z'
    return word | ((fromA & ~pastZ & ~word & highBits) >> 2);
}
static_assert(asciiLowerWord(0x4041'5A5B'617A'C1DAull) == 0x4061'7A5B'617A'C1DAull);

// True when text equals upper (written in capitals) ignoring letter case.
inline constexpr bool equalsIgnoringAsciiCase(std::string_view text, std::string_view upper) {
    if (text.size() != upper.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (asciiUpper(text[i]) != upper[i]) return false;
    return true;
}

}  // namespace varnel::text
