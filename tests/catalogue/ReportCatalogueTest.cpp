// The report catalogue: every report has one entry with names and files of
// its own, every entry's recipe fits together (what it builds is what it
// reads back, what its page table holds is what its CSV file holds), and
// the default file names made from an entry.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QSet>
#include <QTemporaryDir>

#include "catalogue/DefaultFileNames.h"
#include "catalogue/ReportRecipe.h"
#include "ingest/DayList.h"
#include "ingest/LoadData.h"
#include "ingest/RecordingObserver.h"
#include "reports/LatencyTable.h"

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
        load_ = ingest::loadDays({logs, days, ingest::dayEntryText(days.first())}, files_, state_, observer);
        ASSERT_EQ(load_.outcome, ingest::LoadOutcome::Loaded);
    }

    reports::ReportInputs inputs(ReportKind kind) const {
        reports::ReportInputs in;
        in.kind = kind;
        in.range.nodes.veyraEntries = load_.veyraNodes;
        in.range.nodes.keldanEntries = load_.keldanNodes;
        in.reportDate = state_.reportDate;
        in.peakAvailableLines = state_.peakAvailableLines;
        return in;
    }

    QTemporaryDir data_;
    store::DataFiles files_{data_.path()};
    ingest::IngestState state_;
    ingest::LoadResult load_;
};

TEST_F(ReportRecipeTest, WhatAReportBuildsItHandsOnOnceAndReadsBackTheSame) {
    store::ReportDatabase db(files_.workingPath());
    for (const ReportEntry& entry : catalogue::reportCatalogue()) {
        SCOPED_TRACE(entry.commandLineName);
        test::RecordingObserver messages;
        std::vector<std::size_t> handed;
        const reports::BuiltReport built =
            catalogue::buildReport(db, inputs(entry.kind), messages, nullptr,
                                   [&handed](const reports::BuiltReport& report) { handed.push_back(report.size()); });
        EXPECT_EQ(built.kind, entry.kind);
        EXPECT_GT(built.size(), 0u);
        EXPECT_EQ(handed, std::vector<std::size_t>{built.size()});
        EXPECT_EQ(catalogue::readReport(db, entry.kind).size(), built.size());
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
        test::RecordingObserver messages;
        const reports::BuiltReport built = catalogue::buildReport(db, inputs(entry.kind), messages);
        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        ASSERT_TRUE(catalogue::writeSummaryCsv(built, messages, csv));
        QList<QByteArray> lines = csv.data().split('\n');
        ASSERT_EQ(lines.takeLast(), QByteArray());  // after the last line end
        const summaries::SummaryTable table = catalogue::summaryTable(built, messages);
        EXPECT_EQ(lines.first(), table.headerLine.toLocal8Bit() + '\r');
        EXPECT_EQ(lines.size() - 1, table.rows.size());
        EXPECT_EQ(table.totalRows, table.rows.size());
    }
}

}  // namespace
