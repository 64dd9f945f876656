// Logs that are not what they seem: names that lead to devices, FIFOs or
// folders, files that change between the count and the parse, and counts
// that must stop at the line limit.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <functional>
#include <string>

#include "QtPrinting.h"
#include "RecordingObserver.h"
#include "TestFiles.h"
#include "ingest/CallLogParser.h"
#include "ingest/DayList.h"
#include "ingest/LogFileReader.h"

using namespace varnel;
using ingest::CallLogParser;

namespace {

// Runs an action once the file is counted, before its lines are parsed.
class ActingObserver : public test::RecordingObserver {
public:
    void fileStarted(const QString& path, int64_t lineCount) override {
        RecordingObserver::fileStarted(path, lineCount);
        if (onStart) onStart(path);
    }
    std::function<void(const QString&)> onStart;
};

class UnusualLogs : public ::testing::Test {
protected:
    void parse(const QString& path) {
        CallLogParser parser(state, sink, observer);
        parser.parseFile(path);
    }
    static std::string calls(int count) {
        std::string log;
        for (int i = 0; i < count; ++i) log += "5/12/2004 10:00:00,INCOMING,1,5,1\n";
        return log;
    }

    test::TempFolder folder;
    ingest::IngestState state;
    test::CollectingSink sink;
    ActingObserver observer;
};

TEST_F(UnusualLogs, NamesThatAreNoRegularFileAreSkippedAndNamed) {
    const QString device = folder.file("CallLog_20040512.log");
    const QString fifo = folder.file("CallLog_20040512_2.log");
    const QString directory = folder.file("CallLog_20040512_3.log");
    ASSERT_TRUE(QFile::link("/dev/zero", device));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkpath(directory));

    // None is a log of the day; and should one take a log's place after the
    // folder was listed, the parser reads none of them (a device would be
    // read forever, a FIFO would wait for a writer).
    EXPECT_TRUE(ingest::logFilesOfDay(folder.path(), QDate(2004, 5, 12)).isEmpty());
    for (const QString& path : {device, fifo, directory}) parse(path);
    ASSERT_EQ(observer.messages.size(), 3u);
    EXPECT_EQ(observer.messages[0].text, "Skipped, not a regular file (a device):\r\n" + device);
    EXPECT_EQ(observer.messages[1].text, "Skipped, not a regular file (a FIFO):\r\n" + fifo);
    EXPECT_EQ(observer.messages[2].text, "Skipped, not a regular file (a folder):\r\n" + directory);
    EXPECT_TRUE(observer.startedFiles.isEmpty());
}

TEST_F(UnusualLogs, ALinkToARegularLogIsRead) {
    const QString real = folder.write("elsewhere.log", calls(2));
    const QString link = folder.file("CallLog_20040512.log");
    ASSERT_TRUE(QFile::link(real, link));
    parse(link);
    EXPECT_EQ(sink.ports.size(), 2u);
    EXPECT_TRUE(observer.messages.empty());
}

TEST_F(UnusualLogs, LinesWrittenAfterTheCountAreNotParsed) {
    const QString path = folder.write("CallLog_20040512.log", calls(3));
    observer.onStart = [](const QString& started) {
        QFile file(started);
        if (file.open(QIODevice::Append)) file.write(calls(5).c_str());
    };
    parse(path);
    EXPECT_EQ(observer.lastLineCount, 3);
    EXPECT_EQ(sink.ports.size(), 3u);
    EXPECT_EQ(state.counters.inboundCalls, 3);
    EXPECT_TRUE(observer.messages.empty());
}

TEST_F(UnusualLogs, AFileCutShortWhileItIsParsedIsReportedByName) {
    const std::string log = calls(4000);
    const QString path = folder.write("CallLog_20040512.log", log);
    observer.onStart = [&log](const QString& started) {
        EXPECT_EQ(::truncate(QFile::encodeName(started).constData(), static_cast<off_t>(log.size() / 2)), 0);
    };
    parse(path);
    EXPECT_EQ(observer.lastLineCount, 4000);
    EXPECT_EQ(sink.ports.size(), 2000u);
    ASSERT_EQ(observer.messages.size(), 1u);
    const QString message = observer.messages[0].text;
    EXPECT_TRUE(
        message.startsWith("Error in ParseLogFile routine: Input past end of file: the file became shorter "
                           "while it was read; the lines after line 2000 are missing Number=62\r\n" +
                           path))
        << message.toStdString();
}

TEST_F(UnusualLogs, CountingStopsAtTheLineAfterTheLimit) {
    // A million and one short lines, then a terabyte of holes: a count that
    // read on to the end would not finish within the test's time.
    std::string lines;
    lines.reserve(2'000'004);
    for (int64_t i = 0; i <= CallLogParser::lineLimit; ++i) lines += "x\n";
    const QString path = folder.write("CallLog_20040512.log", lines);
    if (::truncate(QFile::encodeName(path).constData(), off_t{1} << 40) != 0)
        GTEST_SKIP() << "this file system holds no sparse terabyte file";

    ingest::LogFileReader reader(path);
    ASSERT_EQ(reader.open(), ingest::LogFileReader::Opened::Yes);
    EXPECT_EQ(reader.countLines(CallLogParser::lineLimit), CallLogParser::lineLimit + 1);
    parse(path);
    ASSERT_EQ(observer.messages.size(), 1u);
    EXPECT_TRUE(observer.messages[0].text.startsWith("More than 1,000,000 lines"));
    EXPECT_TRUE(observer.messages[0].text.endsWith("\r\n" + path));
    EXPECT_TRUE(observer.startedFiles.isEmpty());
}

TEST_F(UnusualLogs, ExactlyTheLimitIsCountedWhole) {
    ingest::LogFileReader reader(folder.write("CallLog_20040512.log", calls(5)));
    ASSERT_EQ(reader.open(), ingest::LogFileReader::Opened::Yes);
    EXPECT_EQ(reader.countLines(5), 5);
    EXPECT_EQ(reader.countLines(4), 5);
    std::string_view line;
    int parsed = 0;
    while (reader.nextLine(line)) ++parsed;
    EXPECT_EQ(parsed, 5);
    EXPECT_FALSE(reader.cutShort());
}

}  // namespace
