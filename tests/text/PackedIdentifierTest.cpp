#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/PackedIdentifier.h"

namespace varnel::text {
namespace {

// The same reading, one byte at a time.
std::optional<PackedIdentifier> byteByByte(const std::string& text) {
    if (text.size() != 38 || text.front() != '{' || text.back() != '}') return std::nullopt;
    PackedIdentifier packed;
    int digit = 0;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        const char c = text[i];
        if (i == 9 || i == 14 || i == 19 || i == 24) {
            if (c != '-') return std::nullopt;
            continue;
        }
        uint64_t value = 0;
        if (c >= '0' && c <= '9') {
            value = static_cast<uint64_t>(c - '0');
        } else if (c >= 'A' && c <= 'F') {
            value = static_cast<uint64_t>(c - 'A' + 10);
            packed.hasUpper = true;
        } else if (c >= 'a' && c <= 'f') {
            value = static_cast<uint64_t>(c - 'a' + 10);
            packed.hasLower = true;
        } else {
            return std::nullopt;
        }
        uint64_t& half = digit < 16 ? packed.high : packed.low;
        half = half << 4 | value;
        ++digit;
    }
    return packed;
}

void expectSameReading(const std::string& text) {
    const auto fast = packIdentifier(text);
    const auto slow = byteByByte(text);
    ASSERT_EQ(fast.has_value(), slow.has_value()) << text;
    if (!fast) return;
    EXPECT_EQ(fast->high, slow->high) << text;
    EXPECT_EQ(fast->low, slow->low) << text;
    EXPECT_EQ(fast->hasUpper, slow->hasUpper) << text;
    EXPECT_EQ(fast->hasLower, slow->hasLower) << text;
}

TEST(PackedIdentifier, ReadsTheDigitsInOrderFirstHighest) {
    const auto packed = packIdentifier("{28F89966-0C0B-4135-8637-B60586F6DE40}");
    ASSERT_TRUE(packed);
    EXPECT_EQ(packed->high, 0x28F899660C0B4135ull);
    EXPECT_EQ(packed->low, 0x8637B60586F6DE40ull);
    EXPECT_TRUE(packed->hasUpper);
    EXPECT_FALSE(packed->hasLower);
    const auto lowered = packIdentifier("{28f89966-0c0b-4135-8637-b60586f6de40}");
    ASSERT_TRUE(lowered);
    EXPECT_EQ(lowered->high, packed->high);
    EXPECT_EQ(lowered->low, packed->low);
    EXPECT_TRUE(lowered->hasLower);
    EXPECT_FALSE(lowered->hasUpper);
}

TEST(PackedIdentifier, EveryByteInEveryPlaceIsJudgedAsOneByteAtATimeWould) {
    const std::string base = "{0123ABCD-ef45-6789-aBcD-0F1e2D3c4B5a}";
    expectSameReading(base);
    for (std::size_t at = 0; at < base.size(); ++at) {
        for (int byte = 0; byte < 256; ++byte) {
            std::string text = base;
            text[at] = static_cast<char>(byte);
            expectSameReading(text);
        }
    }
}

TEST(PackedIdentifier, OtherLengthsAndRandomIdentifiersAgreeWithTheByteReading) {
    EXPECT_FALSE(packIdentifier(""));
    EXPECT_FALSE(packIdentifier("{0123ABCD-ef45-6789-aBcD-0F1e2D3c4B5}"));
    EXPECT_FALSE(packIdentifier("{0123ABCD-ef45-6789-aBcD-0F1e2D3c4B5a} "));
    std::mt19937 random(7);
    const std::string digits = "0123456789abcdefABCDEF";
    for (int i = 0; i < 20000; ++i) {
        std::string text = "{00000000-0000-0000-0000-000000000000}";
        for (char& c : text)
            if (c == '0') c = digits[random() % digits.size()];
        expectSameReading(text);
    }
}

TEST(PackedIdentifier, SpellingGivesBackAnIdentifierOfOneLetterCase) {
    std::mt19937 random(11);
    for (const bool upper : {false, true}) {
        const std::string digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
        for (int i = 0; i < 5000; ++i) {
            std::string text = "{00000000-0000-0000-0000-000000000000}";
            for (char& c : text)
                if (c == '0') c = digits[random() % digits.size()];
            const auto packed = packIdentifier(text);
            ASSERT_TRUE(packed) << text;
            const auto spelt = spellIdentifier(packed->high, packed->low, upper);
            EXPECT_EQ(std::string(spelt.begin(), spelt.end()), text);
        }
    }
    const auto zeros = spellIdentifier(0, 0, true);
    EXPECT_EQ(std::string(zeros.begin(), zeros.end()), "{00000000-0000-0000-0000-000000000000}");
    const auto ones = spellIdentifier(~0ull, ~0ull, false);
    EXPECT_EQ(std::string(ones.begin(), ones.end()), "{ffffffff-ffff-ffff-ffff-ffffffffffff}");
}

}  // namespace
}  // namespace varnel::text
