#include "ingest/LeadingNumber.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "ingest/TextWords.h"

namespace varnel::ingest {

namespace {

bool isDigit(char c) { return static_cast<unsigned char>(c - '0') < 10; }

constexpr uint64_t zeros = 0x3030303030303030;  // eight '0' characters

// A field of one to eight digits and nothing else, the most common number in
// a log, converted a word at a time: the field becomes the last digits of an
// eight-digit text led by '0's, whose bytes are checked together and
// combined in three multiplies.
std::optional<double> eightDigits(std::string_view field) {
    const std::size_t n = field.size();
    if (n - 1 >= 8) return std::nullopt;
    // The leading '0's are shifted in two steps: one shift by 64 is undefined.
    const uint64_t digits = shortTextWord(field.data(), n) << (8 * (8 - n)) | zeros >> (8 * n - 1) >> 1;
    // Every byte's upper half is 3, also after adding 6 (so at most '9'); a
    // byte that carries into the next fails the check itself.
    constexpr uint64_t upper = 0xF0F0F0F0F0F0F0F0;
    if (((digits & upper) | ((digits + 0x0606060606060606) & upper) >> 4) != 0x3333333333333333) return std::nullopt;
    uint64_t v = digits - zeros;                                  // a digit in each byte
    v = v * 10 + (v >> 8);                                        // two-digit numbers in every other byte
    v = ((v & 0x000000FF000000FF) * (100 + (1000000ULL << 32)) +  // and on to all eight
         ((v >> 16) & 0x000000FF000000FF) * (1 + (10000ULL << 32))) >>
        32;
    return static_cast<double>(v);
}

// Digits with one decimal point, read on from p and converted from start
// (its sign included). The point is always ".", whatever the locale says:
// from_chars reads numbers as the C locale does, where strtod would stop at
// the point under a locale that writes decimals with a comma. Kept apart so
// that the common case needs no stack frame.
[[gnu::noinline]] double generalNumber(const char* start, const char* p, const char* end) {
    bool point = false;
    while (p != end && (isDigit(*p) || (*p == '.' && !point))) {
        if (*p == '.') point = true;
        ++p;
    }
    if (start != p && *start == '+') ++start;  // from_chars takes no plus sign
    double value = 0;
    const std::errc outcome = std::from_chars(start, p, value, std::chars_format::fixed).ec;
    // A number beyond a double's range reads as strtod gives it (infinite
    // or the nearest tiny value); nothing to convert, a sign or a point
    // alone, reads as 0.
    if (outcome == std::errc::result_out_of_range) return std::strtod(std::string(start, p).c_str(), nullptr);
    if (outcome != std::errc()) return 0;
    return value;
}

}  // namespace

double leadingNumber(std::string_view field) {
    if (const auto digits = eightDigits(field)) return *digits;
    const char* p = field.data();
    const char* const end = p + field.size();
    while (p != end && (*p == ' ' || *p == '\t')) ++p;
    const char* const start = p;
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '+' || *p == '-')) ++p;

    // Fast path: plain integers of up to 18 digits, the common case in a log.
    const char* const fastEnd = p + std::min<std::ptrdiff_t>(end - p, 18);
    uint64_t whole = 0;
    while (p != fastEnd && isDigit(*p)) {
        whole = whole * 10 + static_cast<uint64_t>(*p - '0');
        ++p;
    }
    if (p == end || (*p != '.' && !isDigit(*p))) {
        const double value = static_cast<double>(whole);
        return negative ? -value : value;
    }
    return generalNumber(start, p, end);
}

}  // namespace varnel::ingest
