// The per-minute extremes gathered while loading equal those of a scan of
// the loaded raw tables, and both build the same per-minute tables.
#include <gtest/gtest.h>

#include <string>

#include "TestFiles.h"
#include "ingest/LoadData.h"
#include "ingest/LoadScene.h"
#include "reports/PerMinuteTable.h"
#include "reports/PortAvailabilityTable.h"
#include "reports/QueueActivityTable.h"

using namespace varnel;

namespace {

// Enough lines for several hand-overs of rows, with calls left open across
// them, queue fields missing or negative, both directions and minute 0.
std::string busyDay(int lines) {
    std::string log;
    for (int i = 0; i < lines; ++i) {
        const int second = i * 7 % 86400;
        const std::string time = "5/12/2004 " + std::to_string(second / 3600) + ":" + std::to_string(second / 60 % 60) +
                                 ":" + std::to_string(second % 60);
        const int port = i % 13;
        switch (i % 6) {
            case 0:
                log += time + ",INCOMING," + std::to_string(port) + "," + std::to_string(40 - i % 9) + "," +
                       std::to_string(i % 11) + "\n";
                break;
            case 1:
                log +=
                    time + ",DISCONNECT," + std::to_string((port + 5) % 13) + "," + std::to_string(30 + i % 5) + ",2\n";
                break;
            case 2:
                log += time + ",NEW INCOMING MESSAGE,77,4001,{" + std::to_string(i) + "},OK,100," +
                       std::to_string(i % 17 - 3) + "," + std::to_string(i * 1013 % 5000000) + "\n";
                break;
            case 3:
                log += time + ",CLEARED OUTGOING MESSAGE,512,3001,{" + std::to_string(i) + "},NDN,100," +
                       std::to_string(i % 23) + ".5\n";  // no total queue size
                break;
            case 4:
                log += time + ",NEW OUTGOING MESSAGE,512,3001,{" + std::to_string(i) + "},OK,100\n";
                break;
            default:
                log += time + ",OUTGOING," + std::to_string(port) + "," + std::to_string(35 + i % 4) + ",7\n";
        }
    }
    return log;
}

class PerMinuteGathering : public ::testing::Test, protected test::LoadScene {
protected:
    void load(QList<QDate> days) { ingest::loadDays({logs.path(), days, QString()}, files, state, observer); }
};

TEST_F(PerMinuteGathering, GatheredExtremesEqualAScanOfTheLoadedTables) {
    logs.write("CallLog_20040512.log", busyDay(30000));
    logs.write("CallLog_20040512_2.log", "5/12/2004 0:00:10,INCOMING,120,-3,9\n5/12/2004 0:00:20,OUTGOING,200,50,1\n");
    load({QDate(2004, 5, 12)});
    store::ReportDatabase db(files.workingPath());
    ASSERT_GT(db.rowCount("RawMessageData"), 10000);

    EXPECT_EQ(state.minutes.ports(), reports::scannedPortExtremes(db).ports());
    EXPECT_EQ(state.minutes.queues(), reports::scannedQueueExtremes(db).queues());
    EXPECT_TRUE(state.minutes.ports()[0].hasRows);
    EXPECT_EQ(state.minutes.ports()[0].minLinesAvailable, -3);
}

TEST_F(PerMinuteGathering, TablesBuiltFromGatheredExtremesEqualTablesBuiltByScanning) {
    logs.write("CallLog_20040512.log", busyDay(9000));
    load({QDate(2004, 5, 12)});
    store::ReportDatabase db(files.workingPath());

    ASSERT_TRUE(reports::ensurePortAvailability(db, state.minutes, 44).built);
    ASSERT_TRUE(reports::ensureQueueActivity(db, state.minutes));
    const auto gatheredPorts = reports::readPortAvailability(db);
    const auto gatheredQueues = reports::readQueueActivity(db);
    db.connection().exec("DELETE FROM PortAvailability; DELETE FROM MessageQueueActivity");
    ASSERT_TRUE(reports::ensurePortAvailability(db, 44).built);
    ASSERT_TRUE(reports::ensureQueueActivity(db));

    EXPECT_EQ(gatheredPorts, reports::readPortAvailability(db));
    EXPECT_EQ(gatheredQueues, reports::readQueueActivity(db));
    EXPECT_EQ(gatheredPorts.size(), 1440u);
}

TEST_F(PerMinuteGathering, ANewLoadStartsFromNoExtremes) {
    logs.write("CallLog_20040512.log", busyDay(600));
    logs.write("CallLog_20040513.log", "5/13/2004 10:00:00,INCOMING,1,40,1\n");
    load({QDate(2004, 5, 12)});
    load({QDate(2004, 5, 13)});
    int minutesWithRows = 0;
    for (const auto& minute : state.minutes.ports()) minutesWithRows += minute.hasRows ? 1 : 0;
    EXPECT_EQ(minutesWithRows, 1);
    EXPECT_TRUE(state.minutes.ports()[600].hasRows);
    for (const auto& minute : state.minutes.queues()) EXPECT_FALSE(minute.hasRows);
}

}  // namespace
