// The load of chosen days into a fresh working database.
#include <SQLiteCpp/Statement.h>
#include <gtest/gtest.h>

#include <atomic>

#include "LoadScene.h"
#include "TestFiles.h"
#include "UnreadableLogs.h"
#include "ingest/LoadData.h"
#include "store/ReportDatabase.h"

using namespace varnel;
using ingest::LoadOutcome;

namespace {

constexpr std::string_view dayOne =
    "5/12/2004 10:00:00,INCOMING,1,40,1\n"
    "5/12/2004 10:00:30,NEW OUTGOING MESSAGE,512,3001,{A},OK,100,1,100\n"
    "5/12/2004 10:01:00,DISCONNECT,1,40,0\n";
constexpr std::string_view dayOneMore =
    "5/12/2004 11:00:00,OUTGOING,2,39,1\n"
    "5/12/2004 11:00:30,CLEARED OUTGOING MESSAGE,512,3001,{A},NDN,100,0,0\n";
constexpr std::string_view dayTwo =
    "5/13/2004 09:00:00,INCOMING,3,40,1\n"
    "5/13/2004 09:00:30,NEW INCOMING MESSAGE,77,4001,{B},OK,100,1,100\n";

// Raises the cancel flag once the parse reports its first progress, as the
// window does when the user ends the program during a load.
class CancellingObserver : public test::RecordingObserver {
public:
    void progress(int64_t linesDone) override {
        RecordingObserver::progress(linesDone);
        cancel.store(true);
    }
    std::atomic<bool> cancel{false};
};

class Load : public ::testing::Test, protected test::LoadScene {
protected:
    ingest::LoadResult load(QList<QDate> days, const std::atomic<bool>* cancel = nullptr) {
        observer.messages.clear();
        return ingest::loadDays({logs.path(), days, QStringLiteral("05/12/2004 Wednesday"), nullptr, cancel}, files,
                                state, observer);
    }
    int64_t rows(const char* table) {
        store::ReportDatabase db(files.workingPath());
        return db.rowCount(table);
    }
};

}  // namespace

TEST_F(Load, TwoDaysAndTwoFilesOfADayAddUp) {
    logs.write("CallLog_20040512.log", dayOne);
    logs.write("CallLog_20040512_2.log", dayOneMore);
    logs.write("CallLog_20040513.log", dayTwo);
    const auto result = load({QDate(2004, 5, 12), QDate(2004, 5, 13)});
    ASSERT_EQ(result.outcome, LoadOutcome::Loaded);
    EXPECT_EQ(result.summary,
              "Traffic information found in logs for 05/12/2004 Wednesday\r\n"
              "Inbound Calls=2\r\nOutbound Calls=1\r\n"
              "Inbound Messages Delivered=1\r\nOutbound Messages Delivered=1\r\n"
              "Inbound NDNs=0\r\nOutbound NDNs=1\r\n");
    EXPECT_EQ(result.veyraNodes, (QStringList{"512", "77"}));
    EXPECT_EQ(result.keldanNodes, (QStringList{"3001", "4001"}));
    EXPECT_EQ(rows("RawPortData"), 4);
    EXPECT_EQ(rows("RawMessageData"), 3);
    EXPECT_TRUE(observer.messages.empty());
}

TEST_F(Load, LogsWhoseNamesAreNotUtf8AreRead) {
    logs.write("CallLog_20040512.log", dayOne);
    logs.writeBytesNamed("CallLog_20040512_\xff.log", dayOneMore);
    const auto result = load({QDate(2004, 5, 12)});
    ASSERT_EQ(result.outcome, LoadOutcome::Loaded);
    EXPECT_EQ(result.counters.outboundCalls, 1);
    EXPECT_EQ(result.counters.outboundNdns, 1);
    EXPECT_EQ(rows("RawPortData"), 3);
    EXPECT_TRUE(observer.messages.empty());
}

TEST_F(Load, ASecondLoadReplacesTheFirst) {
    logs.write("CallLog_20040512.log", dayOne);
    logs.write("CallLog_20040513.log", dayTwo);
    load({QDate(2004, 5, 12)});
    const auto second = load({QDate(2004, 5, 13)});
    EXPECT_EQ(second.veyraNodes, QStringList{"77"});
    EXPECT_EQ(second.counters.inboundCalls, 1);
    EXPECT_EQ(rows("RawPortData"), 1);
    store::ReportDatabase db(files.workingPath());
    SQLite::Statement guid(db.connection(), "SELECT MessageGUID FROM RawMessageData");
    ASSERT_TRUE(guid.executeStep());
    EXPECT_EQ(guid.getColumn(0).getString(), "{B}");
    EXPECT_EQ(state.peakAvailableLines, 40);  // kept across loads
}

TEST_F(Load, CallsWithoutMessagesAndMessagesWithoutCalls) {
    logs.write("CallLog_20040512.log", "5/12/2004 10:00:00,INCOMING,1,40,1\n");
    logs.write("CallLog_20040513.log", "5/13/2004 10:00:00,NEW INCOMING MESSAGE,1,2,{X},OK,1,1,1\n");

    const auto callsOnly = load({QDate(2004, 5, 12)});
    EXPECT_EQ(callsOnly.outcome, LoadOutcome::NoMessageTraffic);
    ASSERT_EQ(observer.messages.size(), 1u);
    EXPECT_EQ(observer.messages[0].text, "No message traffic data found in selected logs!");
    EXPECT_TRUE(callsOnly.veyraNodes.isEmpty());

    const auto messagesOnly = load({QDate(2004, 5, 13)});
    EXPECT_EQ(messagesOnly.outcome, LoadOutcome::NoCallTraffic);
    ASSERT_EQ(observer.messages.size(), 1u);
    EXPECT_EQ(observer.messages[0].text, "No Veyra Varnel traffic data found in selected logs!");
}

TEST_F(Load, DataFolderThatCannotBeWrittenFailsClearly) {
    logs.write("CallLog_20040512.log", dayOne);
    const store::DataFiles nowhere(QStringLiteral("/proc/varnel-no-such-place"));
    const auto result = ingest::loadDays({logs.path(), {QDate(2004, 5, 12)}, {}}, nowhere, state, observer);
    EXPECT_EQ(result.outcome, LoadOutcome::DatabaseFailed);
    ASSERT_EQ(observer.messages.size(), 2u);
    EXPECT_TRUE(observer.messages[0].text.startsWith("Error in ClearDatabases: Cannot create the data folder"));
    EXPECT_TRUE(observer.messages[1].text.startsWith(
        "Unable to open database at:/proc/varnel-no-such-place/PortData.db\r\nExiting application..."));
}

TEST_F(Load, LogsNotReadInFullAreNamedAndTheRestIsLoaded) {
    logs.write("CallLog_20040512.log", dayOne);
    const QStringList notReadInFull = test::writeLogsNotReadInFull(logs, "20040512");
    ASSERT_EQ(notReadInFull.size(), 3);
    // Line-level faults leave a log read in full.
    logs.write("CallLog_20040512_5.log", "5/12/2004 25:00:00,INCOMING,3,40,1\nshort,line\n");

    const auto result = load({QDate(2004, 5, 12)});
    EXPECT_EQ(result.outcome, LoadOutcome::Loaded);
    EXPECT_EQ(result.counters.inboundCalls, 2);
    EXPECT_EQ(result.logsNotReadInFull, notReadInFull);
    EXPECT_EQ(observer.messages.size(), 4u);  // each said when it was met
}

TEST_F(Load, ACancelledLoadStopsBetweenLinesAndSaysNothing) {
    std::string many;
    for (int i = 0; i < 5000; ++i) many += "5/12/2004 12:00:00,INCOMING,2,40,1\n";
    logs.write("CallLog_20040512.log", many);
    logs.write("CallLog_20040512_2.log", dayOne);

    CancellingObserver cancelling;
    const auto stopped = ingest::loadDays({logs.path(), {QDate(2004, 5, 12)}, {}, nullptr, &cancelling.cancel}, files,
                                          state, cancelling);
    EXPECT_EQ(stopped.outcome, LoadOutcome::Cancelled);
    EXPECT_GT(stopped.counters.inboundCalls, 0);
    EXPECT_LT(stopped.counters.inboundCalls, 500);
    EXPECT_EQ(cancelling.startedFiles.size(), 1);
    EXPECT_TRUE(cancelling.messages.empty());

    const std::atomic<bool> raised{true};
    const auto none = load({QDate(2004, 5, 12)}, &raised);
    EXPECT_EQ(none.outcome, LoadOutcome::Cancelled);
    EXPECT_EQ(none.counters.inboundCalls, 0);
    EXPECT_TRUE(observer.messages.empty());
}
