// Message identifiers of the form the gateway logs, "{" 8 "-" 4 "-" 4 "-" 4
// "-" 12 "}" hex digits, read as two numbers: the 32 digits in order, the
// first one highest. Two such identifiers are equal without regard to letter
// case exactly when their numbers are, and ordered as their texts with A-Z
// lowered are, so pairing and sorting can work on the numbers alone.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace varnel::text {

struct PackedIdentifier {
    uint64_t high = 0;      // digits 1 to 16
    uint64_t low = 0;       // digits 17 to 32
    bool hasUpper = false;  // some letter digit is one of A-F
    bool hasLower = false;  // some letter digit is one of a-f
};

inline constexpr std::size_t packedIdentifierSize = 38;

// The identifier's numbers, or none when text has not the logged form.
std::optional<PackedIdentifier> packIdentifier(std::string_view text);

// The identifier of those numbers in the logged form, its letters A-F when
// upper, else a-f.
std::array<char, packedIdentifierSize> spellIdentifier(uint64_t high, uint64_t low, bool upper);

}  // namespace varnel::text
