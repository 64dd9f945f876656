// The node choice of a report request and the long time texts.
#include <gtest/gtest.h>

#include "reports/LaunchChecks.h"
#include "reports/TimeText.h"

namespace {

using namespace varnel::reports;

TEST(NodeChoiceTest, RowsFollowListOrderAndOnlySelectedEntriesWhileLimiting) {
    NodeChoice nodes;
    nodes.veyraEntries = {QStringLiteral("512"), QStringLiteral("12"), QStringLiteral("7")};
    nodes.selectedVeyra = {QStringLiteral("7"), QStringLiteral("512")};
    EXPECT_EQ(nodes.veyraRowEntries(), nodes.veyraEntries);
    nodes.limitNodes = true;
    EXPECT_EQ(nodes.veyraRowEntries(), (QStringList{QStringLiteral("512"), QStringLiteral("7")}));
    EXPECT_EQ(nodeValue(QStringLiteral(" 42abc")), 42.0);
}

}  // namespace

TEST(LongTimeTextsTest, RepeatedAndChangingTimesGiveTheSingleTimeTexts) {
    varnel::reports::LongTimeTexts texts;
    for (const QTime time : {QTime(0, 1), QTime(0, 1), QTime(13, 5, 9), QTime(0, 1), QTime(23, 59, 59)})
        EXPECT_EQ(texts.text(time), varnel::reports::longTimeText(time));
    EXPECT_EQ(texts.text(QTime(13, 5, 9)), QStringLiteral("13:05:09"));  // under LC_ALL=C
}
