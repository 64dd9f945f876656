// Default file names, launch checks, the node choice of a report request and
// the long time texts.
#include <gtest/gtest.h>

#include "reports/DefaultFileNames.h"
#include "reports/LaunchChecks.h"
#include "reports/TimeText.h"

namespace {

using namespace varnel::reports;

TEST(DefaultFileNamesTest, EndInMonthDayYearWithoutLeadingZeros) {
    const varnel::store::StoredTime may8{2006, 5, 8, 23, 59, 0};
    const varnel::store::StoredTime dec31{2006, 12, 31, 0, 0, 0};
    EXPECT_EQ(summaryCsvFileName(ReportKind::PortAvailability, may8),
              QStringLiteral("PortAvailabilitySummary_5_8_2006.csv"));
    EXPECT_EQ(summaryCsvFileName(ReportKind::QueueActivity, dec31),
              QStringLiteral("MessageQueueActivitySummary_12_31_2006.csv"));
    EXPECT_EQ(summaryCsvFileName(ReportKind::NodeErrors, may8), QStringLiteral("NodeErrorSummary_5_8_2006.csv"));
    EXPECT_EQ(chartFileName(ReportKind::Latency, may8, QStringLiteral("BMP")),
              QStringLiteral("MessageLatencyGraph_5_8_2006.BMP"));
}

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
