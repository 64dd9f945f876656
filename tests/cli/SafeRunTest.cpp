// varnel-report never loses or mixes data: --db that would destroy an input
// (a template of any data folder among them), stale locks, a damaged template,
// a working database in use, failed writes of files and standard output,
// node lists that are not numbers, and identifiers a spreadsheet would take
// for formulas.
#include <SQLiteCpp/Database.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>

#include "LockFiles.h"
#include "QtPrinting.h"
#include "ReportTool.h"
#include "SmallFileSystem.h"
#include "StrictCsv.h"
#include "TestFiles.h"

using namespace varnel;
using test::runReportTool;

namespace {

constexpr std::string_view day12 =
    "5/12/2004 10:00:00,INCOMING,1,40,1\r\n"
    "5/12/2004 10:00:30,NEW OUTGOING MESSAGE,512,3001,{A},OK,100,1,100\r\n";

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SafeRun : public ::testing::Test {
protected:
    void SetUp() override { log = logs.write("CallLog_20040512.log", day12); }
    QStringList base() const { return {"--logs", logs.path(), "--data-dir", data.path()}; }

    test::TempFolder logs, data, out;
    QString log;
};

TEST_F(SafeRun, DbThatWouldReplaceALogTheTemplateOrAnotherFileIsRefused) {
    // A first run makes the template.
    ASSERT_EQ(runReportTool(base()).exitCode, 0);
    const QString templatePath = data.file("CleanPortData.db");
    const QByteArray templateBytes = contentOf(templatePath);
    const QString text = out.write("notes.txt", "keep me\n");
    const QString linkToLog = out.file("link.db");
    ASSERT_TRUE(QFile::link(log, linkToLog));
    // Another data folder's template, made by a run there, and a new file of
    // a template's name: either would be copied as a template later.
    ASSERT_EQ(runReportTool({"--logs", logs.path(), "--data-dir", out.path()}).exitCode, 0);
    const QString otherTemplate = out.file("CleanPortData.db");
    const QByteArray otherTemplateBytes = contentOf(otherTemplate);
    const QString newTemplate = out.file("nested/cleanportdata.db");

    for (const QString& db : {log, templatePath, text, linkToLog, out.path(), otherTemplate, newTemplate}) {
        const auto run = runReportTool(base() + QStringList{"--db", db});
        EXPECT_EQ(run.exitCode, 2) << db.toStdString();
        EXPECT_TRUE(run.err.contains(db)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_EQ(contentOf(log), QByteArray(day12.data(), day12.size()));
    EXPECT_EQ(contentOf(templatePath), templateBytes);
    EXPECT_EQ(contentOf(otherTemplate), otherTemplateBytes);
    EXPECT_FALSE(QFile::exists(newTemplate));
    EXPECT_EQ(contentOf(text), "keep me\n");

    // A database of an earlier run, or a new name, is fine.
    const QString kept = out.file("kept.db");
    EXPECT_EQ(runReportTool(base() + QStringList{"--db", kept}).exitCode, 0);
    EXPECT_EQ(runReportTool(base() + QStringList{"--db", kept}).exitCode, 0);
}

TEST_F(SafeRun, AWorkingDatabaseInUseIsAFailureNamingItsHolder) {
    ASSERT_TRUE(QDir().mkpath(data.path()));
    QLockFile held(data.file("PortData.db.lock"));
    ASSERT_TRUE(held.tryLock(0));
    const auto run = runReportTool(base() + QStringList{"--report", "all", "--out-dir", out.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("The working database %1 is in use by varnel_core_tests (process %2 on %3).\n")
                           .arg(data.file("PortData.db"))
                           .arg(QCoreApplication::applicationPid())
                           .arg(QSysInfo::machineHostName()));
    EXPECT_TRUE(QDir(out.path()).isEmpty());
    EXPECT_FALSE(QFile::exists(data.file("PortData.db")));
}

TEST_F(SafeRun, StaleLocksAreTakenOver) {
    const QString lockPath = data.file("PortData.db.lock");
    for (const QByteArray& contents : {test::lockOfEndedProcess(), QByteArray(), QByteArray("\x01garbage\n")}) {
        QFile stale(lockPath);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write(contents);
        stale.close();
        ASSERT_TRUE(test::makeDayOld(lockPath));

        const auto run = runReportTool(base());
        EXPECT_EQ(run.exitCode, 0) << contents.toStdString() << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(lockPath));  // released at the end of the run
    }
}

TEST_F(SafeRun, ADirtyTemplateIsMadeAgainAndLoadsStillWork) {
    ASSERT_EQ(runReportTool(base()).exitCode, 0);
    const QString templatePath = data.file("CleanPortData.db");
    {
        // What a --db naming the template once did: a whole load in it.
        SQLite::Database dirty(templatePath.toStdString(), SQLite::OPEN_READWRITE);
        dirty.exec("INSERT INTO RawPortData(Port) VALUES (1); INSERT INTO MessageLatency(\"Index\") VALUES (1)");
        dirty.exec("DROP TABLE NodeTraffic");
    }
    const auto run = runReportTool(base() + QStringList{"--report", "all", "--out-dir", out.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("Error")) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(out.file("NodeTrafficSummary_5_12_2004.csv")));
    SQLite::Database made(templatePath.toStdString(), SQLite::OPEN_READONLY);
    EXPECT_EQ(made.execAndGet("SELECT COUNT(*) FROM RawPortData").getInt(), 0);
    EXPECT_EQ(made.execAndGet("SELECT COUNT(*) FROM NodeTraffic").getInt(), 0);
}

TEST_F(SafeRun, AFailedWriteToStandardOutputIsAFailure) {
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(VARNEL_REPORT_EXE), base());
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(QString::fromLocal8Bit(process.readAllStandardError()),
              "Unable to write standard output: No space left on device\n");
}

TEST_F(SafeRun, NodeListsThatAreNotNumbersAreUsageErrors) {
    for (const QStringList& nodes :
         {QStringList{"--veyra", "abc", "--keldan", "3001"}, QStringList{"--veyra", "512", "--keldan", "*"},
          QStringList{"--veyra", "512,x1", "--keldan", "3001"}}) {
        const auto run = runReportTool(base() + nodes + QStringList{"--report", "node-traffic"});
        EXPECT_EQ(run.exitCode, 2) << nodes.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("Not a serial number: ")) << run.err.toStdString();
    }
    EXPECT_EQ(runReportTool(base() + QStringList{"--veyra", " 512 ", "--keldan", "3001,3002", "--report",
                                                 "node-traffic", "--out-dir", out.path()})
                  .exitCode,
              0);
}

TEST_F(SafeRun, IdentifiersWithQuotesAndFormulaCharactersReadBackWhole) {
    logs.write("CallLog_20040512.log",
               "5/12/2004 10:00:00,INCOMING,1,40,1\r\n"
               "5/12/2004 10:00:30,NEW OUTGOING MESSAGE,512,3001,a\"b,OK,100,1,100\r\n"
               "5/12/2004 10:02:30,CLEARED OUTGOING MESSAGE,512,3001,a\"b,OK,100,1,100\r\n"
               "5/12/2004 10:03:30,NEW OUTGOING MESSAGE,512,3001,=1+2,OK,100,1,100\r\n"
               "5/12/2004 10:04:30,CLEARED OUTGOING MESSAGE,512,3001,=1+2,OK,100,1,100\r\n"
               "5/12/2004 10:05:30,NEW OUTGOING MESSAGE,512,3001,@x\"\",OK,100,1,100\r\n"
               "5/12/2004 10:06:30,NEW OUTGOING MESSAGE,512,3001,-y,OK,100,1,100\r\n");
    const auto run = runReportTool(base() + QStringList{"--report", "latency", "--debug", "--out-dir", out.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    const auto latency = test::readStrictCsv(contentOf(out.file("MessageLatencySummary_5_12_2004.csv")));
    ASSERT_TRUE(latency);
    ASSERT_EQ(latency->size(), 3);
    EXPECT_EQ((*latency)[1].first(), "a\"b");
    EXPECT_EQ((*latency)[2].first(), "'=1+2");
    EXPECT_EQ((*latency)[1].size(), 5);

    const auto unmatched = test::readStrictCsv(contentOf(out.file("UnmatchedGUID.TXT")));
    ASSERT_TRUE(unmatched);
    QList<QByteArray> identifiers;
    for (qsizetype i = 1; i < unmatched->size(); ++i) {
        EXPECT_EQ((*unmatched)[i].size(), 4);
        identifiers << (*unmatched)[i].first();
    }
    std::sort(identifiers.begin(), identifiers.end());
    EXPECT_EQ(identifiers, (QList<QByteArray>{"'-y", "'@x\"\""}));
}

TEST_F(SafeRun, AFullOutputFolderIsAFailureThatNamesTheFileAndTheReason) {
    test::SmallFileSystem disk(8 * 1024);
    if (!disk.available()) GTEST_SKIP() << "a small file system can only be mounted as root";
    // Fills the folder all but a little.
    QFile filler(disk.file("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(512, 'f')) == 512 && filler.flush()) {
    }
    filler.close();
    const auto run = runReportTool(base() + QStringList{"--report", "port-availability", "--out-dir", disk.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              "Unable to write " + disk.file("PortAvailabilitySummary_5_12_2004.csv") + ": No space left on device\n");
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"filler"});
}

TEST_F(SafeRun, AReadOnlyDataFolderAndAFullDiskDuringTheLoadSayWhatHappened) {
    test::SmallFileSystem readOnly(64 * 1024, true);
    if (!readOnly.available()) GTEST_SKIP() << "a small file system can only be mounted as root";
    const auto blocked = runReportTool({"--logs", logs.path(), "--data-dir", readOnly.path()});
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_TRUE(blocked.err.contains("Read-only file system")) << blocked.err.toStdString();
    EXPECT_FALSE(blocked.err.contains("Destination file exists"));

    // Room for the template and its copy, not for a day of messages.
    test::SmallFileSystem small(400 * 1024);
    std::string many(day12);
    for (int i = 0; i < 20000; ++i)
        many += "5/12/2004 11:00:00,NEW OUTGOING MESSAGE,512,3001,{" + std::to_string(i) +
                "-0000-1111-2222-333344445555},OK,100,1,100\r\n";
    logs.write("CallLog_20040512.log", many);
    const auto full = runReportTool({"--logs", logs.path(), "--data-dir", small.path()});
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_TRUE(full.err.startsWith("Unable to write " + small.file("PortData.db") + ": No space left on device"))
        << full.err.toStdString();
}

}  // namespace
