#include "text/PackedIdentifier.h"

#include <bit>
#include <cstring>

namespace varnel::text {

namespace {

static_assert(std::endian::native == std::endian::little,
              "the digits are read eight bytes at a time, first byte lowest");

// An identifier is read eight digits at a time: its digits mix letters and
// numbers at random, which a branch per byte would mispredict half the time.
constexpr uint64_t ones = 0x0101010101010101ull;
constexpr uint64_t highBits = 0x80 * ones;

// The high bit of each byte of word (every byte below 0x80) that lies in
// [first, last]; the additions never carry into the next byte.
constexpr uint64_t bytesWithin(uint64_t word, char first, char last) {
    const uint64_t fromFirst = word + (0x80 - static_cast<uint64_t>(first)) * ones;
    const uint64_t pastLast = word + (0x80 - static_cast<uint64_t>(last) - 1) * ones;
    return fromFirst & ~pastLast & highBits;
}

// The value of eight hex digits of word (every byte below 0x80), the first
// byte the highest digit; bytes that are not hex digits give a value of no
// meaning, which the caller finds by hexBytes().
constexpr uint32_t eightDigitsValue(uint64_t word) {
    // Each byte's digit value: its low four bits, plus nine for a letter
    // (the bytes with bit 0x40 among hex digits).
    uint64_t digits = (word & (0x0f * ones)) + (word >> 6 & ones) * 9;
    // Two digits to a byte, then four to a half word, then eight.
    digits = (digits << 4 | digits >> 8) & 0x00ff00ff00ff00ffull;
    digits = (digits << 8 | digits >> 16) & 0x0000ffff0000ffffull;
    return static_cast<uint32_t>(digits << 16 | digits >> 32);
}
static_assert(eightDigitsValue(0x3736353433323130ull) == 0x01234567u);  // "01234567"
static_assert(eightDigitsValue(0x3938666564434241ull) == 0xABCDEF89u);  // "ABCdef89"

// The high bit of each byte of word that is a hex digit, 0-9, A-F or a-f.
constexpr uint64_t hexBytes(uint64_t word) {
    const uint64_t folded = word | 0x20 * ones;  // A-F onto a-f, and no other byte
    return bytesWithin(word, '0', '9') | bytesWithin(folded, 'a', 'f');
}

// Eight digits of value as text, the highest digit in the first byte.
constexpr uint64_t eightDigitsText(uint32_t value, bool upper) {
    // Four digits to a half word, then two to a byte, then one.
    uint64_t digits = uint64_t{value >> 16} | uint64_t{value & 0xffff} << 32;
    digits = (digits >> 8 & 0x000000ff000000ffull) | (digits & 0x000000ff000000ffull) << 16;
    digits = (digits >> 4 & 0x000f000f000f000full) | (digits & 0x000f000f000f000full) << 8;
    const uint64_t letters = (digits + 0x76 * ones) >> 7 & ones;  // 1 where the digit is 10 or more
    return digits + '0' * ones + letters * static_cast<uint64_t>((upper ? 'A' : 'a') - '0' - 10);
}
static_assert(eightDigitsText(0x01234567u, false) == 0x3736353433323130ull);  // "01234567"
static_assert(eightDigitsText(0xABCDEF89u, true) == 0x3938464544434241ull);   // "ABCDEF89"

uint64_t eightBytesAt(const char* at) {
    uint64_t word;
    std::memcpy(&word, at, 8);
    return word;
}

// Four bytes at first, then four at second.
uint64_t twoFoursAt(const char* first, const char* second) {
    uint32_t low;
    uint32_t high;
    std::memcpy(&low, first, 4);
    std::memcpy(&high, second, 4);
    return uint64_t{high} << 32 | low;
}

}  // namespace

std::optional<PackedIdentifier> packIdentifier(std::string_view text) {
    if (text.size() != packedIdentifierSize) return std::nullopt;
    const char* t = text.data();
    if (t[0] != '{' || t[37] != '}' || t[9] != '-' || t[14] != '-' || t[19] != '-' || t[24] != '-') return std::nullopt;
    const uint64_t w0 = eightBytesAt(t + 1);
    const uint64_t w1 = twoFoursAt(t + 10, t + 15);
    const uint64_t w2 = twoFoursAt(t + 20, t + 25);
    const uint64_t w3 = eightBytesAt(t + 29);
    if ((w0 | w1 | w2 | w3) & highBits) return std::nullopt;
    if ((hexBytes(w0) & hexBytes(w1) & hexBytes(w2) & hexBytes(w3)) != highBits) return std::nullopt;
    // Among hex digits, the letters have bit 0x40 and the capitals lack 0x20:
    // shifted onto the high bits, each byte's 0x40 and 0x20 bits.
    const auto capitals = [](uint64_t w) { return w << 1 & ~(w << 2) & highBits; };
    const auto smalls = [](uint64_t w) { return w << 1 & w << 2 & highBits; };
    PackedIdentifier packed;
    packed.high = uint64_t{eightDigitsValue(w0)} << 32 | eightDigitsValue(w1);
    packed.low = uint64_t{eightDigitsValue(w2)} << 32 | eightDigitsValue(w3);
    packed.hasUpper = (capitals(w0) | capitals(w1) | capitals(w2) | capitals(w3)) != 0;
    packed.hasLower = (smalls(w0) | smalls(w1) | smalls(w2) | smalls(w3)) != 0;
    return packed;
}

std::array<char, packedIdentifierSize> spellIdentifier(uint64_t high, uint64_t low, bool upper) {
    const uint64_t words[4] = {
        eightDigitsText(static_cast<uint32_t>(high >> 32), upper), eightDigitsText(static_cast<uint32_t>(high), upper),
        eightDigitsText(static_cast<uint32_t>(low >> 32), upper), eightDigitsText(static_cast<uint32_t>(low), upper)};
    std::array<char, packedIdentifierSize> text;
    char* t = text.data();
    t[0] = '{';
    std::memcpy(t + 1, &words[0], 8);
    t[9] = '-';
    std::memcpy(t + 10, &words[1], 4);
    t[14] = '-';
    std::memcpy(t + 15, reinterpret_cast<const char*>(&words[1]) + 4, 4);
    t[19] = '-';
    std::memcpy(t + 20, &words[2], 4);
    t[24] = '-';
    std::memcpy(t + 25, reinterpret_cast<const char*>(&words[2]) + 4, 4);
    std::memcpy(t + 29, &words[3], 8);
    t[37] = '}';
    return text;
}

}  // namespace varnel::text
