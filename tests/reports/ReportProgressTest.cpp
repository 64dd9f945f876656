// What a report's build tells of its progress: the per-minute tables their
// 1440 minutes, and only when they are built; the node reports the raw rows
// they walk, or the messages already counted; the latency report the pairs it
// stores. Every stage is begun before its steps, which rise to its size.
#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "catalogue/ReportRecipe.h"
#include "ingest/LoadData.h"
#include "ingest/LoadScene.h"
#include "reports/LatencyTableStore.h"
#include "reports/NodeTallies.h"

using namespace varnel;

namespace {

using Stage = reports::ReportProgress::Stage;

// Everything told, in order; the latency report tells from two threads.
class RecordedProgress : public reports::ReportProgress {
public:
    struct Told {
        Stage stage;
        bool begun;
        int64_t value;
    };

    void begin(Stage stage, int64_t size) override { add({stage, true, size}); }
    void advance(Stage stage, int64_t done) override { add({stage, false, done}); }

    std::vector<Told> told() {
        const std::lock_guard lock(mutex_);
        return told_;
    }

private:
    void add(const Told& told) {
        const std::lock_guard lock(mutex_);
        told_.push_back(told);
    }
    std::mutex mutex_;
    std::vector<Told> told_;
};

// One table stage: begun once with its size, then steps that rise and end
// at the size. Returns the size and the number of steps told.
std::pair<int64_t, std::size_t> tableStage(const std::vector<RecordedProgress::Told>& told) {
    EXPECT_FALSE(told.empty());
    if (told.empty()) return {-1, 0};
    EXPECT_TRUE(told.front().begun);
    const int64_t size = told.front().value;
    int64_t last = 0;
    for (std::size_t i = 1; i < told.size(); ++i) {
        EXPECT_EQ(told[i].stage, Stage::BuildingTable);
        EXPECT_FALSE(told[i].begun) << "one stage only";
        EXPECT_GT(told[i].value, last) << i;
        EXPECT_LE(told[i].value, size) << i;
        last = told[i].value;
    }
    EXPECT_EQ(last, size) << "the stage ends full";
    return {size, told.size() - 1};
}

// Messages from Veyra node 512 to Keldan node 3001, each queued and cleared a
// minute later, spread over the day; every third one is an NDN.
std::string messageDay(int messages) {
    QString log = QStringLiteral("5/12/2004 0:00:05,INCOMING,1,20,2\n");
    const auto time = [](int s) {
        return QStringLiteral("5/12/2004 %1:%2:%3")
            .arg(s / 3600)
            .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(s % 60, 2, 10, QLatin1Char('0'));
    };
    for (int i = 0; i < messages; ++i) {
        const int second = i * 5 % 86000;
        log += QStringLiteral("%1,NEW OUTGOING MESSAGE,512,3001,{%2},OK,1000,1,1000\n").arg(time(second)).arg(i);
        log += QStringLiteral("%1,CLEARED OUTGOING MESSAGE,512,3001,{%2},%3,1000,1,1000\n")
                   .arg(time(second + 60))
                   .arg(i)
                   .arg(i % 3 ? QStringLiteral("OK") : QStringLiteral("NDN"));
    }
    return log.toStdString();
}

class ReportProgressTest : public ::testing::Test, protected test::LoadScene {
protected:
    // Loads the day, with the whole day's node tally gathered on the way.
    void load(int messages) {
        logs.write("CallLog_20040512.log", messageDay(messages));
        tallies = std::make_shared<reports::NodeTallies>(reports::RangeRequest{});
        const ingest::LoadResult result =
            ingest::loadDays({logs.path(), {QDate(2004, 5, 12)}, QString(), tallies.get()}, files, state, observer);
        ASSERT_EQ(result.outcome, ingest::LoadOutcome::Loaded);
        entries = {result.veyraNodes, result.keldanNodes};
    }

    reports::ReportInputs inputs(reports::ReportKind kind) const {
        reports::ReportInputs in;
        in.kind = kind;
        in.range.nodes.veyraEntries = entries.first;
        in.range.nodes.keldanEntries = entries.second;
        in.minutes = &state.minutes;
        in.connectionString = files.workingPath();
        return in;
    }

    std::vector<RecordedProgress::Told> build(const reports::ReportInputs& in) {
        store::ReportDatabase db(files.workingPath());
        RecordedProgress progress;
        catalogue::buildReport(db, in, nullptr, {}, &progress);
        return progress.told();
    }

    std::pair<QStringList, QStringList> entries;
    std::shared_ptr<reports::NodeTallies> tallies;
};

TEST_F(ReportProgressTest, PerMinuteTablesTellTheirMinutesOnlyWhenTheyAreBuilt) {
    load(10);
    for (const auto kind : {reports::ReportKind::PortAvailability, reports::ReportKind::QueueActivity}) {
        SCOPED_TRACE(static_cast<int>(kind));
        const auto [size, steps] = tableStage(build(inputs(kind)));
        EXPECT_EQ(size, 1440);
        EXPECT_EQ(steps, 1440u) << "the bar moves minute by minute";
        // Reused as it stands: nothing is crunched, nothing told.
        EXPECT_TRUE(build(inputs(kind)).empty());
    }
}

TEST_F(ReportProgressTest, NodeReportsTellTheRawRowsTheyWalkOrTheMessagesAlreadyCounted) {
    load(6000);
    store::ReportDatabase db(files.workingPath());
    const int64_t rawRows = db.rowCount("RawMessageData");
    ASSERT_EQ(rawRows, 12000);
    for (const auto kind : {reports::ReportKind::NodeTraffic, reports::ReportKind::NodeErrors}) {
        SCOPED_TRACE(static_cast<int>(kind));
        const auto [size, steps] = tableStage(build(inputs(kind)));
        EXPECT_EQ(size, rawRows);
        EXPECT_GE(steps, 3u) << "told as the walk goes, not only at its end";
    }

    // Counted while the load stored the rows: nothing is left to walk, and
    // the messages counted are told at once.
    reports::ReportInputs tallied = inputs(reports::ReportKind::NodeErrors);
    tallied.nodeTallies = tallies;
    ASSERT_TRUE(tallies->answers(tallied.range));
    const auto [size, steps] = tableStage(build(tallied));
    EXPECT_EQ(size, 2000) << "every third message is an NDN";
    EXPECT_EQ(steps, 1u);
}

TEST_F(ReportProgressTest, TheLatencyReportTellsThePairsItStores) {
    load(10000);
    const auto [size, steps] = tableStage(build(inputs(reports::ReportKind::Latency)));
    store::ReportDatabase db(files.workingPath());
    EXPECT_EQ(size, db.rowCount("MessageLatency"));
    EXPECT_GT(size, 8192);
    EXPECT_EQ(steps, 3u) << "after each run of 4096 pairs and at the last";
}

TEST_F(ReportProgressTest, WithItsTableLeftToTheStoreTheLatencyReportTellsItsPairingThenItsRows) {
    load(10000);
    reports::ReportInputs in = inputs(reports::ReportKind::Latency);
    in.latencyTable = std::make_shared<reports::LatencyTableStore>();
    const std::vector<RecordedProgress::Told> told = build(in);
    const auto [size, steps] = tableStage(told);
    EXPECT_EQ(size, 150) << "the pairing's percent, then the rows' half as much";
    EXPECT_GE(steps, 3u);
    EXPECT_TRUE(std::any_of(told.begin() + 1, told.end(), [](const RecordedProgress::Told& t) {
        return t.value > 100 && t.value < 150;
    })) << "the rows tell how far they are";
    EXPECT_EQ(in.latencyTable->settle(), std::nullopt);
    store::ReportDatabase db(files.workingPath());
    EXPECT_GT(db.rowCount("MessageLatency"), 8192) << "the table stored all the same";
}

}  // namespace
