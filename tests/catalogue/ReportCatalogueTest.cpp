// The report catalogue: every report has one entry with names and files of
// its own, every entry's recipe fits together (what it builds is what it
// reads back, what its page table holds is what its CSV file holds), and
// the default file names made from an entry, and one run of a report from
// the loaded session.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include "catalogue/DefaultFileNames.h"
#include "catalogue/ReportRecipe.h"
#include "catalogue/ReportRun.h"
#include "ingest/DayList.h"
#include "ingest/LoadData.h"
#include "ingest/RecordingObserver.h"
#include "reports/LatencyTable.h"
#include "trend/DailyTrendGatherer.h"

namespace {

using namespace varnel;
using catalogue::ReportEntry;
using reports::ReportKind;

TEST(ReportCatalogueTest, EveryReportHasOneEntryWithNamesAndFilesOfItsOwn) {
    QSet<int> kinds;
    QSet<QString> names;
    QSet<QString> stems;
    for (const ReportEntry& entry : catalogue::reportCatalogue()) {
        const QString name = QString::fromLatin1(entry.commandLineName);
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(kinds.contains(static_cast<int>(entry.kind)));
        kinds << static_cast<int>(entry.kind);
        EXPECT_EQ(&catalogue::reportEntry(entry.kind), &entry);
        // Names and files of two reports never collide: the command line
        // picks a report by its name, and a run writes every report's files
        // into one folder.
        EXPECT_FALSE(names.contains(name));
        names << name;
        EXPECT_EQ(catalogue::reportKindFromCommandLineName(name), entry.kind);
        EXPECT_FALSE(stems.contains(QString::fromLatin1(entry.fileStem)));
        stems << QString::fromLatin1(entry.fileStem);
        EXPECT_TRUE(entry.build && entry.read && entry.chart && entry.summaryGrid && entry.summaryTable &&
                    entry.writeSummaryCsv);
    }
    EXPECT_EQ(catalogue::allReportKinds().size(), kinds.size());
    EXPECT_FALSE(names.contains(QStringLiteral("all")));  // the command line's word for every report
    EXPECT_EQ(catalogue::reportKindFromCommandLineName(QStringLiteral("Latency")), std::nullopt);
}

TEST(ReportRowsTest, RowsAreAskedForAsTheirOwnTypeAndNoRowsAsAnEmptyList) {
    const reports::ReportRows minutes(std::vector<reports::PortMinute>{{0, 1, 2}, {1, 3, 4}});
    EXPECT_EQ(minutes.size(), 2u);
    EXPECT_EQ(minutes.as<std::vector<reports::PortMinute>>()[1].minLinesAvailable, 4);
    EXPECT_THROW(minutes.as<reports::LatencyRows>(), std::logic_error);

    const reports::ReportRows none;
    EXPECT_EQ(none.size(), 0u);
    EXPECT_TRUE(none.as<reports::LatencyRows>().empty());
    EXPECT_TRUE(none.shared<std::vector<reports::NodeTrafficRow>>()->empty());
}

TEST(DefaultFileNamesTest, EndInMonthDayYearWithoutLeadingZeros) {
    using namespace varnel::catalogue;
    const varnel::store::StoredTime may8{2006, 5, 8, 23, 59, 0};
    const varnel::store::StoredTime dec31{2006, 12, 31, 0, 0, 0};
    EXPECT_EQ(summaryCsvFileName(ReportKind::PortAvailability, may8),
              QStringLiteral("PortAvailabilitySummary_5_8_2006.csv"));
    EXPECT_EQ(summaryCsvFileName(ReportKind::QueueActivity, dec31),
              QStringLiteral("MessageQueueActivitySummary_12_31_2006.csv"));
    EXPECT_EQ(summaryCsvFileName(ReportKind::NodeErrors, may8), QStringLiteral("NodeErrorSummary_5_8_2006.csv"));
    EXPECT_EQ(chartFileName(ReportKind::Latency, may8, QStringLiteral("BMP")),
              QStringLiteral("MessageLatencyGraph_5_8_2006.BMP"));
}

// Every report over a small day with messages, ports and nodes.
class ReportRecipeTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString logs = QStringLiteral(VARNEL_SOURCE_DIR "/tests/fixtures/nodes/logs");
        const QList<QDate> days = ingest::logDays(logs);
        ASSERT_EQ(days.size(), 1);
        test::RecordingObserver observer;
        trend::DailyTrendGatherer trend;
        load_ = ingest::loadDays({logs, days, ingest::dayEntryText(days.first()), &trend}, files_, state_, observer);
        ASSERT_EQ(load_.outcome, ingest::LoadOutcome::Loaded);
        dailyTrend_ = std::make_shared<const trend::DailyTrend>(trend.finish());
    }

    reports::ReportInputs inputs(ReportKind kind) const {
        reports::ReportInputs in;
        in.kind = kind;
        in.range.nodes.veyraEntries = load_.veyraNodes;
        in.range.nodes.keldanEntries = load_.keldanNodes;
        in.reportDate = state_.reportDate;
        in.peakAvailableLines = state_.peakAvailableLines;
        in.dailyTrend = dailyTrend_;
        return in;
    }

    QTemporaryDir data_;
    store::DataFiles files_{data_.path()};
    ingest::IngestState state_;
    ingest::LoadResult load_;
    std::shared_ptr<const trend::DailyTrend> dailyTrend_;
};

TEST_F(ReportRecipeTest, WhatAReportBuildsItHandsOnOnceAndReadsBackTheSame) {
    store::ReportDatabase db(files_.workingPath());
    for (const ReportEntry& entry : catalogue::reportCatalogue()) {
        SCOPED_TRACE(entry.commandLineName);
        std::vector<std::size_t> handed;
        const reports::BuiltReport built =
            catalogue::buildReport(db, inputs(entry.kind), nullptr,
                                   [&handed](const reports::BuiltReport& report) { handed.push_back(report.size()); });
        EXPECT_EQ(built.kind, entry.kind);
        EXPECT_GT(built.size(), 0u);
        EXPECT_TRUE(built.messages.empty());
        EXPECT_EQ(handed, std::vector<std::size_t>{built.size()});
        EXPECT_EQ(catalogue::readReport(db, inputs(entry.kind)).size(), built.size());
        const reports::ReportChart chart = catalogue::reportChart(built, inputs(entry.kind));
        EXPECT_FALSE(chart.header.isEmpty());
        ASSERT_FALSE(chart.series.isEmpty());
        EXPECT_EQ(static_cast<std::size_t>(chart.series.first().x.size()), built.size());
    }
}

TEST_F(ReportRecipeTest, ThePageTableOfEveryReportHoldsItsCsvFileLineForLine) {
    store::ReportDatabase db(files_.workingPath());
    for (const ReportEntry& entry : catalogue::reportCatalogue()) {
        SCOPED_TRACE(entry.commandLineName);
        const reports::BuiltReport built = catalogue::buildReport(db, inputs(entry.kind));
        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        ASSERT_TRUE(catalogue::writeSummaryCsv(built, csv).written);
        QList<QByteArray> lines = csv.data().split('\n');
        ASSERT_EQ(lines.takeLast(), QByteArray());  // after the last line end
        const summaries::SummaryTable table = catalogue::summaryTable(built);
        EXPECT_EQ(lines.first(), table.headerLine.toLocal8Bit() + '\r');
        EXPECT_EQ(lines.size() - 1, table.rows.size());
        EXPECT_EQ(table.totalRows, table.rows.size());
    }
}

// The texts and string ids of messages.
std::vector<std::pair<std::string, int>> said(const platform::UserMessages& messages) {
    std::vector<std::pair<std::string, int>> out;
    for (const platform::UserMessage& message : messages)
        out.emplace_back(message.text.toStdString(), message.stringId);
    return out;
}

TEST_F(ReportRecipeTest, AReportThatFindsNothingSaysSoAndItsSummaryToo) {
    store::ReportDatabase db(files_.workingPath());
    reports::ReportInputs errors = inputs(ReportKind::NodeErrors);
    errors.range.from = QTime(12, 0);
    errors.range.to = QTime(17, 0);
    const reports::BuiltReport noErrors = catalogue::buildReport(db, errors);
    EXPECT_EQ(said(noErrors.messages),
              (std::vector<std::pair<std::string, int>>{{"No error delivery states found in the selected log", 138}}));
    const std::vector<std::pair<std::string, int>> noData{{"No data found in Node Traffic database", 64}};
    EXPECT_EQ(said(catalogue::summaryGrid(noErrors).messages), noData);
    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    EXPECT_EQ(said(catalogue::writeSummaryCsv(noErrors, csv).messages), noData);
    // Read back later, the rows carry nothing the build said.
    EXPECT_TRUE(catalogue::readReport(db, inputs(ReportKind::NodeErrors)).messages.empty());

    reports::ReportInputs latency = inputs(ReportKind::Latency);
    latency.range.from = QTime(23, 0);
    std::vector<std::pair<std::string, int>> handedOn;
    const reports::BuiltReport noLatency = catalogue::buildReport(
        db, latency, nullptr, [&](const reports::BuiltReport& report) { handedOn = said(report.messages); });
    const std::vector<std::pair<std::string, int>> noTraffic{{"No message traffic found.", 68}};
    EXPECT_EQ(said(noLatency.messages), noTraffic);
    EXPECT_EQ(handedOn, noTraffic);  // the message goes with the rows handed on while the table is stored
}

TEST_F(ReportRecipeTest, InputsTakeTheChoicesAndTheLoadsGatheringThatTheReportUses) {
    const auto events = std::make_shared<reports::MessageEvents>();
    const auto tallies = std::make_shared<reports::NodeTallies>(reports::RangeRequest{});
    const catalogue::LoadedSession session{files_.workingPath(), &state_, events, tallies, nullptr, nullptr, true};
    reports::RangeRequest range;
    range.from = QTime(8, 0);
    range.nodes.limitNodes = true;
    for (const ReportEntry& entry : catalogue::reportCatalogue()) {
        SCOPED_TRACE(entry.commandLineName);
        const reports::ReportInputs in = catalogue::reportInputs(session, entry.kind, range);
        EXPECT_EQ(in.kind, entry.kind);
        // A whole-day report keeps the whole day whatever the choices say.
        EXPECT_EQ(in.range.from, entry.takesRange() ? QTime(8, 0) : reports::RangeRequest{}.from);
        EXPECT_EQ(in.range.nodes.limitNodes, entry.takesRange());
        EXPECT_EQ(in.messageEvents != nullptr, entry.gathering == catalogue::LoadGathering::MessageEvents);
        EXPECT_EQ(in.nodeTallies != nullptr, entry.gathering == catalogue::LoadGathering::NodeTallies);
        EXPECT_EQ(in.minutes, &state_.minutes);
        EXPECT_EQ(in.reportDate, state_.reportDate);
        EXPECT_EQ(in.peakAvailableLines, state_.peakAvailableLines);
        EXPECT_EQ(in.connectionString, files_.workingPath());
        EXPECT_TRUE(in.debug);
    }
}

TEST_F(ReportRecipeTest, WithDebugOnTheReportThatWritesUnmatchedMessagesWritesThemIntoTheGivenFolder) {
    store::ReportDatabase db(files_.workingPath());
    QTemporaryDir debugFolder;
    const QString unmatched =
        QDir(debugFolder.path()).filePath(QString::fromLatin1(catalogue::unmatchedMessagesFileName));
    for (const ReportEntry& entry : catalogue::reportCatalogue()) {
        SCOPED_TRACE(entry.commandLineName);
        for (const bool debug : {false, true}) {
            reports::ReportInputs in = inputs(entry.kind);
            in.debug = debug;
            const catalogue::ReportRun run = catalogue::runReport(db, in, QDir(debugFolder.path()));
            EXPECT_GT(run.report.size(), 0u);
            EXPECT_FALSE(run.unmatchedFileFailure);
            EXPECT_EQ(QFileInfo::exists(unmatched), debug && entry.writesUnmatchedFile);
            QFile::remove(unmatched);
        }
    }

    // A folder where the file cannot be made does not stop the report.
    reports::ReportInputs latency = inputs(ReportKind::Latency);
    latency.debug = true;
    const std::size_t rows = catalogue::buildReport(db, latency).size();
    const catalogue::ReportRun run = catalogue::runReport(db, latency, QDir(debugFolder.filePath("missing")));
    EXPECT_TRUE(run.unmatchedFileFailure);
    EXPECT_EQ(run.report.size(), rows);
}

}  // namespace
