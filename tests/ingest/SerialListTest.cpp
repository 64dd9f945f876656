// The serial lists: each node once, in order of first occurrence, compared
// ignoring case, also when most serials are met again soon.
#include <gtest/gtest.h>

#include <string>

#include "ingest/SerialList.h"

using varnel::ingest::SerialList;

TEST(SerialList, RepeatedSerialsAreListedOnceInFirstOrder) {
    // More serials than are remembered as recent, of one to twelve bytes,
    // met in turns, so that each is met again after others have taken its
    // place.
    SerialList list;
    QStringList expected;
    for (int round = 0; round < 3; ++round)
        for (int i = 0; i < 300; ++i) {
            const std::string serial = std::string(i % 10, '0') + std::to_string(i * 7919 % 1000);
            list.add(serial);
            if (round == 0) expected << QString::fromStdString(serial);
        }
    expected.removeDuplicates();
    EXPECT_EQ(list.nodes(), expected);
    EXPECT_EQ(list.textLength(), static_cast<std::size_t>(expected.join(',').size() + 1));
}

TEST(SerialList, CaseAndEmptySerials) {
    SerialList list;
    list.add("ab1");
    list.add("AB1");
    list.add("ab1");
    list.add("");
    list.add("");
    list.add("Ab1");
    // The empty serial counts in the text ("ab1,,") but is no node.
    EXPECT_EQ(list.textLength(), 5u);
    EXPECT_EQ(list.nodes(), QStringList{"ab1"});
}

TEST(SerialList, ClearForgetsEverySerial) {
    SerialList list;
    list.add("512");
    list.add("");
    list.clear();
    EXPECT_EQ(list.textLength(), 0u);
    list.add("512");
    list.add("");
    EXPECT_EQ(list.nodes(), QStringList{"512"});
    EXPECT_EQ(list.textLength(), 5u);
}
