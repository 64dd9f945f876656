// Conversions and compares that read several bytes of a field at once,
// checked against plain byte-by-byte readings of the same rules.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "ingest/LeadingNumber.h"
#include "ingest/SameText.h"

using namespace varnel::ingest;

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Blanks, a sign, digits with one point: that prefix as strtod reads it.
double plainLeadingNumber(const std::string& field) {
    std::size_t start = 0;
    while (start < field.size() && (field[start] == ' ' || field[start] == '\t')) ++start;
    std::size_t end = start;
    if (end < field.size() && (field[end] == '+' || field[end] == '-')) ++end;
    bool point = false;
    while (end < field.size() && (isDigit(field[end]) || (field[end] == '.' && !point))) {
        point = point || field[end] == '.';
        ++end;
    }
    return std::strtod(field.substr(start, end - start).c_str(), nullptr);
}

}  // namespace

TEST(LeadingNumber, FieldsOfDigitsUpToAWordAndTheirNeighbours) {
    for (const char* field : {"0",
                              "9",
                              "00000000",
                              "99999999",
                              "12345678",
                              "1234567",
                              "123456789",
                              "1234 678",
                              "1234567/",
                              "1234567:",
                              "/1234567",
                              ":",
                              "/",
                              "12\xf9",
                              "\xff\xff\xff\xff",
                              "1\x00"
                              "2",
                              "+1",
                              "-12",
                              " 7",
                              "7 ",
                              "1.5",
                              "12345678.5"})
        EXPECT_EQ(leadingNumber(field), plainLeadingNumber(field)) << field;
    EXPECT_EQ(leadingNumber(std::string_view("1\0"
                                             "2",
                                             3)),
              1);
}

TEST(LeadingNumber, NumbersBeyondADoublesRangeAndLoneSignsReadAsBefore) {
    const std::string zeros(400, '0');
    for (const std::string& field : {"1" + zeros, "-1" + zeros + ".5", "0." + zeros + "1", std::string("-."),
                                     std::string("+"), std::string("+.5"), std::string("-0.0"), std::string(".")}) {
        const double want = plainLeadingNumber(field);
        const double got = leadingNumber(field);
        EXPECT_EQ(std::signbit(got), std::signbit(want)) << field;
        if (std::isinf(want))
            EXPECT_EQ(got, want) << field;
        else
            EXPECT_DOUBLE_EQ(got, want) << field;
    }
}

TEST(LeadingNumber, AgreesWithThePlainReadingOnRandomFields) {
    // Mostly digits, and bytes just beside them: '/' and ':' around the
    // digits, bytes that carry when six is added, blanks, signs and points.
    std::mt19937 random(512);
    const std::string alphabet = "0123456789012345678901234567890123456789/: \t+-.\xfa\xff";
    for (int i = 0; i < 200'000; ++i) {
        std::string field(random() % 12, '0');
        for (char& c : field) c = alphabet[random() % alphabet.size()];
        ASSERT_EQ(leadingNumber(field), plainLeadingNumber(field)) << '"' << field << '"';
    }
}

TEST(RoundToInt16, AgreesWithTheLibraryRoundingAcrossTheRange) {
    // Quarters across the whole range and past both ends, and values a hair
    // beside the halves at the edges.
    const auto libraryRounding = [](double value) -> std::optional<int16_t> {
        const double rounded = std::nearbyint(value);
        if (!(rounded >= -32768.0 && rounded <= 32767.0)) return std::nullopt;
        return static_cast<int16_t>(rounded);
    };
    for (int quarters = -4 * 32780; quarters <= 4 * 32780; ++quarters)
        ASSERT_EQ(roundToInt16(quarters / 4.0), libraryRounding(quarters / 4.0)) << quarters / 4.0;
    for (const double edge : {-32768.5, 32767.5, -0.5, 0.5})
        for (const double value : {std::nextafter(edge, -1e9), edge, std::nextafter(edge, 1e9)})
            EXPECT_EQ(roundToInt16(value), libraryRounding(value)) << value;
    EXPECT_FALSE(roundToInt16(std::numeric_limits<double>::quiet_NaN()).has_value());
    EXPECT_FALSE(roundToInt16(std::numeric_limits<double>::infinity()).has_value());
    EXPECT_FALSE(roundToInt16(-std::numeric_limits<double>::infinity()).has_value());
}

TEST(SameText, DifferencesAtEveryPlace) {
    for (std::size_t length = 0; length <= 20; ++length) {
        const std::string text(length, 'a');
        EXPECT_TRUE(sameText(text, std::string(length, 'a'))) << length;
        EXPECT_FALSE(sameText(text, text + "a")) << length;
        for (std::size_t at = 0; at < length; ++at) {
            std::string other = text;
            other[at] = '\0';
            EXPECT_FALSE(sameText(text, other)) << length << " at " << at;
        }
    }
}
