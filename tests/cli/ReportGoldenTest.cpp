// Golden runs of varnel-report, one line per run: the fixture day it loads,
// its arguments, its exit status and the files it must write. Each run's
// standard output, standard error and, with --html, its page are pinned in
// tests/fixtures/runs/<run>/ (stdout, stderr, page.html); the page's chart
// pictures, the folder of the fixtures and the moment the page was written
// stand there as @PNG@, @FIXTURES@ and @NOW@, the tool's path in its usage
// text as @TOOL@. Further tests check the rows
// that runs leave in the database.
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString fixtures = QStringLiteral(VARNEL_SOURCE_DIR "/tests/fixtures/");

struct GoldenRun {
    const char* name;       // also the folder of its pinned output under fixtures/runs/
    const char* fixture;    // loads fixtures/<fixture>/logs
    const char* arguments;  // besides the logs, database and folders; @PAGE@ is the page's path
    int exitCode;
    // Every file the run writes into its output folder, each the path of the
    // expected file under fixtures/ (its name is the written file's name).
    std::vector<const char*> files;
};

const GoldenRun goldenRuns[] = {
    {"PerMinuteReports",
     "per-minute",
     "--report port-availability --report queue-activity",
     0,
     {"per-minute/expected/PortAvailabilitySummary_5_12_2004.csv",
      "per-minute/expected/MessageQueueActivitySummary_5_12_2004.csv"}},
    {"LatencyWithDebug",
     "latency",
     "--report latency --from 08:00:00 --to 17:00:00 --debug",
     0,
     {"latency/expected/MessageLatencySummary_5_12_2004.csv", "latency/expected/UnmatchedGUID.TXT"}},
    {"LatencyOfSelectedNodes",
     "latency",
     "--report latency --veyra 512 --keldan 3001,3002",
     0,
     {"latency/expected-limited/MessageLatencySummary_5_12_2004.csv"}},
    {"LatencyWithoutOutboundPair",
     "latency",
     "--report latency --from 11:59:00 --to 12:30:00",
     0,
     {"runs/LatencyWithoutOutboundPair/MessageLatencySummary_5_12_2004.csv"}},
    {"NodeTraffic",
     "nodes",
     "--report node-traffic --from 08:00:00 --to 17:00:00",
     0,
     {"nodes/expected/NodeTrafficSummary_5_12_2004.csv"}},
    {"NodeErrors",
     "nodes",
     "--report node-errors --from 08:00:00 --to 17:00:00",
     0,
     {"nodes/expected/NodeErrorSummary_5_12_2004.csv"}},
    {"NodeTrafficOfSelectedNodes",
     "nodes",
     "--report node-traffic --veyra 201 --keldan 101 --from 08:00:00 --to 17:00:00",
     0,
     {"nodes/expected-limited/NodeTrafficSummary_5_12_2004.csv"}},
    {"NodeErrorsNoneFound",
     "nodes",
     "--report node-errors --from 12:00:00 --to 17:00:00",
     0,
     {"nodes/expected-empty/NodeErrorSummary_5_12_2004.csv"}},
    {"AllReports",
     "nodes",
     "--report all",
     0,
     {"runs/AllReports/PortAvailabilitySummary_5_12_2004.csv",
      "runs/AllReports/MessageQueueActivitySummary_5_12_2004.csv",
      "runs/AllReports/MessageLatencySummary_5_12_2004.csv", "runs/AllReports/NodeTrafficSummary_5_12_2004.csv",
      "runs/AllReports/NodeErrorSummary_5_12_2004.csv", "runs/AllReports/DailyTrendSummary_5_12_2004.csv"}},
    {"PageOfAllReports",
     "nodes",
     "--report all --from 08:00:00 --to 17:00:00 --html @PAGE@",
     0,
     {"runs/AllReports/PortAvailabilitySummary_5_12_2004.csv",
      "runs/AllReports/MessageQueueActivitySummary_5_12_2004.csv",
      "runs/AllReports/MessageLatencySummary_5_12_2004.csv", "nodes/expected/NodeTrafficSummary_5_12_2004.csv",
      "nodes/expected/NodeErrorSummary_5_12_2004.csv", "runs/AllReports/DailyTrendSummary_5_12_2004.csv"}},
    {"EqualBounds", "nodes", "--report latency --from 10:00:00 --to 10:00:00", 2, {}},
    {"KeldanNodesOnly", "nodes", "--report node-traffic --keldan 101,77", 2, {}},
    // A named node that the load never saw selects nothing on its side.
    {"UnseenVeyraNode", "nodes", "--report node-traffic --veyra 999 --keldan 101", 2, {}},
};

struct ToolRun {
    int exitCode = -1;
    QByteArray standardOutput;
    QByteArray standardError;
};

// A fresh working folder per run: the database, the data folder, the output
// folder and the page.
class ToolFolder {
public:
    QString outDir() const { return work_.filePath(QStringLiteral("out")); }
    QString dbPath() const { return work_.filePath(QStringLiteral("PortData.db")); }
    QString pagePath() const { return work_.filePath(QStringLiteral("page.html")); }

    ToolRun run(const QString& fixture, const QStringList& extra) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
        // A runtime folder of the run's own keeps Qt's note about a missing one
        // out of the pinned standard error.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
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
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }

    SQLite::Database database() const { return SQLite::Database(dbPath().toStdString()); }

private:
    QTemporaryDir work_;
    QTemporaryDir runtime_;
};

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The texts are equal line by line, CR LF endings included.
void expectSameLines(const QByteArray& got, const QByteArray& want, const QString& what) {
    const QList<QByteArray> wantLines = want.split('\n');
    const QList<QByteArray> gotLines = got.split('\n');
    for (qsizetype i = 0; i < std::max(wantLines.size(), gotLines.size()); ++i)
        EXPECT_EQ(i < gotLines.size() ? gotLines[i] : QByteArray("<missing>"),
                  i < wantLines.size() ? wantLines[i] : QByteArray("<none>"))
            << what.toStdString() << " line " << i + 1;
}

// The page with what changes from run to run put as placeholders; every
// chart picture must be a PNG picture.
QByteArray pinnedPage(QByteArray page) {
    const QRegularExpression picture(QStringLiteral("data:image/png;base64,([A-Za-z0-9+/=]*)"));
    QString text = QString::fromUtf8(page);
    for (const QRegularExpressionMatch& match : picture.globalMatch(text))
        EXPECT_TRUE(QByteArray::fromBase64(match.captured(1).toLatin1()).startsWith("\x89PNG\r\n\x1a\n"));
    text.replace(picture, QStringLiteral("data:image/png;base64,@PNG@"));
    text.replace(fixtures, QStringLiteral("@FIXTURES@/"));
    text.replace(QRegularExpression(QStringLiteral("on \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.</footer>")),
                 QStringLiteral("on @NOW@.</footer>"));
    return text.toUtf8();
}

class ReportGoldenTest : public ::testing::TestWithParam<GoldenRun> {};

TEST_P(ReportGoldenTest, WritesItsFilesAndSaysWhatItsRunSays) {
    const GoldenRun& golden = GetParam();
    const QString pinned = fixtures + QStringLiteral("runs/") + QLatin1String(golden.name) + QLatin1Char('/');
    ToolFolder folder;
    QStringList arguments = QString::fromLatin1(golden.arguments).split(QLatin1Char(' '));
    arguments.replaceInStrings(QStringLiteral("@PAGE@"), folder.pagePath());
    const ToolRun run = folder.run(QString::fromLatin1(golden.fixture), arguments);

    EXPECT_EQ(run.exitCode, golden.exitCode) << run.standardError.toStdString();
    expectSameLines(run.standardOutput, contentOf(pinned + QStringLiteral("stdout")), QStringLiteral("stdout"));
    expectSameLines(QByteArray(run.standardError).replace(VARNEL_REPORT_EXE, "@TOOL@"),
                    contentOf(pinned + QStringLiteral("stderr")), QStringLiteral("stderr"));

    QStringList expectedNames;
    for (const char* file : golden.files) {
        const QString name = QFileInfo(QString::fromLatin1(file)).fileName();
        expectedNames << name;
        expectSameLines(contentOf(folder.outDir() + QLatin1Char('/') + name),
                        contentOf(fixtures + QString::fromLatin1(file)), name);
    }
    // Nothing else: no file of a report not asked for, no unmatched-message
    // file without --debug.
    const QStringList written = QDir(folder.outDir()).entryList(QDir::Files, QDir::Name);
    expectedNames.sort();
    EXPECT_EQ(written, expectedNames);

    if (arguments.contains(QStringLiteral("--html")))
        expectSameLines(pinnedPage(contentOf(folder.pagePath())), contentOf(pinned + QStringLiteral("page.html")),
                        QStringLiteral("page.html"));
    else
        EXPECT_FALSE(QFile::exists(folder.pagePath()));
}

INSTANTIATE_TEST_SUITE_P(Runs, ReportGoldenTest, ::testing::ValuesIn(goldenRuns),
                         [](const ::testing::TestParamInfo<GoldenRun>& info) { return std::string(info.param.name); });

// ---- The rows a run leaves in the database ----

TEST(ReportGoldenRowsTest, PerMinuteReportsFillIdleMinutesAndTakeHourlyExtremes) {
    ToolFolder folder;
    const ToolRun run =
        folder.run(QStringLiteral("per-minute"), {QStringLiteral("--report"), QStringLiteral("port-availability"),
                                                  QStringLiteral("--report"), QStringLiteral("queue-activity")});
    ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();

    SQLite::Database db = folder.database();
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

TEST(ReportGoldenRowsTest, LatencyPairsConsecutiveEventsOfAnIdentifierInsideStrictBounds) {
    ToolFolder folder;
    const ToolRun run = folder.run(
        QStringLiteral("latency"),
        {QStringLiteral("--report"), QStringLiteral("latency"), QStringLiteral("--from"), QStringLiteral("08:00:00"),
         QStringLiteral("--to"), QStringLiteral("17:00:00"), QStringLiteral("--debug")});
    ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();

    SQLite::Database db = folder.database();
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

TEST(ReportGoldenRowsTest, LatencyWithoutOutboundPairKeepsTheInboundPair) {
    ToolFolder folder;
    const ToolRun run = folder.run(QStringLiteral("latency"),
                                   {QStringLiteral("--report"), QStringLiteral("latency"), QStringLiteral("--from"),
                                    QStringLiteral("11:59:00"), QStringLiteral("--to"), QStringLiteral("12:30:00")});
    ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
    EXPECT_EQ(folder.database().execAndGet("SELECT COUNT(*) FROM MessageLatency WHERE OutboundMessage = 0").getInt(),
              1);
}

TEST(ReportGoldenRowsTest, NodeReportsCountEachMessageOnBothSidesAndKeepSameNumberedNodesApart) {
    const QStringList range = {QStringLiteral("--from"), QStringLiteral("08:00:00"), QStringLiteral("--to"),
                               QStringLiteral("17:00:00")};
    ToolFolder folder;
    ToolRun run = folder.run(QStringLiteral("nodes"),
                             QStringList{QStringLiteral("--report"), QStringLiteral("node-traffic")} + range);
    ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
    SQLite::Database traffic = folder.database();
    EXPECT_DOUBLE_EQ(
        traffic.execAndGet("SELECT OutboundMessageKB FROM NodeTraffic WHERE NodeType = 'Veyra' AND NodeID = 201")
            .getDouble(),
        2.5 + 0.001);
    EXPECT_EQ(traffic.execAndGet("SELECT InboundMessages FROM NodeTraffic WHERE NodeType = 'Keldan' AND NodeID = 77")
                  .getInt(),
              1);

    run = folder.run(QStringLiteral("nodes"),
                     QStringList{QStringLiteral("--report"), QStringLiteral("node-errors")} + range);
    ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
    EXPECT_EQ(folder.database()
                  .execAndGet("SELECT SUM(InboundMessageKB) + SUM(OutboundMessageKB) FROM NodeTraffic")
                  .getDouble(),
              0.0);
}

TEST(ReportGoldenRowsTest, EmptyNodeErrorReportLeavesTheTableEmpty) {
    ToolFolder folder;
    const ToolRun run = folder.run(QStringLiteral("nodes"),
                                   {QStringLiteral("--report"), QStringLiteral("node-errors"), QStringLiteral("--from"),
                                    QStringLiteral("12:00:00"), QStringLiteral("--to"), QStringLiteral("17:00:00")});
    ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
    EXPECT_EQ(folder.database().execAndGet("SELECT COUNT(*) FROM NodeTraffic").getInt(), 0);
}

}  // namespace
