// The latency table stored on a thread of its own: the same rows as a table
// stored at once, a newer table in place of one not stored yet, pauses that
// roll a store back and let it begin again, and an end or a discard that
// never leaves half a table.
#include <gtest/gtest.h>

#include <QFile>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "ingest/LoadData.h"
#include "ingest/LoadScene.h"
#include "reports/LatencyTableStore.h"
#include "reports/MessageEventGatherer.h"
#include "reports/StoredLatencyRows.h"
#include "store/Query.h"

using namespace varnel;

namespace {

// Enough messages that storing their table takes a while: each queued at
// minute i % 1440 and cleared one to three minutes later, every seventh
// inbound, every thirteenth left without its cleared event.
std::string manyMessages(int count) {
    std::string log = "5/12/2004 0:00:10,INCOMING,1,20,2\n";
    char line[160];
    const auto add = [&](int minute, const char* kind, int i, int guid) {
        std::snprintf(line, sizeof line, "5/12/2004 %d:%02d:00,%s,%d,%d,{%d-M},OK,100,1,100\n", minute / 60,
                      minute % 60, kind, 500 + i % 3, 3000 + i % 5, guid);
        log += line;
    };
    for (int i = 0; i < count; ++i) {
        const int guid = static_cast<int>(int64_t{i} * 7919 % count);
        const bool inbound = i % 7 == 0;
        const int queued = 1 + i % 1430;
        add(queued, inbound ? "NEW INCOMING MESSAGE" : "NEW OUTGOING MESSAGE", i, guid);
        if (i % 13 != 0)
            add(queued + 1 + i % 3, inbound ? "CLEARED INCOMING MESSAGE" : "CLEARED OUTGOING MESSAGE", i, guid);
    }
    return log + "5/12/2004 23:59:00,DISCONNECT,1,20,1\n";
}

reports::RangeRequest range(QTime from, QTime to) {
    reports::RangeRequest request;
    request.from = from;
    request.to = to;
    return request;
}

class LatencyTableStoreTest : public ::testing::Test, protected test::LoadScene {
protected:
    void SetUp() override {
        logs.write("CallLog_20040512.log", manyMessages(40000));
        reports::MessageEventGatherer gatherer;
        ingest::LoadRequest request{logs.path(), {QDate(2004, 5, 12)}, QString(), &gatherer};
        ASSERT_EQ(ingest::loadDays(request, files, state, observer).outcome, ingest::LoadOutcome::Loaded);
        const auto events = gatherer.finish();
        wholeDay = std::make_shared<const reports::LatencyPairs>(
            reports::pairGatheredEvents(range(QTime(0, 0), QTime(23, 59, 59)), events));
        morning = std::make_shared<const reports::LatencyPairs>(
            reports::pairGatheredEvents(range(QTime(6, 0), QTime(9, 0)), events));
        ASSERT_GT(wholeDay->pairing.pairs.size(), 30000u);
        ASSERT_GT(morning->pairing.pairs.size(), 1000u);
        ASSERT_LT(morning->pairing.pairs.size(), wholeDay->pairing.pairs.size() / 4);
        wholeDayTable = storedAtOnce(*wholeDay);
        morningTable = storedAtOnce(*morning);
    }

    // The table as the report stores it before it returns.
    std::vector<std::string> storedAtOnce(const reports::LatencyPairs& pairs) {
        store::ReportDatabase db(files.workingPath());
        EXPECT_TRUE(reports::storeMessageLatency(db, pairs));
        return storedRows();
    }

    std::vector<std::string> storedRows() { return test::storedLatencyRows(files.workingPath()); }

    bool databaseIsWhole() {
        store::ReportDatabase db(files.workingPath());
        store::Query check(db.connection(), "PRAGMA integrity_check");
        return check.next() && check.text(0) == "ok";
    }

    std::shared_ptr<const reports::LatencyPairs> wholeDay;
    std::shared_ptr<const reports::LatencyPairs> morning;
    std::vector<std::string> wholeDayTable;
    std::vector<std::string> morningTable;
};

}  // namespace

TEST_F(LatencyTableStoreTest, TheTableStoredInTheBackgroundIsTheTableStoredAtOnce) {
    reports::LatencyTableStore store;
    EXPECT_FALSE(store.pending());
    EXPECT_EQ(store.settle(), std::nullopt);  // nothing to wait for

    store.store(files.workingPath(), wholeDay);
    int turns = 0;
    EXPECT_EQ(store.settle([&turns] { ++turns; }), std::nullopt);
    EXPECT_FALSE(store.pending());
    EXPECT_EQ(storedRows(), wholeDayTable);

    // The pairs are let go once stored.
    store.store(files.workingPath(), morning);
    store.settle();
    EXPECT_EQ(storedRows(), morningTable);
    EXPECT_EQ(wholeDay.use_count(), 1);
    EXPECT_EQ(morning.use_count(), 1);
}

TEST_F(LatencyTableStoreTest, APauseHoldsTheStoreBackAndANewerTableReplacesOneNotStoredYet) {
    reports::LatencyTableStore store;
    {
        auto pause = store.pause();
        auto second = store.pause();  // pauses nest
        store.store(files.workingPath(), wholeDay);
        store.store(files.workingPath(), morning);
        EXPECT_TRUE(store.pending());
        // Nothing has touched the table of the last report stored at once.
        EXPECT_EQ(storedRows(), morningTable);
        storedAtOnce(*wholeDay);
    }
    store.settle();
    EXPECT_EQ(storedRows(), morningTable);
    EXPECT_EQ(wholeDay.use_count(), 1);
}

TEST_F(LatencyTableStoreTest, APauseRollsBackAStoreUnderWayWhichThenBeginsAgain) {
    reports::LatencyTableStore store;
    for (int attempt = 0; attempt < 3; ++attempt) {
        store.store(files.workingPath(), attempt % 2 ? morning : wholeDay);
        {
            const auto pause = store.pause();
            // Rolled back wherever it was: never part of the new rows.
            const std::vector<std::string> during = storedRows();
            EXPECT_TRUE(during == morningTable || during == wholeDayTable) << attempt << ": " << during.size();
        }
        EXPECT_EQ(store.settle(), std::nullopt);
        EXPECT_EQ(storedRows(), attempt % 2 ? morningTable : wholeDayTable) << attempt;
    }
}

TEST_F(LatencyTableStoreTest, EndingWhileStoringLeavesTheOldTableOrTheNewOneWhole) {
    for (int waitMs : {0, 5, 20}) {
        {
            reports::LatencyTableStore store;
            store.store(files.workingPath(), wholeDay);
            std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
        }
        const std::vector<std::string> after = storedRows();
        EXPECT_TRUE(after == morningTable || after == wholeDayTable) << waitMs << ": " << after.size();
        EXPECT_TRUE(databaseIsWhole());
        EXPECT_FALSE(QFile::exists(files.workingPath() + QStringLiteral("-journal")));
        storedAtOnce(*morning);
    }
    EXPECT_EQ(wholeDay.use_count(), 1);
}

TEST_F(LatencyTableStoreTest, ADiscardedTableIsNeverStored) {
    reports::LatencyTableStore store;
    {
        const auto pause = store.pause();
        store.store(files.workingPath(), wholeDay);
        store.discard();
        EXPECT_FALSE(store.pending());
    }
    EXPECT_EQ(store.settle(), std::nullopt);
    EXPECT_EQ(storedRows(), morningTable);

    // Under way as well.
    store.store(files.workingPath(), wholeDay);
    store.discard();
    EXPECT_FALSE(store.pending());
    const std::vector<std::string> after = storedRows();
    EXPECT_TRUE(after == morningTable || after == wholeDayTable) << after.size();
}

TEST_F(LatencyTableStoreTest, AFailedStoreIsToldOnceAndTheNextStoreWorks) {
    reports::LatencyTableStore store;
    store.store(data.file(QStringLiteral("no-such-folder/PortData.db")), wholeDay);
    const std::optional<QString> failure = store.settle();
    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->isEmpty());
    EXPECT_EQ(store.settle(), std::nullopt);
    EXPECT_FALSE(store.pending());

    store.store(files.workingPath(), wholeDay);
    EXPECT_EQ(store.settle(), std::nullopt);
    EXPECT_EQ(storedRows(), wholeDayTable);
}
