// Golden tests of varnel-report: each runs the tool over a small fixture log
// with the locale and time zone pinned, compares the files it writes with the
// expected ones line by line and checks the rows left in the database.
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QString fixtures = QStringLiteral(VARNEL_SOURCE_DIR "/tests/fixtures/");

struct ToolRun {
    int exitCode = -1;
    QString standardError;
};

class ReportGoldenTest : public ::testing::Test {
protected:
    QString outDir() const { return work_.filePath(QStringLiteral("out")); }
    QString dbPath() const { return work_.filePath(QStringLiteral("PortData.db")); }

    ToolRun runReport(const QString& fixture, const QStringList& extra) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(work_.path());
        const QStringList arguments =
            QStringList{QStringLiteral("--logs"),     fixtures + fixture + QStringLiteral("/logs"),
                        QStringLiteral("--db"),       dbPath(),
                        QStringLiteral("--data-dir"), work_.filePath(QStringLiteral("data")),
                        QStringLiteral("--out-dir"),  outDir()} +
            extra;
        process.start(QStringLiteral(VARNEL_REPORT_EXE), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
    }

    // The written file equals the expected one line by line, CR LF endings included.
    void expectSameFile(const QString& expectedPath, const QString& name) {
        QFile expected(expectedPath + QLatin1Char('/') + name);
        QFile actual(outDir() + QLatin1Char('/') + name);
        ASSERT_TRUE(expected.open(QIODevice::ReadOnly)) << expected.fileName().toStdString();
        ASSERT_TRUE(actual.open(QIODevice::ReadOnly)) << actual.fileName().toStdString();
        const QList<QByteArray> want = expected.readAll().split('\n');
        const QList<QByteArray> got = actual.readAll().split('\n');
        for (int i = 0; i < std::max(want.size(), got.size()); ++i)
            EXPECT_EQ(i < got.size() ? got[i] : QByteArray("<missing>"),
                      i < want.size() ? want[i] : QByteArray("<none>"))
                << name.toStdString() << " line " << i + 1;
    }

    SQLite::Database database() { return SQLite::Database(dbPath().toStdString()); }

    QTemporaryDir work_;
};

TEST_F(ReportGoldenTest, PerMinuteReportsFillIdleMinutesAndTakeHourlyExtremes) {
    const ToolRun run =
        runReport(QStringLiteral("per-minute"), {QStringLiteral("--report"), QStringLiteral("port-availability"),
                                                 QStringLiteral("--report"), QStringLiteral("queue-activity")});
    ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
    expectSameFile(fixtures + QStringLiteral("per-minute/expected"),
                   QStringLiteral("PortAvailabilitySummary_5_12_2004.csv"));
    expectSameFile(fixtures + QStringLiteral("per-minute/expected"),
                   QStringLiteral("MessageQueueActivitySummary_5_12_2004.csv"));

    SQLite::Database db = database();
    EXPECT_EQ(db.execAndGet("SELECT COUNT(*), MIN(Minute), MAX(Minute) FROM PortAvailability").getInt(), 1440);
    const auto port = [&](int minute) {
        SQLite::Statement row(db,
                              "SELECT MaxLinesInUse || ',' || MinLinesAvailableToTakeCalls FROM PortAvailability "
                              "WHERE Minute = ?");
        row.bind(1, minute);
        return row.executeStep() ? row.getColumn(0).getString() : std::string("<no row>");
    };
    EXPECT_EQ(port(0), "4,18");  // two rows in the first minute after midnight
    EXPECT_EQ(port(1), "3,19");
    EXPECT_EQ(port(599), "3,19");  // carried across the gap
    EXPECT_EQ(port(600), "3,5");
    EXPECT_EQ(port(699), "3,5");
    EXPECT_EQ(port(700), "1,7");
    EXPECT_EQ(port(701), "0,20");  // idle after the last event: the peak available lines
    EXPECT_EQ(port(1439), "0,20");

    const auto queue = [&](int minute) {
        SQLite::Statement row(db,
                              "SELECT MaxInboundMessages || ',' || CAST(MaxInboundQueueSize AS INTEGER) || ',' || "
                              "MaxOutboundMessages || ',' || CAST(MaxOutboundQueueSize AS INTEGER) "
                              "FROM MessageQueueActivity WHERE Minute = ?");
        row.bind(1, minute);
        return row.executeStep() ? row.getColumn(0).getString() : std::string("<no row>");
    };
    EXPECT_EQ(db.execAndGet("SELECT COUNT(*) FROM MessageQueueActivity").getInt(), 1440);
    EXPECT_EQ(queue(425), "7,2,0,0");   // 2,500,000 bytes is 2 MB; no outbound rows give 0
    EXPECT_EQ(queue(426), "0,0,12,0");  // 999,999 bytes is 0 MB
    EXPECT_EQ(queue(450), "0,0,40,9");
    EXPECT_EQ(queue(0), "-1,-1,-1,-1");  // no message rows: the no-data marker stays
}

TEST_F(ReportGoldenTest, LatencyPairsConsecutiveEventsOfAnIdentifierInsideStrictBounds) {
    const ToolRun run = runReport(
        QStringLiteral("latency"),
        {QStringLiteral("--report"), QStringLiteral("latency"), QStringLiteral("--from"), QStringLiteral("08:00:00"),
         QStringLiteral("--to"), QStringLiteral("17:00:00"), QStringLiteral("--debug")});
    ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
    expectSameFile(fixtures + QStringLiteral("latency/expected"),
                   QStringLiteral("MessageLatencySummary_5_12_2004.csv"));
    expectSameFile(fixtures + QStringLiteral("latency/expected"), QStringLiteral("UnmatchedGUID.TXT"));

    SQLite::Database db = database();
    SQLite::Statement rows(db,
                           "SELECT MessageGUID, TimeDelivered, SecondsInQueue, OutboundMessage FROM MessageLatency "
                           "ORDER BY \"Index\"");
    std::vector<std::string> stored;
    while (rows.executeStep())
        stored.push_back(rows.getColumn(0).getString() + " " + rows.getColumn(1).getString() + " " +
                         rows.getColumn(2).getString() + " " + rows.getColumn(3).getString());
    // Stored in identifier order; the inbound pair is kept but not outbound.
    EXPECT_EQ(stored, (std::vector<std::string>{"{ABC-2} 2004-01-01 10:01:00 60 1", "{G1} 2004-01-01 09:03:00 180 1",
                                                "{G3} 2004-01-01 11:02:00 120 1", "{G4} 2004-01-01 12:10:00 600 0",
                                                "{G8} 2004-01-01 13:20:00 0 1"}));
}

TEST_F(ReportGoldenTest, LatencyNodeFilterKeepsEventsOfSelectedNodesOnBothSides) {
    const ToolRun run = runReport(QStringLiteral("latency"),
                                  {QStringLiteral("--report"), QStringLiteral("latency"), QStringLiteral("--veyra"),
                                   QStringLiteral("512"), QStringLiteral("--keldan"), QStringLiteral("3001,3002")});
    ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
    expectSameFile(fixtures + QStringLiteral("latency/expected-limited"),
                   QStringLiteral("MessageLatencySummary_5_12_2004.csv"));
    EXPECT_FALSE(QFile::exists(outDir() + QStringLiteral("/UnmatchedGUID.TXT")));
}

TEST_F(ReportGoldenTest, LatencyWithoutOutboundPairShowsItsMessageAndWritesTheHeaderOnly) {
    const ToolRun run = runReport(QStringLiteral("latency"),
                                  {QStringLiteral("--report"), QStringLiteral("latency"), QStringLiteral("--from"),
                                   QStringLiteral("11:59:00"), QStringLiteral("--to"), QStringLiteral("12:30:00")});
    ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
    EXPECT_TRUE(run.standardError.contains(QStringLiteral("No message traffic found.")));
    QFile csv(outDir() + QStringLiteral("/MessageLatencySummary_5_12_2004.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll(),
              QByteArray("Message GUID, Time Delivered, Seconds in Queue, Veyra Node ID, Keldan Node ID\r\n"));
    EXPECT_EQ(database().execAndGet("SELECT COUNT(*) FROM MessageLatency WHERE OutboundMessage = 0").getInt(), 1);
}

TEST_F(ReportGoldenTest, NodeReportsCountEachMessageOnBothSidesAndKeepSameNumberedNodesApart) {
    const QStringList range = {QStringLiteral("--from"), QStringLiteral("08:00:00"), QStringLiteral("--to"),
                               QStringLiteral("17:00:00")};
    ToolRun run = runReport(QStringLiteral("nodes"),
                            QStringList{QStringLiteral("--report"), QStringLiteral("node-traffic")} + range);
    ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
    expectSameFile(fixtures + QStringLiteral("nodes/expected"), QStringLiteral("NodeTrafficSummary_5_12_2004.csv"));
    SQLite::Database traffic = database();
    EXPECT_DOUBLE_EQ(
        traffic.execAndGet("SELECT OutboundMessageKB FROM NodeTraffic WHERE NodeType = 'Veyra' AND NodeID = 201")
            .getDouble(),
        2.5 + 0.001);
    EXPECT_EQ(traffic.execAndGet("SELECT InboundMessages FROM NodeTraffic WHERE NodeType = 'Keldan' AND NodeID = 77")
                  .getInt(),
              1);

    run = runReport(QStringLiteral("nodes"),
                    QStringList{QStringLiteral("--report"), QStringLiteral("node-errors")} + range);
    ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
    expectSameFile(fixtures + QStringLiteral("nodes/expected"), QStringLiteral("NodeErrorSummary_5_12_2004.csv"));
    EXPECT_EQ(
        database().execAndGet("SELECT SUM(InboundMessageKB) + SUM(OutboundMessageKB) FROM NodeTraffic").getDouble(),
        0.0);
}

TEST_F(ReportGoldenTest, NodeTrafficWithNodeFilterListsOnlyTheSelectedNodes) {
    const ToolRun run =
        runReport(QStringLiteral("nodes"),
                  {QStringLiteral("--report"), QStringLiteral("node-traffic"), QStringLiteral("--veyra"),
                   QStringLiteral("201"), QStringLiteral("--keldan"), QStringLiteral("101"), QStringLiteral("--from"),
                   QStringLiteral("08:00:00"), QStringLiteral("--to"), QStringLiteral("17:00:00")});
    ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
    expectSameFile(fixtures + QStringLiteral("nodes/expected-limited"),
                   QStringLiteral("NodeTrafficSummary_5_12_2004.csv"));
}

TEST_F(ReportGoldenTest, EmptyNodeErrorReportLeavesTheTableEmptyAndTheCsvWithItsHeaderOnly) {
    const ToolRun run = runReport(QStringLiteral("nodes"),
                                  {QStringLiteral("--report"), QStringLiteral("node-errors"), QStringLiteral("--from"),
                                   QStringLiteral("12:00:00"), QStringLiteral("--to"), QStringLiteral("17:00:00")});
    ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
    EXPECT_TRUE(run.standardError.contains(QStringLiteral("No error delivery states found in the selected log")));
    EXPECT_TRUE(run.standardError.contains(QStringLiteral("No data found in Node Traffic database")));
    expectSameFile(fixtures + QStringLiteral("nodes/expected-empty"), QStringLiteral("NodeErrorSummary_5_12_2004.csv"));
    EXPECT_EQ(database().execAndGet("SELECT COUNT(*) FROM NodeTraffic").getInt(), 0);
}

TEST_F(ReportGoldenTest, AllReportsWriteFiveFilesUnderTheirDefaultNames) {
    const ToolRun run = runReport(QStringLiteral("nodes"), {QStringLiteral("--report"), QStringLiteral("all")});
    ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
    for (const char* name : {"PortAvailabilitySummary", "MessageQueueActivitySummary", "MessageLatencySummary",
                             "NodeTrafficSummary", "NodeErrorSummary"})
        EXPECT_TRUE(QFile::exists(outDir() + QLatin1Char('/') + QLatin1String(name) + QStringLiteral("_5_12_2004.csv")))
            << name;
}

TEST_F(ReportGoldenTest, BadRangeOrHalfNodeChoiceIsABadArgument) {
    ToolRun run = runReport(QStringLiteral("nodes"),
                            {QStringLiteral("--report"), QStringLiteral("latency"), QStringLiteral("--from"),
                             QStringLiteral("10:00:00"), QStringLiteral("--to"), QStringLiteral("10:00:00")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.standardError.contains(QStringLiteral("Start time must be earlier than the end time...")));

    run = runReport(QStringLiteral("nodes"), {QStringLiteral("--report"), QStringLiteral("node-traffic"),
                                              QStringLiteral("--keldan"), QStringLiteral("101,77")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.standardError.contains(QStringLiteral("You must select at least one Keldan and one Veyra node")));

    // A named node that the load never saw selects nothing on its side.
    run = runReport(QStringLiteral("nodes"),
                    {QStringLiteral("--report"), QStringLiteral("node-traffic"), QStringLiteral("--veyra"),
                     QStringLiteral("999"), QStringLiteral("--keldan"), QStringLiteral("101")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_FALSE(QFile::exists(outDir() + QStringLiteral("/NodeTrafficSummary_5_12_2004.csv")));
}

}  // namespace
