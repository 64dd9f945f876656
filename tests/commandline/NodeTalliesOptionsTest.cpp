// The tallies varnel-report gathers for the nodes its command line names,
// before the load has listed any, count what the node reports select through
// the load's lists: they answer the reports' range, or, when a message's
// serial has no entry in the lists, step aside for the scan.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "commandline/ReportRunner.h"
#include "ingest/LoadData.h"
#include "ingest/LoadScene.h"
#include "reports/NodeTrafficTable.h"

using namespace varnel;

namespace {

// Veyra 512, 513 and -0; Keldan 3001 and 3002, and one message whose Keldan
// serial is empty (read as 0, and not listed).
constexpr std::string_view day =
    "5/12/2004 7:00:00,INCOMING,1,20,2\n"
    "5/12/2004 9:00:00,CLEARED OUTGOING MESSAGE,512,3001,{A},OK,1000000,1,100\n"
    "5/12/2004 9:01:00,CLEARED INCOMING MESSAGE,513,3002,{B},NDN,2000000,1,100\n"
    "5/12/2004 9:02:00,CLEARED OUTGOING MESSAGE,-0,3001,{C},OK,3000000,1,100\n"
    "5/12/2004 9:03:00,CLEARED OUTGOING MESSAGE,512,,{D},OK,4000000,1,100\n"
    "5/12/2004 9:04:00,CLEARED INCOMING MESSAGE,513,3001,{E},OK,5000000,1,100\n";

class NodeTalliesOptions : public ::testing::Test, protected test::LoadScene {
protected:
    void SetUp() override { logs.write("CallLog_20040512.log", day); }

    struct Outcome {
        bool answered = false;
        int64_t tallied = 0;  // messages the tallies counted
        std::vector<reports::NodeTrafficRow> tallyRows;
        std::vector<reports::NodeTrafficRow> scanRows;
    };

    // Loads with the tallies for the options and builds the node traffic
    // table for the reports' range from them and by scanning.
    Outcome run(const QStringList& veyra, const QStringList& keldan) {
        cli::CliOptions options;
        options.reports = {reports::ReportKind::NodeTraffic};
        options.from = QTime(8, 0);
        options.to = QTime(17, 0);
        options.limitNodes = !veyra.isEmpty();
        options.veyraNodes = veyra;
        options.keldanNodes = keldan;
        const auto tallies = cli::nodeTallies(options);
        EXPECT_NE(tallies, nullptr);
        const ingest::LoadResult loaded =
            ingest::loadDays({logs.path(), {QDate(2004, 5, 12)}, QString(), tallies.get()}, files, state, observer);
        EXPECT_EQ(loaded.outcome, ingest::LoadOutcome::Loaded);

        const reports::RangeRequest range = cli::rangeRequest(options, loaded);
        store::ReportDatabase db(files.workingPath());
        Outcome outcome;
        outcome.answered = tallies->answers(range);
        outcome.tallied = tallies->tallies().messages();
        reports::buildNodeTraffic(db, range, reports::NodeCount::DeliveredMessages, tallies.get());
        outcome.tallyRows = reports::readNodeTraffic(db);
        reports::buildNodeTraffic(db, range, reports::NodeCount::DeliveredMessages);
        outcome.scanRows = reports::readNodeTraffic(db);
        return outcome;
    }
};

}  // namespace

TEST_F(NodeTalliesOptions, NamedNodesSelectWhatTheLoadsListsSelect) {
    struct Choice {
        QStringList veyra;
        QStringList keldan;
        int64_t counted;
    };
    const Choice choices[] = {
        {{}, {}, 5},
        {{"512", "999"}, {"3001"}, 1},        // a node the load never saw
        {{"0", "+512", "512"}, {"3001"}, 2},  // numbers written otherwise, and twice
        {{"513", "512"}, {"3001", "3002"}, 3},
    };
    for (const Choice& choice : choices) {
        const Outcome outcome = run(choice.veyra, choice.keldan);
        EXPECT_TRUE(outcome.answered) << choice.veyra.join(',').toStdString();
        EXPECT_EQ(outcome.tallied, choice.counted) << choice.veyra.join(',').toStdString();
        EXPECT_EQ(outcome.tallyRows, outcome.scanRows) << choice.veyra.join(',').toStdString();
    }
}

TEST_F(NodeTalliesOptions, AMessageWithAnUnlistedSerialLeavesTheCountingToTheScan) {
    // Keldan 0 names no entry of the load, yet the empty serial reads as 0:
    // the tallies count message D, which the reports' selection leaves out.
    const Outcome outcome = run({"512"}, {"0", "3001"});
    EXPECT_FALSE(outcome.answered);
    EXPECT_EQ(outcome.tallied, 2);
    EXPECT_EQ(outcome.tallyRows, outcome.scanRows);
    ASSERT_EQ(outcome.scanRows.size(), 2u);
    EXPECT_EQ(outcome.scanRows[0].outboundMessages, 1);
    EXPECT_EQ(outcome.scanRows[0].outboundMessageKB, 1.0);
}

TEST(NodeTalliesOptionsChoice, TalliesAreMadeOnlyForTheNodeReports) {
    cli::CliOptions options;
    options.reports = {reports::ReportKind::Latency, reports::ReportKind::QueueActivity};
    EXPECT_EQ(cli::nodeTallies(options), nullptr);
    options.reports << reports::ReportKind::NodeErrors;
    EXPECT_NE(cli::nodeTallies(options), nullptr);
}
