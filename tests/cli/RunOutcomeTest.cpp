// What a varnel-report run writes and what its status says when logs could
// not be read in full, when its own outputs are named as the page or the
// database, when another run writes into its output folder, and when the
// latency report's diagnostic file cannot be made.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>

#include "LockFiles.h"
#include "ReportTool.h"
#include "TestFiles.h"
#include "UnreadableLogs.h"

using namespace varnel;
using test::runReportTool;

namespace {

constexpr std::string_view day12 =
    "5/12/2004 10:00:00,INCOMING,1,40,1\r\n"
    "5/12/2004 10:00:30,NEW OUTGOING MESSAGE,512,3001,{A},OK,100,1,100\r\n"
    "5/12/2004 10:02:30,CLEARED OUTGOING MESSAGE,512,3001,{A},OK,100,1,100\r\n"
    "5/12/2004 10:03:30,NEW OUTGOING MESSAGE,512,3001,{B},OK,100,1,100\r\n";

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

class RunOutcome : public ::testing::Test {
protected:
    void SetUp() override { logs.write("CallLog_20040512.log", day12); }
    QStringList base() const { return {"--logs", logs.path(), "--data-dir", data.path(), "--out-dir", out.path()}; }

    test::TempFolder logs, data, out;
};

TEST_F(RunOutcome, LogsNotReadInFullFailTheRunAfterTheReportsOfWhatWasRead) {
    const QStringList notReadInFull = test::writeLogsNotReadInFull(logs, "20040512");
    ASSERT_EQ(notReadInFull.size(), 3);

    const auto run = runReportTool(base() + QStringList{"--report", "port-availability"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.startsWith("Traffic information found in logs for 05/12/2004 Wednesday\n"));
    EXPECT_TRUE(QFile::exists(out.file("PortAvailabilitySummary_5_12_2004.csv")));
    for (const QString& path : notReadInFull)
        EXPECT_TRUE(run.err.contains("The log file " + path + " was not read in full.\n")) << run.err.toStdString();

    // A day whose only log cannot be read is a failure, not a day without traffic.
    ASSERT_TRUE(QFile::link(logs.file("gone.log"), logs.file("CallLog_20040513.log")));
    EXPECT_EQ(runReportTool(base() + QStringList{"--day", "05/13/2004"}).exitCode, 1);

    // Line-level faults leave the status alone.
    for (const QString& path : notReadInFull) QFile::remove(path);
    QFile::remove(logs.file("CallLog_20040513.log"));
    logs.write("CallLog_20040512_2.log", "5/12/2004 25:00:00,INCOMING,3,40,1\r\n");
    const auto lines = runReportTool(base());
    EXPECT_EQ(lines.exitCode, 0);
    EXPECT_TRUE(lines.err.startsWith("Error in ParseLogFile routine: ")) << lines.err.toStdString();
}

TEST_F(RunOutcome, NeitherThePageNorTheDatabaseMayReplaceTheRunsOutputsOrATemplate) {
    const QString csv = out.file("PortAvailabilitySummary_5_13_2004.csv");
    const QStringList refused[] = {
        {"--html", csv},
        {"--html", out.file("portavailabilitysummary_1_2_2003.CSV"), "--report", "port-availability"},
        {"--db", out.file("PortAvailabilitySummary_5_12_2004.csv")},
        {"--db", out.file("NodeErrorGraph_5_12_2004.png"), "--chart", "png"},
        {"--html", out.file("UnmatchedGUID.TXT"), "--report", "latency", "--debug"},
        {"--db", out.file(".varnel-report.lock"), "--report", "latency"},
        {"--html", logs.file("CleanPortData.db"), "--report", "latency"},
    };
    for (const QStringList& options : refused) {
        const auto run = runReportTool(base() + options +
                                       (options.contains("--report") ? QStringList{} : QStringList{"--report", "all"}));
        EXPECT_EQ(run.exitCode, 2) << options.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(options[1])) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(filesIn(out.path()).isEmpty()) << filesIn(out.path()).join(' ').toStdString();
        EXPECT_TRUE(filesIn(data.path()).isEmpty());
    }

    // The name of a report the run does not write is free.
    const auto page = runReportTool(base() + QStringList{"--html", csv, "--report", "latency"});
    EXPECT_EQ(page.exitCode, 0) << page.err.toStdString();
    EXPECT_EQ(filesIn(out.path()),
              (QStringList{"MessageLatencySummary_5_12_2004.csv", "PortAvailabilitySummary_5_13_2004.csv"}));
}

TEST_F(RunOutcome, AnOutputFolderInUseIsAFailureNamingItsHolderAndAStaleLockIsTakenOver) {
    const QString lockPath = out.file(".varnel-report.lock");
    {
        QLockFile held(lockPath);
        ASSERT_TRUE(held.tryLock(0));
        const auto run = runReportTool(base() + QStringList{"--report", "all"});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, QStringLiteral("The output folder %1 is in use by varnel_core_tests (process %2 on %3).\n")
                               .arg(out.path())
                               .arg(QCoreApplication::applicationPid())
                               .arg(QSysInfo::machineHostName()));
        EXPECT_TRUE(run.out.isEmpty());  // not even loaded
        EXPECT_EQ(filesIn(out.path()), QStringList{".varnel-report.lock"});
    }
    for (const QByteArray& contents : {test::lockOfEndedProcess(), QByteArray("garbage")}) {
        QFile stale(lockPath);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write(contents);
        stale.close();
        ASSERT_TRUE(test::makeDayOld(lockPath));
        const auto run = runReportTool(base() + QStringList{"--report", "port-availability"});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(filesIn(out.path()), QStringList{"PortAvailabilitySummary_5_12_2004.csv"});
    }
}

TEST_F(RunOutcome, AnUnmatchedFileThatCannotBeMadeLeavesTheLatencyReportWritten) {
    ASSERT_TRUE(QDir(out.path()).mkdir("UnmatchedGUID.TXT"));
    const auto run = runReportTool(base() + QStringList{"--report", "latency", "--debug"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Unable to write " + out.file("UnmatchedGUID.TXT") + ": Is a directory\n");
    QFile csv(out.file("MessageLatencySummary_5_12_2004.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readAll().contains("{A}"));
}

}  // namespace
