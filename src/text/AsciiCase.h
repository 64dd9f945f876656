// Letter case of ASCII text, as logs and identifiers are compared: only A-Z
// and a-z change case, every other byte stays as it is.
#pragma once

#include <string_view>

namespace varnel::text {

inline constexpr char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

inline constexpr char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// True when text equals upper (written in capitals) ignoring letter case.
inline constexpr bool equalsIgnoringAsciiCase(std::string_view text, std::string_view upper) {
    if (text.size() != upper.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (asciiUpper(text[i]) != upper[i]) return false;
    return true;
}

}  // namespace varnel::text
