// The text of numbers in grids and CSV files.
#include <gtest/gtest.h>

#include <limits>

#include "text/NumberText.h"

using varnel::text::numberText;
using varnel::text::trimmedNumberText;

TEST(NumberText, LeadingBlankPointAndNoLeadingZero) {
    EXPECT_EQ(numberText(0), " 0");
    EXPECT_EQ(numberText(42), " 42");
    EXPECT_EQ(numberText(-1), "-1");
    EXPECT_EQ(numberText(0.25), " .25");
    EXPECT_EQ(numberText(-0.5), "-.5");
    EXPECT_EQ(numberText(2.5), " 2.5");
    EXPECT_EQ(numberText(1440), " 1440");
    EXPECT_EQ(numberText(0.001), " .001");
    EXPECT_EQ(trimmedNumberText(0.25), ".25");
    EXPECT_EQ(trimmedNumberText(-3), "-3");
}

TEST(NumberText, AtMostFifteenSignificantDigits) {
    EXPECT_EQ(numberText(1.0 / 3), " .333333333333333");
    EXPECT_EQ(numberText(2.0 / 3), " .666666666666667");
    EXPECT_EQ(numberText(0.1 + 0.2), " .3");
    EXPECT_EQ(numberText(123456.789), " 123456.789");
    EXPECT_EQ(numberText(99999999999999.9), " 99999999999999.9");
}

TEST(NumberText, WholeNumbersAroundFifteenDigitsAndNonFiniteValues) {
    EXPECT_EQ(numberText(999999999999999.0), " 999999999999999");
    EXPECT_EQ(numberText(-999999999999999.0), "-999999999999999");
    EXPECT_EQ(numberText(1e15), " 1000000000000000");
    EXPECT_EQ(numberText(1234567890123456.0), " 1234567890123460");  // rounded to 15 digits
    EXPECT_EQ(numberText(-0.0), " 0");
    EXPECT_EQ(numberText(std::numeric_limits<double>::infinity()), " 0");
    EXPECT_EQ(trimmedNumberText(-std::numeric_limits<double>::infinity()), "0");
    EXPECT_EQ(trimmedNumberText(std::numeric_limits<double>::quiet_NaN()), "0");
    EXPECT_EQ(trimmedNumberText(801918.0), "801918");
}
