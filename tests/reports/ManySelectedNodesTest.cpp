// The latency, node traffic and node error reports over tens of thousands of
// nodes with tens of thousands selected: more chosen serial numbers than
// SQLite takes as bound parameters, counted exactly. CTest bounds the time.
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "ManyNodesLog.h"
#include "reports/LatencyTable.h"
#include "reports/NodeTrafficTable.h"
#include "store/Schema.h"

namespace {

using namespace varnel;
using test::manyKeldanSerial;
using test::manySerials;
using test::manyVeyraSerial;

constexpr int nodes = 50000;

// Message i is queued at 9:00 and cleared at 9:10 between Veyra node
// manyVeyraSerial(i) and Keldan node manyKeldanSerial(i): outbound when i is
// even, inbound when odd, and a non-delivery when i is a multiple of 3.
class ManySelectedNodes : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<QTemporaryDir>();
        SQLite::Database create(path().toStdString(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        store::createSchema(create);
        SQLite::Transaction transaction(create);
        SQLite::Statement insert(create,
                                 "INSERT INTO RawMessageData(Time, StartMinute, MessageType, VeyraSerialNumber, "
                                 "KeldanSerialNumber, MessageGUID, MessageSize, ErrorState) VALUES (?, ?, ?, ?, ?, "
                                 "?, 1000000, ?)");
        for (int i = 0; i < nodes; ++i) {
            const bool outbound = i % 2 == 0;
            const std::string guid = "{M" + std::to_string(i) + "}";
            const struct {
                const char* time;
                int minute;
                int type;
                int errorState;
            } events[] = {{"09:00:00", 540, outbound ? 4 : 3, 0}, {"09:10:00", 550, outbound ? 6 : 5, i % 3 == 0}};
            for (const auto& event : events) {
                insert.bind(1, event.time);
                insert.bind(2, event.minute);
                insert.bind(3, event.type);
                insert.bind(4, 100000.0 + i);
                insert.bind(5, 500000.0 + i);
                insert.bind(6, guid);
                insert.bind(7, event.errorState);
                insert.exec();
                insert.reset();
            }
        }
        transaction.commit();
    }
    static void TearDownTestSuite() { folder_.reset(); }
    static QString path() { return folder_->filePath(QStringLiteral("work.db")); }

    // All nodes listed; Veyra nodes of messages veyra.first to veyra.second - 1
    // and Keldan nodes of keldan.first to keldan.second - 1 selected.
    static reports::RangeRequest limitedTo(std::pair<int, int> veyra, std::pair<int, int> keldan) {
        reports::RangeRequest request;
        request.nodes.limitNodes = true;
        request.nodes.veyraEntries = manySerials(manyVeyraSerial, 0, nodes);
        request.nodes.keldanEntries = manySerials(manyKeldanSerial, 0, nodes);
        request.nodes.selectedVeyra = manySerials(manyVeyraSerial, veyra.first, veyra.second);
        request.nodes.selectedKeldan = manySerials(manyKeldanSerial, keldan.first, keldan.second);
        return request;
    }

    // The messages counted on the rows of one side (serials firstSerial on),
    // by message number; no row counts a message twice.
    static std::vector<int> countedMessages(const std::vector<reports::NodeTrafficRow>& rows, double firstSerial) {
        std::vector<int> messages;
        for (const reports::NodeTrafficRow& row : rows) {
            if (row.nodeId < firstSerial || row.nodeId >= firstSerial + nodes) continue;
            const int64_t counted = row.inboundMessages + row.outboundMessages;
            EXPECT_LE(counted, 1) << row.nodeId;
            if (counted == 1) messages.push_back(static_cast<int>(row.nodeId - firstSerial));
        }
        return messages;
    }

    static std::vector<int> range(int first, int last, int step = 1) {
        std::vector<int> out;
        for (int i = first; i < last; i += step) out.push_back(i);
        return out;
    }

    static std::unique_ptr<QTemporaryDir> folder_;
};

std::unique_ptr<QTemporaryDir> ManySelectedNodes::folder_;

// 30,000 selected on each side are 60,000 serial numbers in one selection.
TEST_F(ManySelectedNodes, ThirtyThousandOfFiftyThousandOnEachSideCountOnlyMessagesBetweenSelectedNodes) {
    store::ReportDatabase db(path());
    const reports::RangeRequest request = limitedTo({0, 30000}, {20000, 50000});

    EXPECT_EQ(reports::buildNodeTraffic(db, request, reports::NodeCount::DeliveredMessages).counted, 10000);
    std::vector<reports::NodeTrafficRow> rows = reports::readNodeTraffic(db);
    ASSERT_EQ(rows.size(), 60000u);
    EXPECT_EQ(rows.front().nodeId, 100000);
    EXPECT_EQ(rows[29999].nodeId, 129999);
    EXPECT_EQ(rows[30000].nodeId, 520000);
    EXPECT_EQ(rows.back().nodeId, 549999);
    EXPECT_EQ(countedMessages(rows, 100000), range(20000, 30000));
    EXPECT_EQ(countedMessages(rows, 500000), range(20000, 30000));
    const reports::NodeTrafficRow& outbound = rows[20000];  // Veyra node of message 20000
    EXPECT_EQ(outbound.outboundMessages, 1);
    EXPECT_EQ(outbound.outboundMessageKB, 1.0);
    EXPECT_EQ(rows[30000 + 1].inboundMessages, 1);  // Keldan node of message 20001

    EXPECT_EQ(reports::buildNodeTraffic(db, request, reports::NodeCount::NonDeliveries).counted, 3333);
    rows = reports::readNodeTraffic(db);
    EXPECT_EQ(countedMessages(rows, 100000), range(20001, 30000, 3));

    EXPECT_EQ(reports::buildMessageLatency(db, request), 10000);
    const reports::LatencyRows latency = reports::readOutboundLatency(db);
    ASSERT_EQ(latency.size(), 5000u);
    for (std::size_t i = 0; i < latency.size(); ++i) {
        const reports::LatencyRow row = latency[i];
        EXPECT_GE(row.veyraNodeId, 120000);
        EXPECT_LT(row.veyraNodeId, 130000);
        EXPECT_EQ(row.secondsInQueue, 600);
    }
}

// Each side alone is over SQLite's 32,766 bound parameters; a later report on
// the same connection with a small choice does not see the earlier one.
TEST_F(ManySelectedNodes, MoreThanTheParameterLimitOnOneSideAndThenAFewOnTheSameConnection) {
    store::ReportDatabase db(path());
    EXPECT_EQ(
        reports::buildNodeTraffic(db, limitedTo({0, nodes}, {0, nodes}), reports::NodeCount::DeliveredMessages).counted,
        nodes);
    std::vector<reports::NodeTrafficRow> rows = reports::readNodeTraffic(db);
    EXPECT_EQ(countedMessages(rows, 100000), range(0, nodes));
    EXPECT_EQ(countedMessages(rows, 500000), range(0, nodes));

    EXPECT_EQ(
        reports::buildNodeTraffic(db, limitedTo({7, 9}, {8, 40000}), reports::NodeCount::DeliveredMessages).counted, 1);
    rows = reports::readNodeTraffic(db);
    ASSERT_EQ(rows.size(), 2u + 39992u);
    EXPECT_EQ(countedMessages(rows, 100000), std::vector<int>{8});
    EXPECT_EQ(countedMessages(rows, 500000), std::vector<int>{8});
    EXPECT_EQ(db.connection().execAndGet("SELECT COUNT(*) FROM temp.sqlite_master").getInt(), 0)
        << "the chosen nodes' tables are dropped after the report";
}

}  // namespace
