// The node traffic and node error tables built from the tallies gathered
// while the load stored the rows equal the tables built by scanning the
// stored rows: the same counts, the same megabyte sums to the last bit, the
// same rows in the same order and the same "no data" messages.
#include <gtest/gtest.h>

#include <QProcess>
#include <bit>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "ingest/LoadData.h"
#include "ingest/LoadScene.h"
#include "reports/NodeTallies.h"
#include "reports/NodeTrafficTable.h"
#include "store/RowWatchers.h"

using namespace varnel;

namespace {

using reports::NodeCount;
using reports::RangeRequest;

// Cleared messages in minute 0 and at both bounds of the 08:00 to 17:00
// window, an NDN in lower case and NDNs without a size, serials written
// "-0", "0", "+512", "514x", "3002 " and empty, a size of negative zero, a
// size too large for any integer, fractions of a byte, and new messages
// (never counted) naming nodes of their own.
constexpr std::string_view edgeDay =
    "5/12/2004 0:00:10,INCOMING,1,20,2\n"
    "5/12/2004 0:00:30,CLEARED OUTGOING MESSAGE,512,3001,{A},OK,1500000,1,100\n"
    "5/12/2004 8:00:40,CLEARED INCOMING MESSAGE,512,3001,{B},OK,333333,1,100\n"
    "5/12/2004 8:01:00,CLEARED OUTGOING MESSAGE,+512,3001,{C},ndn,777777,1,100\n"
    "5/12/2004 9:00:00,CLEARED OUTGOING MESSAGE,-0,3001,{D},OK,1234567,1,100\n"
    "5/12/2004 9:05:00,CLEARED INCOMING MESSAGE,0,-0,{E},NDN,100,1,100\n"
    "5/12/2004 9:10:00,CLEARED OUTGOING MESSAGE,513,,{F},OK,2500000,1,100\n"
    "5/12/2004 9:15:00,CLEARED OUTGOING MESSAGE,513,3002,{G},OK\n"
    "5/12/2004 9:16:00,CLEARED INCOMING MESSAGE,513,3002,{H},NDN\n"
    "5/12/2004 9:20:00,CLEARED OUTGOING MESSAGE,514,3002,{I},OK,-0,1,100\n"
    "5/12/2004 9:25:00,CLEARED INCOMING MESSAGE,514x,3002 ,{J},OK,0.1,1,100\n"
    "5/12/2004 10:00:00,NEW OUTGOING MESSAGE,512,3001,{K},NDN,999,1,100\n"
    "5/12/2004 10:01:00,NEW INCOMING MESSAGE,600,4000,{K},OK,999,1,100\n"
    "5/12/2004 16:59:00,CLEARED OUTGOING MESSAGE,512,3002,{L},OK,0.2,1,100\n"
    "5/12/2004 16:59:30,CLEARED OUTGOING MESSAGE,512,3002,{L2},OK,0.1,1,100\n"
    "5/12/2004 17:00:00,CLEARED OUTGOING MESSAGE,512,3002,{M},OK,0.7,1,100\n"
    "5/12/2004 23:59:30,CLEARED INCOMING MESSAGE,515,3003,{N},NDN,123456789012345678901234,1,100\n"
    "5/12/2004 23:59:40,DISCONNECT,1,20,1\n";

RangeRequest range(QTime from, QTime to) {
    RangeRequest request;
    request.from = from;
    request.to = to;
    return request;
}

RangeRequest wholeDay() { return range(QTime(0, 0), QTime(23, 59, 59)); }

RangeRequest limited(RangeRequest request, const QStringList& veyra, const QStringList& keldan) {
    request.nodes.limitNodes = true;
    request.nodes.selectedVeyra = veyra;
    request.nodes.selectedKeldan = keldan;
    return request;
}

// Every n-th entry of a list, from the first.
QStringList everyNth(const QStringList& entries, int n) {
    QStringList out;
    for (int i = 0; i < entries.size(); i += n) out << entries[i];
    return out;
}

std::string bits(double value) {
    char text[20];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(std::bit_cast<uint64_t>(value)));
    return text;
}

// A stored row as text, its numbers by their bits.
std::string rowText(const reports::NodeTrafficRow& row) {
    return row.nodeType.toStdString() + " " + bits(row.nodeId) + " in " + std::to_string(row.inboundMessages) + "/" +
           bits(row.inboundMessageKB) + " out " + std::to_string(row.outboundMessages) + "/" +
           bits(row.outboundMessageKB);
}

struct BuiltTable {
    int64_t counted = 0;
    QStringList shown;
    std::vector<reports::NodeTrafficRow> rows;
    std::vector<std::string> rowTexts;
};

BuiltTable build(store::ReportDatabase& db, const RangeRequest& request, NodeCount what,
                 const reports::NodeTallies* gathered) {
    BuiltTable table;
    const reports::NodeTrafficBuild built = reports::buildNodeTraffic(db, request, what, gathered);
    table.counted = built.counted;
    for (const platform::UserMessage& message : built.messages) table.shown << message.text;
    table.rows = reports::readNodeTraffic(db);
    for (const auto& row : table.rows) table.rowTexts.push_back(rowText(row));
    return table;
}

class GatheredNodeTallies : public ::testing::Test, protected test::LoadScene {
protected:
    ingest::LoadResult load(const QString& folder, const QList<QDate>& days, store::RowWatcher* watcher = nullptr) {
        return ingest::loadDays({folder, days, QString(), watcher}, files, state, observer);
    }

    // Loads the days with one tally per request, each for its range and the
    // node numbers it selects, and compares both tables of every request
    // built from its tally with those built by scanning. The requests' entry
    // lists become the load's. Returns the scanned tables.
    std::vector<BuiltTable> expectTalliedAsScanned(const QString& folder, const QList<QDate>& days,
                                                   std::vector<RangeRequest> requests) {
        std::vector<std::unique_ptr<reports::NodeTallies>> tallies;
        store::RowWatchers watchers;
        for (const RangeRequest& request : requests) {
            tallies.push_back(std::make_unique<reports::NodeTallies>(request));
            watchers.add(tallies.back().get());
        }
        const ingest::LoadResult loaded = load(folder, days, &watchers);
        EXPECT_EQ(loaded.outcome, ingest::LoadOutcome::Loaded);

        std::vector<BuiltTable> scannedTables;
        store::ReportDatabase db(files.workingPath());
        for (std::size_t i = 0; i < requests.size(); ++i) {
            RangeRequest& request = requests[i];
            request.nodes.veyraEntries = loaded.veyraNodes;
            request.nodes.keldanEntries = loaded.keldanNodes;
            EXPECT_TRUE(tallies[i]->answers(request)) << "request " << i;
            for (const NodeCount what : {NodeCount::DeliveredMessages, NodeCount::NonDeliveries}) {
                const BuiltTable scanned = build(db, request, what, nullptr);
                const BuiltTable tallied = build(db, request, what, tallies[i].get());
                const int kind = static_cast<int>(what);
                EXPECT_EQ(tallied.counted, scanned.counted) << "request " << i << " kind " << kind;
                EXPECT_EQ(tallied.shown, scanned.shown) << "request " << i << " kind " << kind;
                EXPECT_EQ(tallied.rowTexts, scanned.rowTexts) << "request " << i << " kind " << kind;
                scannedTables.push_back(scanned);
            }
        }
        return scannedTables;
    }
};

// The counts of a row: inbound, outbound.
std::pair<int64_t, int64_t> counts(const reports::NodeTrafficRow& row) {
    return {row.inboundMessages, row.outboundMessages};
}

using Counts = std::vector<std::pair<int64_t, int64_t>>;

Counts countsOf(const BuiltTable& table) {
    Counts out;
    for (const auto& row : table.rows) out.push_back(counts(row));
    return out;
}

}  // namespace

TEST_F(GatheredNodeTallies, EdgeCasesCountAsTheScanForEveryRangeAndNodeChoice) {
    logs.write("CallLog_20040512.log", edgeDay);
    const std::vector<BuiltTable> tables =
        expectTalliedAsScanned(logs.path(), {QDate(2004, 5, 12)},
                               {
                                   wholeDay(),
                                   range(QTime(8, 0), QTime(17, 0)),
                                   range(QTime(11, 0), QTime(12, 0)),   // no message
                                   range(QTime(16, 0), QTime(17, 30)),  // messages, but no NDN
                                   limited(wholeDay(), {"512", "-0"}, {"3001", "3002"}),
                                   // "+512" and "512", "-0" and "0", "3002" and "3002 ": one number twice
                                   limited(wholeDay(), {"+512", "-0", "0"}, {"-0", "3002", "3002 "}),
                                   limited(range(QTime(9, 0), QTime(9, 30)), {"513"}, {"-0"}),
                               });
    ASSERT_EQ(tables.size(), 14u);

    // Veyra 512 +512 -0 0 513 514 514x 600 515, then Keldan 3001 -0 3002 3002␠ 4000 3003 (the
    // empty serial has no row). Minute 0 is outside the whole day.
    const BuiltTable& traffic = tables[0];
    EXPECT_EQ(traffic.counted, 13);
    EXPECT_EQ(countsOf(traffic), (Counts{{1, 4},
                                         {0, 0},
                                         {1, 1},
                                         {0, 0},
                                         {1, 2},
                                         {1, 1},
                                         {0, 0},
                                         {0, 0},
                                         {1, 0},
                                         {1, 2},
                                         {1, 1},
                                         {2, 5},
                                         {0, 0},
                                         {0, 0},
                                         {1, 0}}));
    EXPECT_EQ(traffic.rows[4].outboundMessageKB, 2.5);  // a message without a size adds nothing
    EXPECT_EQ(traffic.rows[5].outboundMessageKB, 0.0);
    EXPECT_DOUBLE_EQ(traffic.rows[2].outboundMessageKB, 1.234567);
    EXPECT_DOUBLE_EQ(traffic.rows[8].inboundMessageKB, 123456789012345678901234.0 / 1e6);
    const BuiltTable& errors = tables[1];
    EXPECT_EQ(errors.counted, 4);
    EXPECT_EQ(countsOf(errors), (Counts{{0, 1},
                                        {0, 0},
                                        {1, 0},
                                        {0, 0},
                                        {1, 0},
                                        {0, 0},
                                        {0, 0},
                                        {0, 0},
                                        {1, 0},
                                        {0, 1},
                                        {1, 0},
                                        {1, 0},
                                        {0, 0},
                                        {0, 0},
                                        {1, 0}}));
    for (const auto& row : errors.rows) EXPECT_EQ(row.inboundMessageKB + row.outboundMessageKB, 0.0);

    // The window leaves out the messages at 08:00, 17:00 and 23:59.
    EXPECT_EQ(tables[2].counted, 10);
    EXPECT_EQ(tables[3].counted, 3);
    // No message: the table stays empty and the report says so.
    EXPECT_TRUE(tables[4].rows.empty());
    EXPECT_EQ(tables[4].shown, QStringList{"No message traffic data found."});
    EXPECT_EQ(tables[5].shown, QStringList{"No error delivery states found in the selected log"});
    // Messages but no NDN: only the node error report finds nothing.
    EXPECT_EQ(tables[6].counted, 3);
    EXPECT_TRUE(tables[6].shown.isEmpty());
    EXPECT_TRUE(tables[7].rows.empty());
    EXPECT_EQ(tables[7].shown, QStringList{"No error delivery states found in the selected log"});
    // Between 512 or 0 and 3001 or 3002.
    EXPECT_EQ(countsOf(tables[8]), (Counts{{1, 4}, {0, 1}, {1, 2}, {0, 3}}));
    // The first entry of a number takes the counts: "+512", "-0"; "-0", "3002".
    EXPECT_EQ(countsOf(tables[10]), (Counts{{0, 3}, {1, 0}, {0, 0}, {1, 0}, {0, 3}, {0, 0}}));
    // The empty Keldan serial is the stored 0 that the "-0" entry names.
    EXPECT_EQ(countsOf(tables[12]), (Counts{{0, 1}, {0, 1}}));
}

TEST_F(GatheredNodeTallies, SampleLogsCountAsTheScan) {
    const QString samples = QStringLiteral(VARNEL_SOURCE_DIR "/samples/logs");
    const QList<QDate> days{QDate(2004, 5, 12), QDate(2004, 5, 13)};
    const ingest::LoadResult first = load(samples, days);
    ASSERT_EQ(first.outcome, ingest::LoadOutcome::Loaded);
    const QStringList someVeyra = everyNth(first.veyraNodes, 3);
    const QStringList someKeldan = everyNth(first.keldanNodes, 2);

    const std::vector<BuiltTable> tables =
        expectTalliedAsScanned(samples, days,
                               {wholeDay(), range(QTime(7, 30), QTime(18, 15, 30)), range(QTime(0, 0), QTime(0, 0, 59)),
                                limited(wholeDay(), someVeyra, someKeldan),
                                limited(range(QTime(9, 0), QTime(13, 0)), someVeyra, first.keldanNodes)});
    EXPECT_GT(tables[0].counted, 1000);
    EXPECT_GT(tables[1].counted, 0);  // the sample logs have NDNs
    EXPECT_EQ(tables[4].counted, 0);
    EXPECT_GT(tables[6].counted, 0);
}

TEST_F(GatheredNodeTallies, GeneratedDayCountsAsTheScan) {
    QProcess generator;
    generator.start(QStringLiteral(VARNEL_GENERATE_LOGS_EXE),
                    {QStringLiteral("--out"), logs.path(), QStringLiteral("--date"), QStringLiteral("2004-05-12"),
                     QStringLiteral("--lines"), QStringLiteral("60000"), QStringLiteral("--seed"), QStringLiteral("7"),
                     QStringLiteral("--files"), QStringLiteral("3")});
    ASSERT_TRUE(generator.waitForFinished(60000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

    const QList<QDate> days{QDate(2004, 5, 12)};
    const ingest::LoadResult first = load(logs.path(), days);
    ASSERT_EQ(first.outcome, ingest::LoadOutcome::Loaded);
    const QStringList someVeyra = everyNth(first.veyraNodes, 2);
    const QStringList someKeldan = everyNth(first.keldanNodes, 3);

    const std::vector<BuiltTable> tables = expectTalliedAsScanned(
        logs.path(), days,
        {wholeDay(), range(QTime(6, 0), QTime(18, 30)), limited(wholeDay(), someVeyra, someKeldan),
         limited(range(QTime(10, 0), QTime(20, 0)), someVeyra, someKeldan), range(QTime(0, 0), QTime(0, 0, 59))});
    EXPECT_GT(tables[0].counted, 15000);
    EXPECT_GT(tables[1].counted, 50);
    EXPECT_GT(tables[4].counted, 0);
    EXPECT_LT(tables[4].counted, tables[2].counted);
    EXPECT_EQ(tables[8].counted, 0);
}

TEST_F(GatheredNodeTallies, TalliesAnswerOnlyTheirOwnRangeAndNodeChoice) {
    logs.write("CallLog_20040512.log", edgeDay);
    const RangeRequest some = limited(wholeDay(), {"512", "-0"}, {"3001"});
    reports::NodeTallies allDay(wholeDay());
    reports::NodeTallies chosen(some);
    store::RowWatchers watchers;
    watchers.add(&allDay);
    watchers.add(&chosen);
    ASSERT_EQ(load(logs.path(), {QDate(2004, 5, 12)}, &watchers).outcome, ingest::LoadOutcome::Loaded);

    EXPECT_TRUE(allDay.answers(wholeDay()));
    EXPECT_FALSE(allDay.answers(range(QTime(0, 0), QTime(23, 59, 58))));
    EXPECT_FALSE(allDay.answers(range(QTime(0, 0, 1), QTime(23, 59, 59))));
    EXPECT_FALSE(allDay.answers(some));
    EXPECT_FALSE(chosen.answers(wholeDay()));
    EXPECT_TRUE(chosen.answers(some));
    // The same numbers written otherwise.
    EXPECT_TRUE(chosen.answers(limited(wholeDay(), {"0", "+512"}, {"3001"})));
    // A node more on one side: its messages were not tallied.
    EXPECT_FALSE(chosen.answers(limited(wholeDay(), {"512", "-0", "513"}, {"3001"})));
    // A node fewer: messages of it were tallied.
    EXPECT_FALSE(chosen.answers(limited(wholeDay(), {"512"}, {"3001"})));
    EXPECT_FALSE(chosen.answers(limited(range(QTime(8, 0), QTime(17, 0)), {"512", "-0"}, {"3001"})));

    // Tallies that do not answer are not used: the report scans.
    store::ReportDatabase db(files.workingPath());
    RangeRequest window = range(QTime(8, 0), QTime(17, 0));
    window.nodes.veyraEntries = {"512", "513"};
    window.nodes.keldanEntries = {"3001", "3002"};
    EXPECT_EQ(build(db, window, NodeCount::DeliveredMessages, &allDay).rowTexts,
              build(db, window, NodeCount::DeliveredMessages, nullptr).rowTexts);
}

TEST(SerialTallies, ManyDistinctSerialsEachKeepTheirOwnTally) {
    reports::SerialTallies tallies;
    constexpr int serials = 200000;
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < serials; ++i)
            tallies.add({i % 2 == 0, i % 7 == 0, 1e15 + i * 0.5, -double(i), store::Nullable<double>::of(i)});
    ASSERT_EQ(tallies.veyra().serials().size(), std::size_t(serials));
    ASSERT_EQ(tallies.keldan().serials().size(), std::size_t(serials));
    EXPECT_EQ(tallies.messages(), 2 * serials);
    for (int i = 0; i < serials; i += 997) {
        const reports::NodeTally* veyra = tallies.veyra().find(1e15 + i * 0.5);
        ASSERT_NE(veyra, nullptr) << i;
        EXPECT_EQ(veyra->inboundMessages + veyra->outboundMessages, 2) << i;
        EXPECT_EQ(veyra->inboundNonDeliveries + veyra->outboundNonDeliveries, i % 7 == 0 ? 2 : 0) << i;
        EXPECT_EQ(veyra->inboundMegabytes + veyra->outboundMegabytes, 2 * (i / 1e6)) << i;
        const reports::NodeTally* keldan = tallies.keldan().find(-double(i));
        ASSERT_NE(keldan, nullptr) << i;
        EXPECT_EQ(keldan->inboundMessages + keldan->outboundMessages, 2) << i;
    }
    // Serial 0 was added as -0.0 on the Keldan side: one serial, found either way.
    EXPECT_EQ(tallies.keldan().find(0.0), tallies.keldan().find(-0.0));
    EXPECT_NE(tallies.keldan().find(0.0), nullptr);
    EXPECT_EQ(tallies.veyra().find(0.0), nullptr);
    EXPECT_EQ(tallies.keldan().find(1.0), nullptr);
    EXPECT_EQ(tallies.veyra().serials().front(), 1e15);
    EXPECT_EQ(std::bit_cast<uint64_t>(tallies.keldan().serials().front()), 0u);
}
