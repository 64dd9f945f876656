// varnel-report's load: options, exit codes and what it prints.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "ReportTool.h"
#include "TestFiles.h"
#include "commandline/CliOptions.h"
#include "platform/FileNameBytes.h"

using namespace varnel;
using test::runReportTool;

namespace {

constexpr std::string_view day12 =
    "5/12/2004 10:00:00,INCOMING,1,40,1\r\n"
    "5/12/2004 10:00:30,NEW OUTGOING MESSAGE,512,3001,{A},OK,100,1,100\r\n";
constexpr std::string_view day13 =
    "2004-05-13 10:00:00,OUTGOING,1,40,1\n"
    "2004-05-13 10:00:30,NEW INCOMING MESSAGE,512,3001,{B},OK,100,1,100\n";

}  // namespace

TEST(ReportCommand, ListsDaysAndLoadsThemAll) {
    test::TempFolder logs, data;
    logs.write("CallLog_20040512.log", day12);
    logs.write("CallLog_20040513.log", day13);

    const auto list = runReportTool({"--logs", logs.path(), "--list-days"});
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_EQ(list.out, "05/12/2004 Wednesday\n05/13/2004 Thursday\n");

    const QString db = data.file("kept.db");
    const auto load = runReportTool({"--logs", logs.path(), "--db", db, "--data-dir", data.path()});
    EXPECT_EQ(load.exitCode, 0) << load.err.toStdString();
    EXPECT_EQ(load.out,
              "Traffic information found in logs for 05/12/2004 Wednesday\n"
              "Inbound Calls=1\nOutbound Calls=1\nInbound Messages Delivered=1\n"
              "Outbound Messages Delivered=1\nInbound NDNs=0\nOutbound NDNs=0\n");
    EXPECT_TRUE(QFileInfo::exists(db));
    EXPECT_TRUE(QFileInfo::exists(data.file("CleanPortData.db")));

    const auto one = runReportTool({"--logs", logs.path(), "--day", "2004-05-13", "--data-dir", data.path()});
    EXPECT_EQ(one.exitCode, 0);
    EXPECT_TRUE(one.out.contains("Inbound Calls=0\nOutbound Calls=1\n")) << one.out.toStdString();
}

TEST(ReportCommand, AFolderAndLogsWhoseNamesAreNotUtf8AreListedAndRead) {
    test::TempFolder parent, data;
    const QString logs = parent.makeFolderBytesNamed("logs \xfe");
    parent.writeBytesNamed("logs \xfe/CallLog_20040512_\xff.log", day12);
    parent.writeBytesNamed("logs \xfe/CallLog_20040513.log", day13);
    const QByteArray folder = platform::fileNameBytes(logs);

    const auto list = test::runReportToolWithBytes({"--logs", folder, "--list-days"});
    EXPECT_EQ(list.exitCode, 0) << list.err.toStdString();
    EXPECT_EQ(list.out, "05/12/2004 Wednesday\n05/13/2004 Thursday\n");

    const auto load = test::runReportToolWithBytes(
        {"--logs", folder, "--data-dir", QFile::encodeName(data.path()), "--day", "2004-05-12"});
    EXPECT_EQ(load.exitCode, 0) << load.err.toStdString();
    EXPECT_TRUE(load.out.contains("Inbound Calls=1\n")) << load.out.toStdString();

    // A day without its log names the folder with the undecodable byte shown
    // as such.
    const auto missing = test::runReportToolWithBytes({"--logs", folder, "--day", "2004-05-14"});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_TRUE(missing.err.contains(QString::fromUtf8("logs \xef\xbf\xbd for the day 05/14/2004")))
        << missing.err.toStdString();
}

TEST(ReportCommand, ExitCodesForBadArgumentsAndMissingData) {
    test::TempFolder logs, data;
    EXPECT_EQ(runReportTool({}).exitCode, 2);
    EXPECT_EQ(runReportTool({"--logs", logs.path(), "--day", "31/31/2004"}).exitCode, 2);
    EXPECT_EQ(runReportTool({"--logs", logs.path(), "--bogus"}).exitCode, 2);

    const auto help = runReportTool({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--list-days"));

    EXPECT_EQ(runReportTool({"--logs", logs.path(), "--data-dir", data.path()}).exitCode, 3);
    logs.write("CallLog_20040512.log", day12);
    const auto noDay = runReportTool({"--logs", logs.path(), "--day", "05/14/2004", "--data-dir", data.path()});
    EXPECT_EQ(noDay.exitCode, 3);
    EXPECT_TRUE(noDay.err.contains("05/14/2004 Friday"));

    logs.write("CallLog_20040515.log", "5/15/2004 10:00:00,INCOMING,1,40,1\n");
    const auto noMessages = runReportTool({"--logs", logs.path(), "--day", "5/15/2004", "--data-dir", data.path()});
    EXPECT_EQ(noMessages.exitCode, 3);
    EXPECT_EQ(noMessages.err, "No message traffic data found in selected logs!\n");
}

TEST(ReportCommand, UnwritableDataFolderIsAFailure) {
    test::TempFolder logs;
    logs.write("CallLog_20040512.log", day12);
    const auto run = runReportTool({"--logs", logs.path(), "--data-dir", "/proc/varnel-nowhere"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Unable to open database at:")) << run.err.toStdString();
}

TEST(ReportCommand, DayOptionForms) {
    EXPECT_EQ(cli::parseDayOption("05/12/2004"), QDate(2004, 5, 12));
    EXPECT_EQ(cli::parseDayOption("5/2/2004"), QDate(2004, 5, 2));
    EXPECT_EQ(cli::parseDayOption("2004-05-12"), QDate(2004, 5, 12));
    EXPECT_FALSE(cli::parseDayOption("12.05.2004").has_value());
}

TEST(ReportCommand, EachMessageIsOneLineOfStandardError) {
    test::TempFolder logs, data;
    logs.write("CallLog_20040512.log", std::string(day12) + "bad,INCOMING,1,1,1\nbad,INCOMING,1,1,1\n");
    const auto run = runReportTool({"--logs", logs.path(), "--data-dir", data.path()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith("Error in ParseLogFile routine: Type mismatch"));
    EXPECT_TRUE(run.err.contains("Number=13 " + logs.file("CallLog_20040512.log") +
                                 ", line 3 1 more failure in this file: line 4: "))
        << run.err.toStdString();
}
