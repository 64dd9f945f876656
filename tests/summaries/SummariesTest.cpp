// Hour groups of the per-minute summaries and the CSV forms of the grids.
#include <gtest/gtest.h>

#include <QBuffer>

#include "summaries/HourlySummaries.h"
#include "summaries/NodeSummaries.h"
#include "summaries/SummaryCsv.h"

namespace {

using namespace varnel;

QStringList textsOf(const platform::UserMessages& messages) {
    QStringList texts;
    for (const platform::UserMessage& message : messages) texts << message.text;
    return texts;
}

QByteArray csvOf(bool (*write)(const summaries::SummaryGrid&, QIODevice&), const summaries::SummaryGrid& grid) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(write(grid, buffer));
    return buffer.data();
}

TEST(HourlySummariesTest, HourOneTakesMostInUseAndFewestAvailableOfItsMinutes) {
    std::vector<reports::PortMinute> minutes = {{0, 1, 7}, {30, 6, 4}, {59, 2, 9}, {60, 3, 3}};
    const summaries::SummaryGrid grid = summaries::portAvailabilitySummary(minutes);
    ASSERT_EQ(grid.rows.size(), 24);
    EXPECT_EQ(grid.rows[0], (QStringList{QStringLiteral(" 1"), QStringLiteral(" 6"), QStringLiteral(" 4")}));
    EXPECT_EQ(grid.rows[1][1], QStringLiteral(" 3"));
    EXPECT_EQ(grid.rows[2][2], QStringLiteral(" 1000"));  // an hour without rows keeps the start values
    EXPECT_TRUE(csvOf(summaries::writePortAvailabilityCsv, grid).contains("\r\n1,6,4\r\n2,3,3\r\n"));
}

TEST(HourlySummariesTest, MinutesWithoutDataShowZeroAndSizesAreTakenApartFromCounts) {
    std::vector<reports::QueueMinute> minutes = {{420, 12, 2, 1, 0}, {421, 3, 5, 40, 9}, {480, -1, -1, -1, -1}};
    const summaries::SummaryGrid grid = summaries::queueActivitySummary(minutes);
    EXPECT_EQ(grid.rows[7], (QStringList{QStringLiteral(" 8"), QStringLiteral(" 12"), QStringLiteral(" 5"),
                                         QStringLiteral(" 40"), QStringLiteral(" 9")}));
    EXPECT_EQ(grid.rows[8], (QStringList{QStringLiteral(" 9"), QStringLiteral(" 0"), QStringLiteral(" 0"),
                                         QStringLiteral(" 0"), QStringLiteral(" 0")}));
}

TEST(NodeSummariesTest, GridCellsKeepTheLeadingBlankThatTheCsvTrims) {
    const std::vector<reports::NodeTrafficRow> rows = {{QStringLiteral("Veyra"), 201, 12, 0.523411, 3, 0.12},
                                                       {QStringLiteral("Keldan"), 101, 0, 0, 0, 0}};
    const summaries::SummaryGrid grid = summaries::nodeTrafficSummary(rows);
    EXPECT_EQ(grid.cell(0, QStringLiteral("InboundMessageSize")), QStringLiteral(" .523411"));
    EXPECT_EQ(csvOf(summaries::writeNodeTrafficCsv, grid),
              QByteArray("Node Type, Node ID, Inbound Messages, Inbound Message Size (MB), Outbound Messages, "
                         "Outbound Message Size (MB)\r\nVeyra,201,12,.523411,3,.12\r\nKeldan,101,0,0,0,0\r\n"));
    EXPECT_TRUE(textsOf(grid.messages).isEmpty());
}

TEST(NodeSummariesTest, EmptyTableGivesNoDataRowsAndItsMessage) {
    const summaries::SummaryGrid grid = summaries::nodeTrafficSummary({});
    EXPECT_TRUE(grid.rows.isEmpty());
    EXPECT_EQ(textsOf(grid.messages), QStringList{QStringLiteral("No data found in Node Traffic database")});
    EXPECT_EQ(csvOf(summaries::writeNodeTrafficCsv, grid).count("\r\n"), 1);
}

}  // namespace
