// The latency report over the events gathered while the load stored them
// gives what the report over the rows selected from the database gives: the
// same pairs, outbound rows and unmatched events, and the same stored table.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "catalogue/ReportRecipe.h"
#include "ingest/LoadData.h"
#include "ingest/LoadScene.h"
#include "reports/LatencyTable.h"
#include "reports/MessageEventGatherer.h"
#include "reports/PreparedLatency.h"
#include "reports/StoredLatencyRows.h"
#include "store/Query.h"
#include "store/RowWatchers.h"

using namespace varnel;

namespace {

// Case variants, a third event, events before their partner in the file, a
// negative zero and an empty serial number, identifiers with blanks, commas
// and bytes above 127, events in minute 0 and at the range bounds, and one
// identifier on two days.
constexpr std::string_view dayOne =
    "5/12/2004 0:00:10,INCOMING,1,20,2\n"
    "5/12/2004 0:00:20,NEW OUTGOING MESSAGE,512,3001,{M0},OK,100,1,100\n"
    "5/12/2004 0:01:20,CLEARED OUTGOING MESSAGE,512,3001,{M0},OK,100,1,100\n"
    "5/12/2004 8:00:00,NEW OUTGOING MESSAGE,512,3001,{AT-START},OK,100,1,100\n"
    "5/12/2004 8:01:00,CLEARED OUTGOING MESSAGE,512,3001,{at-start},OK,100,1,100\n"
    "5/12/2004 9:10:00,CLEARED OUTGOING MESSAGE,-0,3001,{LATE},OK,100,1,100\n"
    "5/12/2004 9:00:00,NEW OUTGOING MESSAGE,-0,3001,{late},OK,100,1,100\n"
    "5/12/2004 9:30:00,NEW OUTGOING MESSAGE,513,,{three},OK,100,1,100\n"
    "5/12/2004 9:31:00,CLEARED OUTGOING MESSAGE,513,,{THREE},OK,100,1,100\n"
    "5/12/2004 9:32:00,CLEARED OUTGOING MESSAGE,513,,{Three},OK,100,1,100\n"
    "5/12/2004 10:00:00,NEW INCOMING MESSAGE,514,3002, {in} ,OK,100,1,100\n"
    "5/12/2004 10:04:00,CLEARED INCOMING MESSAGE,514,3002, {in} ,OK,100,1,100\n"
    "5/12/2004 11:00:00,NEW OUTGOING MESSAGE,512,3002,\"x,y\",OK,100,1,100\n"
    "5/12/2004 11:00:00,CLEARED OUTGOING MESSAGE,512,3002,\xc3\xa9t\xc3\xa9,OK,100,1,100\n"
    "5/12/2004 11:02:00,CLEARED OUTGOING MESSAGE,512,3002,\xc3\xa9t\xc3\xa9,OK,100,1,100\n"
    "5/12/2004 12:00:00,NEW OUTGOING MESSAGE,512,3001,{lonely},OK,100,1,100\n"
    "5/12/2004 16:59:00,NEW OUTGOING MESSAGE,513,3002,{AT-END},OK,100,1,100\n"
    "5/12/2004 17:00:00,CLEARED OUTGOING MESSAGE,513,3002,{AT-END},OK,100,1,100\n"
    "5/12/2004 18:00:00,NEW OUTGOING MESSAGE,512,3001,{both-days},OK,100,1,100\n"
    "5/12/2004 18:05:00,DISCONNECT,1,20,1\n";
constexpr std::string_view dayTwo =
    "5/13/2004 7:00:00,OUTGOING,2,19,2\n"
    "5/13/2004 7:30:00,CLEARED OUTGOING MESSAGE,512,3001,{BOTH-DAYS},OK,100,1,100\n"
    "5/13/2004 9:00:00,NEW OUTGOING MESSAGE,77,4001,{second},OK,100,1,100\n"
    "5/13/2004 9:01:00,CLEARED OUTGOING MESSAGE,77,4001,{second},OK,100,1,100\n";

// What a row or pair is made of, as text, so that two pairings can be compared.
std::string eventText(const reports::MessageEvents& events, uint32_t e) {
    return events.guid(e).text() + "@" + std::to_string(events.secondsOfDay(e)) + "#" +
           std::to_string(events.messageType(e)) + "/" + std::to_string(events.veyraSerial(e)) + "/" +
           std::to_string(events.keldanSerial(e));
}

struct PairingTexts {
    std::vector<std::string> pairs;
    std::vector<std::string> unmatched;
    std::vector<std::string> outbound;
    bool operator==(const PairingTexts&) const = default;
};

PairingTexts texts(const reports::LatencyPairs& latency) {
    PairingTexts out;
    const reports::MessageEvents& events = *latency.events;
    for (const auto& pair : latency.pairing.pairs)
        out.pairs.push_back(eventText(events, pair.first) + " + " + eventText(events, pair.second));
    for (const auto& entry : latency.pairing.unmatched)
        out.unmatched.push_back(eventText(events, entry.event) + " first " +
                                eventText(events, entry.firstOfIdentifier));
    for (std::size_t r = 0; r < latency.outbound.size(); ++r) {
        const reports::LatencyRow row = latency.outbound[r];
        out.outbound.push_back(std::to_string(row.index) + " " + row.messageGuid.toStdString() + " " +
                               row.timeDelivered.toString().toStdString() + " " + std::to_string(row.secondsInQueue) +
                               " " + std::to_string(row.veyraNodeId) + " " + std::to_string(row.keldanNodeId));
    }
    return out;
}

// The texts of what the reports said.
QStringList saidBy(std::initializer_list<reports::BuiltReport> reports) {
    QStringList said;
    for (const reports::BuiltReport& report : reports)
        for (const platform::UserMessage& message : report.messages) said << message.text;
    return said;
}

class GatheredLatency : public ::testing::Test, protected test::LoadScene {
protected:
    void SetUp() override {
        logs.write("CallLog_20040512.log", dayOne);
        logs.write("CallLog_20040513.log", dayTwo);
        reports::MessageEventGatherer gatherer;
        reports::MessageEventGatherer withHeads{reports::RangeRequest{}};
        store::RowWatchers watchers;
        watchers.add(&gatherer);
        watchers.add(&withHeads);
        ingest::LoadRequest request{logs.path(), {QDate(2004, 5, 12), QDate(2004, 5, 13)}, QString(), &watchers};
        ASSERT_EQ(ingest::loadDays(request, files, state, observer).outcome, ingest::LoadOutcome::Loaded);
        gathered = gatherer.finish();
        EXPECT_FALSE(gatherer.takeHeads());
        gatheredWithHeads = withHeads.finish();
        wholeDayHeads = withHeads.takeHeads();
        ASSERT_TRUE(wholeDayHeads);
    }

    static reports::RangeRequest range(QTime from, QTime to) {
        reports::RangeRequest request;
        request.from = from;
        request.to = to;
        return request;
    }

    static reports::RangeRequest limited(const QStringList& veyra, const QStringList& keldan) {
        reports::RangeRequest request = range(QTime(0, 0), QTime(23, 59, 59));
        request.nodes.limitNodes = true;
        request.nodes.selectedVeyra = veyra;
        request.nodes.selectedKeldan = keldan;
        return request;
    }

    // The stored table, row by row.
    std::vector<std::string> storedRows() { return test::storedLatencyRows(files.workingPath()); }

    std::shared_ptr<const reports::MessageEvents> gathered;
    // The same events, gathered with the heads of the whole day's pairing.
    std::shared_ptr<const reports::MessageEvents> gatheredWithHeads;
    std::optional<reports::GroupHeads> wholeDayHeads;
};

}  // namespace

TEST_F(GatheredLatency, GatheredEventsPairAsTheSelectedRowsForEveryRangeAndNodeChoice) {
    ASSERT_EQ(gathered->size(), 21u);
    const std::vector<reports::RangeRequest> requests = {
        range(QTime(0, 0), QTime(23, 59, 59)),
        range(QTime(8, 0), QTime(17, 0)),
        range(QTime(9, 0), QTime(9, 31)),
        range(QTime(12, 0), QTime(12, 0)),
        limited({"512"}, {"3001", "3002"}),
        limited({"-0", "513"}, {"3001", "0"}),
        limited({"77"}, {"3001"}),
    };
    store::ReportDatabase db(files.workingPath());
    for (std::size_t i = 0; i < requests.size(); ++i) {
        const PairingTexts selected = texts(reports::pairMessageLatency(db, requests[i]));
        const PairingTexts fromLoad = texts(reports::pairMessageLatency(db, requests[i], gathered));
        EXPECT_EQ(fromLoad.pairs, selected.pairs) << "request " << i;
        EXPECT_EQ(fromLoad.unmatched, selected.unmatched) << "request " << i;
        EXPECT_EQ(fromLoad.outbound, selected.outbound) << "request " << i;
    }
    // The whole day: the minute-0 event is outside the strict lower bound, so
    // its partner stays alone, as do "x,y", {lonely} and the third event of
    // {three}; the identifier of two days pairs across them.
    const PairingTexts day = texts(reports::pairMessageLatency(db, requests[0], gathered));
    EXPECT_EQ(day.pairs.size(), 8u);
    EXPECT_EQ(day.unmatched.size(), 4u);
}

TEST_F(GatheredLatency, RowsReachTheCallerWhileTheTableIsStoredAndReadBackTheSame) {
    reports::ReportInputs inputs;
    inputs.kind = reports::ReportKind::Latency;
    inputs.range = range(QTime(0, 0), QTime(23, 59, 59));

    // The table as the report over the selected rows leaves it.
    std::vector<std::string> selectedTable;
    {
        store::ReportDatabase db(files.workingPath());
        catalogue::buildReport(db, inputs);
        selectedTable = storedRows();
    }

    inputs.messageEvents = gathered;
    store::ReportDatabase db(files.workingPath());
    std::vector<std::string> handed;
    const reports::BuiltReport built =
        catalogue::buildReport(db, inputs, nullptr, [&handed](const reports::BuiltReport& report) {
            const auto& rows = report.rows.as<reports::LatencyRows>();
            for (std::size_t r = 0; r < rows.size(); ++r) handed.push_back(rows[r].messageGuid.toStdString());
        });
    EXPECT_EQ(storedRows(), selectedTable);
    EXPECT_TRUE(saidBy({built}).isEmpty());

    const reports::LatencyRows readBack = reports::readOutboundLatency(db);
    const auto& rows = built.rows.as<reports::LatencyRows>();
    ASSERT_EQ(readBack.size(), rows.size());
    ASSERT_EQ(handed.size(), rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        EXPECT_EQ(rows[r], readBack[r]) << r;
        EXPECT_EQ(handed[r], readBack[r].messageGuid.toStdString());
    }
    // Delivery order by time of day.
    EXPECT_EQ(handed.front(), "{at-start}");
    EXPECT_EQ(handed.back(), "{both-days}");  // cleared on the 13th before it was queued on the 12th
}

TEST_F(GatheredLatency, PreparedPairsAreTheWholeDaysHandedOutOnceAndOnlyForTheWholeDay) {
    reports::PreparedLatency prepared(gathered);
    const reports::RangeRequest wholeDay = range(QTime(0, 0), QTime(23, 59, 59));
    EXPECT_EQ(prepared.take(range(QTime(0, 0), QTime(23, 59, 58))), nullptr);
    EXPECT_EQ(prepared.take(range(QTime(0, 0, 1), QTime(23, 59, 59))), nullptr);
    EXPECT_EQ(prepared.take(limited({"512", "513", "-0", "77"}, {"3001", "3002", "4001", "0"})), nullptr);

    const std::shared_ptr<const reports::LatencyPairs> pairs = prepared.take(wholeDay);
    ASSERT_NE(pairs, nullptr);
    store::ReportDatabase db(files.workingPath());
    const PairingTexts selected = texts(reports::pairLatencyEvents(db, wholeDay));
    const PairingTexts fromPrepared = texts(*pairs);
    EXPECT_EQ(fromPrepared.pairs, selected.pairs);
    EXPECT_EQ(fromPrepared.unmatched, selected.unmatched);
    EXPECT_EQ(prepared.take(wholeDay), nullptr);

    EXPECT_EQ(reports::PreparedLatency(nullptr).take(wholeDay), nullptr);

    // Made from the heads kept while the events were gathered, they are
    // the same: the events of minute 0, outside the strict bounds, left out.
    reports::PreparedLatency fromHeads(gatheredWithHeads, std::move(wholeDayHeads));
    const std::shared_ptr<const reports::LatencyPairs> headed = fromHeads.take(wholeDay);
    ASSERT_NE(headed, nullptr);
    EXPECT_EQ(texts(*headed).pairs, selected.pairs);
    EXPECT_EQ(texts(*headed).unmatched, selected.unmatched);
}

TEST_F(GatheredLatency, AReportOverAnotherRangeLeavesThePreparedPairsToTheWholeDaysReport) {
    reports::ReportInputs inputs;
    inputs.kind = reports::ReportKind::Latency;
    inputs.range = range(QTime(0, 0), QTime(23, 59, 59));
    inputs.messageEvents = gathered;
    std::vector<std::string> ownTable;
    std::vector<std::string> ownRows;
    const auto guids = [](const reports::BuiltReport& report) {
        std::vector<std::string> out;
        const auto& rows = report.rows.as<reports::LatencyRows>();
        for (std::size_t r = 0; r < rows.size(); ++r) out.push_back(rows[r].messageGuid.toStdString());
        return out;
    };
    QStringList said;
    const auto build = [&](store::ReportDatabase& db, const reports::ReportInputs& in) {
        const reports::BuiltReport report = catalogue::buildReport(db, in);
        said += saidBy({report});
        return report;
    };
    {
        store::ReportDatabase db(files.workingPath());
        ownRows = guids(build(db, inputs));
        ownTable = storedRows();
    }

    inputs.preparedLatency = std::make_shared<reports::PreparedLatency>(gathered);
    reports::ReportInputs morning = inputs;
    morning.range = range(QTime(8, 0), QTime(12, 0));
    store::ReportDatabase db(files.workingPath());
    // Strictly after 08:00 and outbound only, in delivery order over both days.
    EXPECT_EQ(guids(build(db, morning)),
              (std::vector<std::string>{"{second}", "{LATE}", "{THREE}", "\xc3\xa9t\xc3\xa9"}));

    EXPECT_EQ(guids(build(db, inputs)), ownRows);
    EXPECT_EQ(storedRows(), ownTable);
    EXPECT_TRUE(said.isEmpty());
    EXPECT_EQ(inputs.preparedLatency->take(inputs.range), nullptr);
}
