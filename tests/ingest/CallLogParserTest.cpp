// ParseLogFile over small logs: rows, counters, serial lists, failures.
#include <gtest/gtest.h>

#include <string>

#include "RecordingObserver.h"
#include "TestFiles.h"
#include "ingest/CallLogParser.h"

using namespace varnel;
using ingest::CallLogParser;
using test::CollectingSink;
using test::RecordingObserver;

namespace {

std::string text(const store::StoredTime& t) {
    const auto chars = t.text();
    return {chars.data(), chars.size()};
}

class ParseLog : public ::testing::Test {
protected:
    void parse(std::string_view log, const QString& name = QStringLiteral("CallLog_20040512.log")) {
        CallLogParser parser(state, sink, observer);
        parser.parseFile(folder.write(name, log));
    }
    std::vector<store::PortRecord> ports() const { return sink.portsInOrder(); }

    test::TempFolder folder;
    ingest::IngestState state;
    CollectingSink sink;
    RecordingObserver observer;
};

}  // namespace

TEST_F(ParseLog, CallAndDisconnectCompleteEachOther) {
    parse(
        "5/12/2004 10:15:30,INCOMING,7,40,8\r\n"
        "5/12/2004 10:17:05,DISCONNECT,7,41,7\r\n");
    const auto rows = ports();
    ASSERT_EQ(rows.size(), 2u);
    const auto& call = rows[0];
    EXPECT_EQ(call.callType, 1);
    EXPECT_EQ(call.port, 7);
    EXPECT_EQ(call.startMinute, 615);
    EXPECT_EQ(call.seconds.value, 95);
    EXPECT_EQ(call.endMinute.value, 617);
    EXPECT_EQ(text(call.endTime.value), "2004-05-12 10:17:05");
    const auto& hangup = rows[1];
    EXPECT_EQ(hangup.callType, 99);
    EXPECT_EQ(text(hangup.startTime), "2004-05-12 10:17:05");
    EXPECT_EQ(text(hangup.endTime.value), "2004-05-12 10:17:05");
    EXPECT_EQ(hangup.startMinute, 617);
    EXPECT_FALSE(hangup.seconds.present);
    EXPECT_FALSE(hangup.endMinute.present);
    EXPECT_EQ(state.counters.inboundCalls, 1);
    EXPECT_EQ(state.peakAvailableLines, 40);
    EXPECT_TRUE(observer.messages.empty());
}

TEST_F(ParseLog, OnlyTheLatestCallOnAPortIsClosed) {
    parse(
        "5/12/2004 10:00:00,INCOMING,5,40,1\n"
        "5/12/2004 10:01:00,outgoing,5,39,2\n"
        "5/12/2004 10:02:00,DISCONNECT,5,40,1\n"
        "5/12/2004 10:03:00,DISCONNECT,6,40,1\n");
    const auto rows = ports();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_FALSE(rows[0].endTime.present);
    EXPECT_EQ(rows[1].callType, 2);
    EXPECT_EQ(rows[1].seconds.value, 60);
    EXPECT_EQ(rows[2].callType, 99);
    EXPECT_EQ(state.counters.inboundCalls, 1);
    EXPECT_EQ(state.counters.outboundCalls, 1);
}

TEST_F(ParseLog, OpenCallsDoNotCarryIntoTheNextFile) {
    parse("5/12/2004 23:59:00,INCOMING,3,40,1\n");
    parse("5/13/2004 00:01:00,DISCONNECT,3,40,0\n", QStringLiteral("CallLog_20040513.log"));
    const auto rows = ports();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_FALSE(rows[0].endTime.present);
}

TEST_F(ParseLog, CallOverMidnightGetsItsTrueLength) {
    parse(
        "5/12/2004 23:59:30,INCOMING,3,40,1\n"
        "5/13/2004 00:00:15,DISCONNECT,3,40,0\n");
    EXPECT_EQ(ports()[0].seconds.value, 45);
    EXPECT_EQ(ports()[0].endMinute.value, 0);
}

TEST_F(ParseLog, ShortLinesAndUnknownKeywords) {
    state.reportDate = store::StoredTime{2000, 1, 1, 0, 0, 0};
    parse("5/12/2004 10:00:00,INCOMING,1,2\n");
    EXPECT_TRUE(sink.ports.empty());
    EXPECT_EQ(text(state.reportDate), "2000-01-01 00:00:00");

    parse("5/12/2004 11:00:00, INCOMING,1,2,3\n");
    EXPECT_TRUE(sink.ports.empty());
    EXPECT_EQ(state.counters.inboundCalls, 0);
    EXPECT_EQ(text(state.reportDate), "2004-05-12 11:00:00");
}

TEST_F(ParseLog, MessageRowsAndNdnCounting) {
    parse(
        "5/12/2004 10:15:59,NEW OUTGOING MESSAGE,512,3001,{A'b},NDN,250000,3,900000\n"
        "5/12/2004 10:20:00,CLEARED OUTGOING MESSAGE,512,3001,{a'B},ndn,250000,2,650000\n"
        "5/12/2004 10:21:00,new incoming message,12,3001,{C},OK,1000,1,1000\n"
        "5/12/2004 10:22:00,CLEARED INCOMING MESSAGE,12,3002,{C},NDN,1000,0,0\n");
    ASSERT_EQ(sink.messages.size(), 4u);
    const auto& first = sink.messages[0].row;
    EXPECT_EQ(std::string(first.time.timeOfDayText().data(), 8), "10:15:00");
    EXPECT_EQ(first.startMinute, 615);
    EXPECT_EQ(first.messageType, 4);
    EXPECT_EQ(first.errorState, 0);
    EXPECT_EQ(first.veyraSerial, 512);
    EXPECT_EQ(first.totalQueueSize.value, 900000);
    EXPECT_EQ(sink.messages[0].guid, "{A'b}");
    EXPECT_EQ(sink.messages[1].row.errorState, 1);
    EXPECT_EQ(sink.messages[2].row.messageType, 3);
    EXPECT_EQ(sink.messages[3].row.errorState, 1);

    const auto& c = state.counters;
    EXPECT_EQ(c.outboundMessagesDelivered, 1);
    EXPECT_EQ(c.inboundMessagesDelivered, 1);
    EXPECT_EQ(c.outboundNdns, 1);
    EXPECT_EQ(c.inboundNdns, 1);
    EXPECT_EQ(state.veyraSerials.nodes(), (QStringList{"512", "12"}));
    EXPECT_EQ(state.keldanSerials.nodes(), (QStringList{"3001", "3002"}));
}

TEST_F(ParseLog, SerialListsIgnoreCaseAndKeepFirstSpelling) {
    parse(
        "5/12/2004 10:00:00,NEW OUTGOING MESSAGE,ab1,K9,{G},OK,1,1,1\n"
        "5/12/2004 10:00:00,NEW OUTGOING MESSAGE,AB1,k9,{H},OK,1,1,1\n");
    EXPECT_EQ(state.veyraSerials.nodes(), QStringList{"ab1"});
    EXPECT_EQ(state.keldanSerials.nodes(), QStringList{"K9"});
}

TEST_F(ParseLog, MissingMessageFieldsStayEmptyAndAreReportedOnce) {
    parse("5/12/2004 10:00:00,NEW OUTGOING MESSAGE,512,3001,{G}\n");
    ASSERT_EQ(sink.messages.size(), 1u);
    const auto& row = sink.messages[0].row;
    EXPECT_FALSE(row.messageSize.present);
    EXPECT_FALSE(row.messagesInQueue.present);
    EXPECT_FALSE(row.totalQueueSize.present);
    ASSERT_EQ(observer.messages.size(), 1u);
    const QString message = observer.messages[0].text;
    EXPECT_TRUE(message.startsWith("Error in ParseLogFile routine: Subscript out of range")) << message.toStdString();
    // The file and the first failure's line follow the first failure; the
    // further ones are listed without it.
    EXPECT_TRUE(message.contains(" Number=9\r\n" + folder.file("CallLog_20040512.log") +
                                 ", line 1\r\n3 more failures in this file:"))
        << message.toStdString();
    EXPECT_EQ(message.count("\r\nline 1: "), 3);
    EXPECT_EQ(message.count("field 5"), 1);
}

TEST_F(ParseLog, FailingValuesKeepTheirPreviousValue) {
    parse(
        "5/12/2004 10:00:00,INCOMING,4,30,2\n"
        "garbage,INCOMING,99999,40000,3\n"
        "5/12/2004 10:05:00,OUTGOING,121,28,4\n"
        "5/12/2004 10:06:00,DISCONNECT,-1,28,4\n");
    const auto rows = ports();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].port, 4);  // overflow keeps the previous port
    EXPECT_EQ(rows[1].linesAvailable, 30);
    EXPECT_EQ(rows[1].linesInUse, 3);
    EXPECT_EQ(text(rows[1].startTime), "2004-05-12 10:00:00");  // time stamp failed
    EXPECT_EQ(rows[2].port, 121);                               // out of range: row kept, no open call
    EXPECT_FALSE(rows[2].endTime.present);
    ASSERT_EQ(observer.messages.size(), 1u);
    const QString message = observer.messages[0].text;
    EXPECT_TRUE(message.contains("Type mismatch")) << message.toStdString();
    EXPECT_TRUE(message.contains("line 2: Overflow"));
    EXPECT_TRUE(message.contains("line 3: Subscript out of range: port 121"));
    EXPECT_TRUE(message.contains("line 4: Subscript out of range: port -1"));
}

TEST_F(ParseLog, ManyFailuresListTenLines) {
    std::string log;
    for (int i = 0; i < 500; ++i) log += "bad time,INCOMING,1,1,1\n";
    parse(log);
    ASSERT_EQ(observer.messages.size(), 1u);
    EXPECT_TRUE(observer.messages[0].text.contains("499 more failures"));
    EXPECT_EQ(observer.messages[0].text.count("\r\nline "), 10);
    EXPECT_EQ(sink.ports.size(), 500u);
}

TEST_F(ParseLog, LineEndingsAndOddBytes) {
    parse(
        "5/12/2004 10:00:00,INCOMING,1,5,1\r\n5/12/2004 10:00:01,DISCONNECT,1,5,0\n"
        "5/12/2004 10:00:02,NEW INCOMING MESSAGE,\xe9t\xe9,3001,{\xff\"; DROP TABLE RawPortData;--},OK,1,1,1");
    EXPECT_EQ(ports().size(), 2u);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].guid, "{\xc3\xbf\"; DROP TABLE RawPortData;--}");  // Latin-1 read as UTF-8
    EXPECT_EQ(state.veyraSerials.nodes(), QStringList{QString::fromUtf8("\xc3\xa9t\xc3\xa9")});
}

TEST_F(ParseLog, LinesEndingInALoneCarriageReturnAreEachRead) {
    // As an older gateway or a copy through a classic Mac tool writes them;
    // the ends may be mixed within one file.
    parse(
        "5/12/2004 10:15:30,INCOMING,7,40,8\r"
        "5/12/2004 10:16:00,NEW OUTGOING MESSAGE,512,3001,{A},OK,100,1,100\r"
        "5/12/2004 10:17:05,DISCONNECT,7,41,7\r\n"
        "5/12/2004 10:18:00,OUTGOING,8,40,9\r");
    const auto rows = ports();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].seconds.value, 95);
    EXPECT_EQ(rows[2].callType, 2);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].guid, "{A}");
    EXPECT_EQ(sink.messages[0].row.totalQueueSize.value, 100);
    EXPECT_EQ(state.counters.inboundCalls, 1);
    EXPECT_EQ(state.counters.outboundCalls, 1);
    EXPECT_EQ(observer.lastLineCount, 4);
    EXPECT_TRUE(observer.messages.empty());
}

TEST_F(ParseLog, EmptyAndBinaryFilesWriteNothingAndDoNotCrash) {
    parse("");
    EXPECT_EQ(observer.lastLineCount, 0);
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 37) % 256));
    parse(binary);
    EXPECT_TRUE(sink.ports.empty());
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ParseLog, UnreadableFileIsReportedWithoutRows) {
    CallLogParser parser(state, sink, observer);
    parser.parseFile(folder.file("CallLog_20040512_missing.log"));
    ASSERT_EQ(observer.messages.size(), 1u);
    EXPECT_TRUE(observer.messages[0].text.startsWith("Error in ParseLogFile routine: Cannot open"));
    EXPECT_TRUE(observer.messages[0].text.contains(" Number=75\r\n" + folder.file("CallLog_20040512_missing.log")));
}

TEST_F(ParseLog, LineLimitIsOneMillion) {
    std::string log;
    log.reserve(2'000'002);
    log += "5/12/2004 10:00:00,INCOMING,1,5,1\n";
    for (int i = 1; i < 1'000'000; ++i) log += "x\n";
    parse(log);
    EXPECT_EQ(sink.ports.size(), 1u);
    EXPECT_EQ(observer.lastLineCount, 1'000'000);
    EXPECT_TRUE(observer.messages.empty());

    log += "x";  // a last line without its line end still counts
    sink.ports.clear();
    parse(log);
    EXPECT_TRUE(sink.ports.empty());
    ASSERT_EQ(observer.messages.size(), 1u);
    EXPECT_EQ(observer.messages[0].text, QStringLiteral("More than 1,000,000 lines read in log file.  Too many to "
                                                        "process.\r\n") +
                                             folder.file("CallLog_20040512.log"));
    EXPECT_EQ(observer.messages[0].title, QStringLiteral("Varnel Traffic Report Failure"));
    EXPECT_EQ(observer.messages[0].icon, platform::UserMessage::Icon::Exclamation);
}

TEST_F(ParseLog, LinesLongerThanTheReadBufferAreWhole) {
    std::string log = "5/12/2004 10:00:00,NEW OUTGOING MESSAGE,512,3001,{G},OK,1,1,1,";
    log.append(3'000'000, 'z');
    log += "\r\n5/12/2004 10:00:01,CLEARED OUTGOING MESSAGE,512,3001,{G},NDN,1,1,1";
    parse(log);
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[1].row.errorState, 1);
    EXPECT_EQ(observer.lastLineCount, 2);
}

TEST_F(ParseLog, PortRowsReachTheSinkInRowIdOrder) {
    // A call on port 1 stays open while 5,000 short calls on port 2 pass:
    // more rows than one batch, all of them after the open call's row id.
    std::string log = "5/12/2004 10:00:00,INCOMING,1,5,1\n";
    for (int i = 0; i < 5000; ++i) log += "5/12/2004 10:00:01,OUTGOING,2,5,2\n5/12/2004 10:00:02,DISCONNECT,2,5,1\n";
    log += "5/12/2004 10:00:03,DISCONNECT,1,5,0\n";
    parse(log);
    ASSERT_EQ(sink.ports.size(), 10'002u);
    for (std::size_t i = 0; i < sink.ports.size(); ++i) EXPECT_EQ(sink.ports[i].rowId, static_cast<int64_t>(i) + 1);
    EXPECT_EQ(sink.ports[0].seconds.value, 3);
}

TEST_F(ParseLog, ACallOpenForLongDoesNotHoldBackEveryRow) {
    std::string log = "5/12/2004 10:00:00,INCOMING,1,5,1\n";
    for (int i = 0; i < 40'000; ++i) log += "5/12/2004 10:00:01,OUTGOING,2,5,2\n5/12/2004 10:00:02,DISCONNECT,2,5,1\n";
    log += "5/12/2004 10:00:03,DISCONNECT,1,5,0\n";
    parse(log);
    ASSERT_EQ(sink.ports.size(), 80'002u);
    // Rows went on while the call was open; its own row came after them.
    EXPECT_EQ(sink.ports[0].rowId, 2);
    const auto rows = ports();
    for (std::size_t i = 0; i < rows.size(); ++i) ASSERT_EQ(rows[i].rowId, static_cast<int64_t>(i) + 1);
    EXPECT_EQ(rows[0].seconds.value, 3);
}

TEST_F(ParseLog, CallsOpenWhileManyRowsGoAroundThemAreStillCompleted) {
    // Calls on ports 1 and 3, a short call apart, stay open while more rows
    // pass than may wait, calls on port 121 (out of range, never open) among
    // them; then port 3 ends, more rows pass, and port 1 ends.
    const std::string shortCall =
        "5/12/2004 10:00:02,OUTGOING,2,5,2\n5/12/2004 10:00:02,INCOMING,121,5,3\n"
        "5/12/2004 10:00:03,DISCONNECT,2,5,1\n";
    std::string log = "5/12/2004 10:00:00,INCOMING,1,5,1\n" + shortCall + "5/12/2004 10:00:01,OUTGOING,3,5,2\n";
    for (int i = 0; i < 15'000; ++i) log += shortCall;
    log += "5/12/2004 10:00:04,DISCONNECT,3,5,1\n";
    for (int i = 0; i < 15'000; ++i) log += shortCall;
    log += "5/12/2004 10:00:09,DISCONNECT,1,5,0\n";
    parse(log);

    const auto rows = ports();
    ASSERT_EQ(rows.size(), 2u + 3 * 30'001 + 2);
    for (std::size_t i = 0; i < rows.size(); ++i) ASSERT_EQ(rows[i].rowId, static_cast<int64_t>(i) + 1);
    EXPECT_EQ(rows[0].seconds.value, 9);
    EXPECT_EQ(rows[4].port, 3);
    EXPECT_EQ(rows[4].seconds.value, 3);
    EXPECT_EQ(text(rows[4].endTime.value), "2004-05-12 10:00:04");
    EXPECT_EQ(rows[2].port, 121);
    EXPECT_FALSE(rows[2].endTime.present);
    for (const auto& row : rows) {
        if (row.port == 2 && row.callType == 2) {
            ASSERT_EQ(row.seconds.value, 1);
        }
    }
    // Rows went while the calls were open, before their own rows.
    EXPECT_EQ(sink.ports.front().rowId, 2);
}
