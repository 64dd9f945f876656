// The daily trend's table and CSV file: the fixture logs of four days (one
// without events, a message cleared after midnight, recurring identifiers in
// mixed case, a port with none available) give the expected file byte for
// byte.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>

#include "ingest/LoadData.h"
#include "ingest/LoadScene.h"
#include "summaries/SummaryCsv.h"
#include "summaries/SummaryTable.h"
#include "trend/DailyTrendGatherer.h"

using namespace varnel;

namespace {

const QString fixture = QStringLiteral(VARNEL_SOURCE_DIR "/tests/fixtures/trend");

class DailyTrendSummary : public ::testing::Test, protected test::LoadScene {
protected:
    trend::DailyTrend loadFixture() {
        trend::DailyTrendGatherer gatherer;
        const QList<QDate> days{QDate(2004, 5, 10), QDate(2004, 5, 11), QDate(2004, 5, 12), QDate(2004, 5, 13)};
        const ingest::LoadResult result =
            ingest::loadDays({fixture + QStringLiteral("/logs"), days, QString(), &gatherer}, files, state, observer);
        EXPECT_EQ(result.outcome, ingest::LoadOutcome::Loaded);
        return gatherer.finish();
    }
};

TEST_F(DailyTrendSummary, CsvOfTheFixtureDaysIsTheExpectedFile) {
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    ASSERT_TRUE(summaries::writeDailyTrendCsv(loadFixture(), written));

    QFile expected(fixture + QStringLiteral("/expected/DailyTrendSummary_5_13_2004.csv"));
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.data().toStdString(), expected.readAll().toStdString());
}

TEST_F(DailyTrendSummary, TableHeadingsAreTheHeaderSplitAndMissingFiguresAreEmptyCells) {
    const summaries::SummaryTable table = summaries::dailyTrendTable(loadFixture());
    ASSERT_EQ(table.headings.size(), 15);
    EXPECT_EQ(table.headings.first(), QStringLiteral("Day"));
    EXPECT_EQ(table.headings[5], QStringLiteral("Minutes Without A Free Port"));
    EXPECT_EQ(table.headings.join(QStringLiteral(", ")), table.headerLine);
    EXPECT_EQ(table.textColumns.size(), 15);
    EXPECT_EQ(table.totalRows, 4);
    const QStringList quietDay = table.rows[2];
    ASSERT_EQ(quietDay.size(), 15);
    EXPECT_EQ(quietDay.mid(3, 2), (QStringList{QString(), QString()}));
    EXPECT_EQ(quietDay.mid(12), (QStringList{QString(), QString(), QString()}));
    EXPECT_EQ(table.rows[1][8], QStringLiteral("0"));  // a sum of no sizes is 0, not empty
}

TEST(DailyTrendTable, NoDaysGiveTheHeaderLineAlone) {
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    ASSERT_TRUE(summaries::writeDailyTrendCsv({}, written));
    EXPECT_TRUE(written.data().startsWith("Day, Inbound Calls, Outbound Calls, Peak Ports Busy,"));
    EXPECT_TRUE(written.data().endsWith(", Longest Outbound Queue Seconds\r\n"));
    EXPECT_EQ(written.data().count("\r\n"), 1);
}

}  // namespace
