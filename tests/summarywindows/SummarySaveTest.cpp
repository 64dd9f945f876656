// Save as CSV file: the file varnel-report writes for the same day, the
// dialog's title and proposal, a cancel, and failures that keep the earlier file.
#include <sys/resource.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <csignal>

#include "ingest/DayList.h"
#include "ingest/LoadData.h"
#include "ingest/RecordingObserver.h"
#include "summarywindows/SummaryWindowFixture.h"
#include "trend/DailyTrendGatherer.h"

namespace varnel::summarywindows::test {

namespace {

using reports::ReportKind;

struct SaveCase {
    ReportKind kind;
    const char* fixture;
    const char* commandName;
    QTime from;
    QTime to;
    const char* saveItem;
    const char* fileName;
};

void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.commandName << " " << c.from.toString().toStdString(); }

class SavedFileTest : public SummaryWindowFixture, public ::testing::WithParamInterface<SaveCase> {
protected:
    // The file varnel-report writes for the same logs and report.
    QByteArray reportToolFile(const SaveCase& c) {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
        tool.setProcessEnvironment(environment);
        tool.start(
            QStringLiteral(VARNEL_REPORT_EXE),
            {QStringLiteral("--logs"), QStringLiteral(VARNEL_SOURCE_DIR "/tests/fixtures/") + c.fixture + "/logs",
             QStringLiteral("--db"), out_.file(QStringLiteral("tool.db")), QStringLiteral("--data-dir"),
             out_.file(QStringLiteral("tool-data")), QStringLiteral("--out-dir"), out_.file(QStringLiteral("tool-out")),
             QStringLiteral("--report"), c.commandName, QStringLiteral("--from"),
             c.from.toString(QStringLiteral("HH:mm:ss")), QStringLiteral("--to"),
             c.to.toString(QStringLiteral("HH:mm:ss"))});
        EXPECT_TRUE(tool.waitForFinished(60000));
        EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
        return contentOf(out_.file(QStringLiteral("tool-out/")) + c.fileName);
    }
};

// The trend's summary over the fixture's four days: its caption, a row per
// day, and the file Save as CSV writes byte for byte as expected.
TEST_F(SummaryWindowFixture, DailyTrendSummaryHasARowPerDayAndSavesTheExpectedFile) {
    const QString logs = QStringLiteral(VARNEL_SOURCE_DIR "/tests/fixtures/trend/logs");
    const QList<QDate> days = ingest::logDays(logs);
    trend::DailyTrendGatherer gatherer;
    varnel::test::RecordingObserver observer;
    const store::DataFiles files(data_.path());
    ASSERT_EQ(
        ingest::loadDays({logs, days, ingest::dayEntryText(days.first()), &gatherer}, files, state_, observer).outcome,
        ingest::LoadOutcome::Loaded);
    inputs_.kind = ReportKind::DailyTrend;
    inputs_.connectionString = files.workingPath();
    inputs_.reportDate = state_.reportDate;
    inputs_.dailyTrend = std::make_shared<const trend::DailyTrend>(gatherer.finish());

    SummaryWindow& window = open();
    EXPECT_EQ(window.objectName(), QStringLiteral("frmDailyTrendSummary"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Daily Trend Summary"));
    EXPECT_EQ(gridLines({QStringLiteral("Day")}),
              (QStringList{"2004-05-10", "2004-05-11", "2004-05-12", "2004-05-13"}));
    const QByteArray saved = saveAs(out_.file(QStringLiteral("trend.csv")), "mnuSaveAsCSV");
    EXPECT_EQ(dialogs_.saveSuggestions.first().section(QLatin1Char('/'), -1),
              QStringLiteral("DailyTrendSummary_5_13_2004.csv"));
    EXPECT_EQ(
        saved.toStdString(),
        contentOf(QStringLiteral(VARNEL_SOURCE_DIR "/tests/fixtures/trend/expected/DailyTrendSummary_5_13_2004.csv"))
            .toStdString());
}

}  // namespace

TEST_P(SavedFileTest, SavedFileIsByteForByteTheFileOfTheReportTool) {
    const SaveCase& c = GetParam();
    loadFixture(QString::fromLatin1(c.fixture));
    buildReport(c.kind, c.from, c.to);
    open();
    dialogs_.messages.clear();

    const QString path = out_.file(QStringLiteral("saved.csv"));
    const QByteArray saved = saveAs(path, c.saveItem);
    ASSERT_FALSE(saved.isEmpty());
    EXPECT_EQ(saved, reportToolFile(c));
    EXPECT_EQ(dialogs_.texts(), QStringList{QStringLiteral("Summary information saved.")});
    // Proposed in the Documents folder, or at home where there is none.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists()) folder = QDir::homePath();
    EXPECT_EQ(dialogs_.saveSuggestions, QStringList{QDir::toNativeSeparators(QDir(folder).filePath(c.fileName))});
    EXPECT_FALSE(QFile::exists(dialogs_.saveSuggestions.value(0)));  // only a proposal: nothing written there
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindow, SavedFileTest,
    ::testing::Values(SaveCase{ReportKind::PortAvailability, "per-minute", "port-availability", QTime(0, 0, 0),
                               QTime(23, 59, 59), "mnuSaveAsCSV", "PortAvailabilitySummary_5_12_2004.csv"},
                      SaveCase{ReportKind::QueueActivity, "per-minute", "queue-activity", QTime(0, 0, 0),
                               QTime(23, 59, 59), "mnuSaveToCSV", "MessageQueueActivitySummary_5_12_2004.csv"},
                      SaveCase{ReportKind::Latency, "latency", "latency", QTime(8, 0, 0), QTime(17, 0, 0),
                               "mnuSaveToCSV", "MessageLatencySummary_5_12_2004.csv"},
                      SaveCase{ReportKind::NodeTraffic, "nodes", "node-traffic", QTime(8, 0, 0), QTime(17, 0, 0),
                               "mnuSaveToCSV", "NodeTrafficSummary_5_12_2004.csv"},
                      SaveCase{ReportKind::NodeErrors, "nodes", "node-errors", QTime(8, 0, 0), QTime(17, 0, 0),
                               "mnuSaveAsCSV", "NodeErrorSummary_5_12_2004.csv"},
                      SaveCase{ReportKind::NodeTraffic, "nodes", "node-traffic", QTime(17, 1, 0), QTime(17, 2, 0),
                               "mnuSaveToCSV", "NodeTrafficSummary_5_12_2004.csv"}));

TEST_F(SummaryWindowFixture, CancelledDialogWritesNothingAndSaysNothing) {
    loadFixture(QStringLiteral("nodes"));
    buildReport(ReportKind::NodeTraffic, QTime(8, 0, 0), QTime(17, 0, 0));
    open();
    dialogs_.saveAnswer.reset();
    control<QAction>("mnuSaveToCSV")->trigger();
    EXPECT_EQ(dialogs_.saveSuggestions.size(), 1);
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_TRUE(QDir(out_.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST_F(SummaryWindowFixture, SortingTheViewLeavesTheFileInGridOrder) {
    loadFixture(QStringLiteral("latency"));
    buildReport(ReportKind::Latency, QTime(8, 0, 0), QTime(17, 0, 0));
    SummaryWindow& window = open();
    const QString before = out_.file(QStringLiteral("before.csv"));
    saveAs(before, "mnuSaveToCSV");

    SummaryGridView& view = window.gridSummary();
    view.sortByColumn(*view.grid().columnIndex(QStringLiteral("SecondsInQueue")), Qt::DescendingOrder);
    EXPECT_EQ(view.grid().data(view.grid().index(0, 1), Qt::DisplayRole).toString(), QStringLiteral("{G1}"));
    EXPECT_EQ(view.grid().data(view.grid().index(3, 1), Qt::DisplayRole).toString(), QStringLiteral("{G8}"));
    EXPECT_EQ(saveAs(out_.file(QStringLiteral("after.csv")), "mnuSaveToCSV"), contentOf(before));
}

TEST_F(SummaryWindowFixture, WriteFailureNamesFileAndReasonAndKeepsTheEarlierFile) {
    loadFixture(QStringLiteral("nodes"));
    buildReport(ReportKind::NodeTraffic, QTime(8, 0, 0), QTime(17, 0, 0));
    open();
    const QString path = out_.write(QStringLiteral("earlier.csv"), "earlier content\r\n");
    dialogs_.messages.clear();

    // A file size limit makes the write fail part way, as a full disk would.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 0;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QByteArray after = saveAs(path, "mnuSaveToCSV");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(after, QByteArray("earlier content\r\n"));
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text.toStdString(), ("Unable to write " + path + ": File too large").toStdString());
    EXPECT_EQ(QDir(out_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("earlier.csv")});

    dialogs_.messages.clear();
    const QString vanished = out_.file(QStringLiteral("gone/summary.csv"));
    saveAs(vanished, "mnuSaveToCSV");
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text.toStdString(),
              ("Unable to write " + vanished + ": No such file or directory").toStdString());
}

}  // namespace varnel::summarywindows::test
