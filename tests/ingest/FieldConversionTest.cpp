// Field cutting, number and time stamp conversion of log lines.
#include <gtest/gtest.h>

#include "ingest/LeadingNumber.h"
#include "ingest/LineFields.h"
#include "ingest/TimeStamp.h"

using namespace varnel::ingest;

TEST(LineFields, CutsAtEveryCommaWithoutTrimming) {
    const LineFields f(" a ,, b,");
    ASSERT_EQ(f.count(), 4u);
    EXPECT_EQ(f[0], " a ");
    EXPECT_EQ(f[1], "");
    EXPECT_EQ(f[2], " b");
    EXPECT_EQ(f[3], "");
    EXPECT_FALSE(f.has(4));
}

TEST(LineFields, CountsFieldsBeyondThoseKept) {
    const LineFields f("0,1,2,3,4,5,6,7,8,9,10,11");
    EXPECT_EQ(f.count(), 12u);
    EXPECT_EQ(f[8], "8");
}

TEST(LeadingNumber, ReadsTheNumericPrefix) {
    EXPECT_EQ(leadingNumber("  42abc"), 42);
    EXPECT_EQ(leadingNumber("-3.75 x"), -3.75);
    EXPECT_EQ(leadingNumber("+.5"), 0.5);
    EXPECT_EQ(leadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(leadingNumber("abc"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("1234567890123456789012"), 1234567890123456789012.0);
}

TEST(RoundToInt16, RoundsHalvesToEvenAndRejectsOverflow) {
    EXPECT_EQ(roundToInt16(2.5), 2);
    EXPECT_EQ(roundToInt16(3.5), 4);
    EXPECT_EQ(roundToInt16(-2.5), -2);
    EXPECT_EQ(roundToInt16(2.51), 3);
    EXPECT_EQ(roundToInt16(32767.4), 32767);
    EXPECT_EQ(roundToInt16(-32768), -32768);
    EXPECT_FALSE(roundToInt16(32767.5).has_value());
    EXPECT_FALSE(roundToInt16(40000).has_value());
    EXPECT_FALSE(roundToInt16(-32769).has_value());
}

TEST(TimeStamp, AcceptsTheLogForms) {
    const auto us = parseTimeStamp("5/12/2004 9:05:07");
    ASSERT_TRUE(us);
    EXPECT_EQ(std::string(us->text().data(), 19), "2004-05-12 09:05:07");

    EXPECT_EQ(parseTimeStamp("05/12/2004 12:00:01 AM")->hour, 0);
    EXPECT_EQ(parseTimeStamp("5/12/2004 12:00:01 pm")->hour, 12);
    EXPECT_EQ(parseTimeStamp("5/12/2004 1:30:00 PM")->hour, 13);
    EXPECT_EQ(parseTimeStamp("2004-05-12 23:59:59")->second, 59);
    EXPECT_EQ(parseTimeStamp("2004-05-12T10:15:30")->minute, 15);
    EXPECT_EQ(parseTimeStamp("2/29/2004 10:00:00")->day, 29);
}

TEST(TimeStamp, ReaderGivesEachTextItsOwnResult) {
    TimeStampReader reader;
    EXPECT_FALSE(reader.read("").has_value());
    EXPECT_FALSE(reader.read("").has_value());
    EXPECT_EQ(reader.read("5/12/2004 9:05:07")->second, 7);
    EXPECT_EQ(reader.read("5/12/2004 9:05:07")->second, 7);
    EXPECT_EQ(reader.read("5/12/2004 9:05:08")->second, 8);
    EXPECT_FALSE(reader.read("5/12/2004 9:05:0x").has_value());
    EXPECT_FALSE(reader.read("5/12/2004 9:05:0x").has_value());
    EXPECT_EQ(reader.read("5/12/2004 9:05:08")->second, 8);
}

TEST(TimeStamp, RejectsWhatDoesNotConvert) {
    for (const char* text :
         {"", "bad", "5/12/2004", "5/12/2004 10:15", "13/12/2004 10:00:00", "2/30/2004 10:00:00", "2/29/2003 10:00:00",
          "5/12/2004 24:00:00", "5/12/2004 10:60:00", " 5/12/2004 10:00:00", "5/12/2004 10:00:00 ",
          "5/12/2004 13:00:00 PM", "2004-05-12 10:00:00 PM", "5/12/04 10:00:00"})
        EXPECT_FALSE(parseTimeStamp(text).has_value()) << text;
}
