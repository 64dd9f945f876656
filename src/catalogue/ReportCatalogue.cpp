#include "catalogue/ReportCatalogue.h"

#include <algorithm>
#include <stdexcept>

#include "reports/LatencyReport.h"
#include "reports/LatencyTable.h"
#include "reports/NodeTrafficTable.h"
#include "reports/PortAvailabilityTable.h"
#include "reports/QueueActivityTable.h"
#include "summaries/HourlySummaries.h"
#include "summaries/LatencySummary.h"
#include "summaries/NodeSummaries.h"
#include "summaries/SummaryCsv.h"

namespace varnel::catalogue {

namespace {

using reports::BuiltReport;
using reports::LatencyRows;
using reports::NodeTrafficRow;
using reports::PortMinute;
using reports::QueueMinute;
using reports::ReportInputs;
using reports::ReportKind;
using store::ReportDatabase;
using summaries::SummaryGrid;
using summaries::SummaryTable;

using PortRows = std::vector<PortMinute>;
using QueueRows = std::vector<QueueMinute>;
using NodeRows = std::vector<NodeTrafficRow>;

// The pieces most reports share: a chart of the rows and the report date, a
// grid of the rows alone, a CSV table and file made from that grid.
template <typename Rows, reports::ReportChart (*chartOf)(const Rows&, const store::StoredTime&)>
reports::ReportChart datedChart(const BuiltReport& report, const ReportInputs& inputs) {
    return chartOf(report.rows.as<Rows>(), inputs.reportDate);
}

template <typename Rows, SummaryGrid (*gridOf)(const Rows&)>
SummaryGrid rowsGrid(const BuiltReport& report) {
    return gridOf(report.rows.as<Rows>());
}

template <SummaryGrid (*grid)(const BuiltReport&), SummaryTable (*tableOf)(const SummaryGrid&)>
SummaryTable gridTable(const BuiltReport& report, qsizetype) {
    return tableOf(grid(report));
}

template <SummaryGrid (*grid)(const BuiltReport&), bool (*writeOf)(const SummaryGrid&, QIODevice&)>
SummaryCsvWrite gridCsv(const BuiltReport& report, QIODevice& out) {
    SummaryGrid summary = grid(report);
    const bool written = writeOf(summary, out);
    return {written, std::move(summary.messages)};
}

// The report of the kind with its rows and what the table's build said.
BuiltReport saying(ReportKind kind, reports::ReportRows rows, platform::UserMessages messages) {
    return {kind, std::move(rows), std::move(messages)};
}

// ---- Port availability ----

BuiltReport buildPortAvailability(ReportDatabase& db, const ReportInputs& inputs, const BuildSide& side) {
    reports::PortAvailabilityBuild build =
        inputs.minutes ? reports::ensurePortAvailability(db, *inputs.minutes, inputs.peakAvailableLines, side.progress)
                       : reports::ensurePortAvailability(db, inputs.peakAvailableLines, side.progress);
    return side.handOn(saying(inputs.kind, reports::readPortAvailability(db), std::move(build.messages)));
}

constexpr auto portGrid = rowsGrid<PortRows, summaries::portAvailabilitySummary>;

// ---- Queue activity ----

BuiltReport buildQueueActivity(ReportDatabase& db, const ReportInputs& inputs, const BuildSide& side) {
    if (inputs.minutes)
        reports::ensureQueueActivity(db, *inputs.minutes, side.progress);
    else
        reports::ensureQueueActivity(db, side.progress);
    return side.handOn({inputs.kind, reports::readQueueActivity(db)});
}

constexpr auto queueGrid = rowsGrid<QueueRows, summaries::queueActivitySummary>;

// ---- Latency ----

BuiltReport buildLatency(ReportDatabase& db, const ReportInputs& inputs, const BuildSide& side) {
    return reports::buildLatencyReport(db, inputs, side.unmatchedFile, side.whileStoring, side.progress);
}

reports::ReportChart latencyChart(const BuiltReport& report, const ReportInputs& inputs) {
    return reports::latencyChart(report.rows.as<LatencyRows>(), inputs.reportDate, inputs.range.from, inputs.range.to);
}

SummaryTable latencyTable(const BuiltReport& report, qsizetype rowLimit) {
    return summaries::latencyTable(report.rows.as<LatencyRows>(), rowLimit);
}

// The latency file is written straight from the rows: a grid of hundreds of
// thousands of cell texts is never built for it.
SummaryCsvWrite latencyCsv(const BuiltReport& report, QIODevice& out) {
    return {summaries::writeLatencyCsv(report.rows.as<LatencyRows>(), out), {}};
}

// ---- Node traffic and node errors: one table, counted two ways ----

template <reports::NodeCount count>
BuiltReport buildNodes(ReportDatabase& db, const ReportInputs& inputs, const BuildSide& side) {
    reports::NodeTrafficBuild build =
        reports::buildNodeTraffic(db, inputs.range, count, inputs.nodeTallies.get(), side.progress);
    return side.handOn(saying(inputs.kind, reports::readNodeTraffic(db), std::move(build.messages)));
}

constexpr auto nodeTrafficGrid = rowsGrid<NodeRows, summaries::nodeTrafficSummary>;
constexpr auto nodeErrorGrid = rowsGrid<NodeRows, summaries::nodeErrorSummary>;

// ---- The catalogue ----

template <auto readOf>
reports::ReportRows readRows(ReportDatabase& db) {
    return readOf(db);
}

const ReportEntry entries[] = {
    {.kind = ReportKind::PortAvailability,
     .commandLineName = "port-availability",
     .fileStem = "PortAvailability",
     .table = "PortAvailability",
     .titleId = 87,
     .summaryTitleId = 89,
     .choices = ReportChoices::WholeDay,
     .gathering = LoadGathering::None,
     .writesUnmatchedFile = false,
     .build = buildPortAvailability,
     .read = readRows<reports::readPortAvailability>,
     .chart = datedChart<PortRows, reports::portAvailabilityChart>,
     .summaryGrid = portGrid,
     .summaryTable = gridTable<portGrid, summaries::portAvailabilityTable>,
     .writeSummaryCsv = gridCsv<portGrid, summaries::writePortAvailabilityCsv>},
    {.kind = ReportKind::QueueActivity,
     .commandLineName = "queue-activity",
     .fileStem = "MessageQueueActivity",
     .table = "MessageQueueActivity",
     .titleId = 54,
     .summaryTitleId = 55,
     .choices = ReportChoices::WholeDay,
     .gathering = LoadGathering::None,
     .writesUnmatchedFile = false,
     .build = buildQueueActivity,
     .read = readRows<reports::readQueueActivity>,
     .chart = datedChart<QueueRows, reports::queueActivityChart>,
     .summaryGrid = queueGrid,
     .summaryTable = gridTable<queueGrid, summaries::queueActivityTable>,
     .writeSummaryCsv = gridCsv<queueGrid, summaries::writeQueueActivityCsv>},
    {.kind = ReportKind::Latency,
     .commandLineName = "latency",
     .fileStem = "MessageLatency",
     .table = "MessageLatency",
     .titleId = 52,
     .summaryTitleId = 53,
     .choices = ReportChoices::RangeAndNodes,
     .gathering = LoadGathering::MessageEvents,
     .writesUnmatchedFile = true,
     .build = buildLatency,
     .read = readRows<reports::readOutboundLatency>,
     .chart = latencyChart,
     .summaryGrid = rowsGrid<LatencyRows, summaries::latencySummary>,
     .summaryTable = latencyTable,
     .writeSummaryCsv = latencyCsv},
    {.kind = ReportKind::NodeTraffic,
     .commandLineName = "node-traffic",
     .fileStem = "NodeTraffic",
     .table = "NodeTraffic",
     .titleId = 72,
     .summaryTitleId = 74,
     .choices = ReportChoices::RangeAndNodes,
     .gathering = LoadGathering::NodeTallies,
     .writesUnmatchedFile = false,
     .build = buildNodes<reports::NodeCount::DeliveredMessages>,
     .read = readRows<reports::readNodeTraffic>,
     .chart = datedChart<NodeRows, reports::nodeTrafficChart>,
     .summaryGrid = nodeTrafficGrid,
     .summaryTable = gridTable<nodeTrafficGrid, summaries::nodeTrafficTable>,
     .writeSummaryCsv = gridCsv<nodeTrafficGrid, summaries::writeNodeTrafficCsv>},
    {.kind = ReportKind::NodeErrors,
     .commandLineName = "node-errors",
     .fileStem = "NodeError",
     .table = "NodeTraffic",
     .titleId = 146,
     .summaryTitleId = 143,
     .choices = ReportChoices::RangeAndNodes,
     .gathering = LoadGathering::NodeTallies,
     .writesUnmatchedFile = false,
     .build = buildNodes<reports::NodeCount::NonDeliveries>,
     .read = readRows<reports::readNodeTraffic>,
     .chart = datedChart<NodeRows, reports::nodeErrorChart>,
     .summaryGrid = nodeErrorGrid,
     .summaryTable = gridTable<nodeErrorGrid, summaries::nodeErrorTable>,
     .writeSummaryCsv = gridCsv<nodeErrorGrid, summaries::writeNodeErrorCsv>},
};

}  // namespace

std::span<const ReportEntry> reportCatalogue() { return entries; }

const ReportEntry& reportEntry(ReportKind kind) {
    const auto found = std::find_if(std::begin(entries), std::end(entries),
                                    [kind](const ReportEntry& entry) { return entry.kind == kind; });
    if (found == std::end(entries)) throw std::logic_error("a report kind without a catalogue entry");
    return *found;
}

QList<ReportKind> allReportKinds() {
    QList<ReportKind> kinds;
    for (const ReportEntry& entry : entries) kinds << entry.kind;
    return kinds;
}

QString commandLineName(ReportKind kind) { return QString::fromLatin1(reportEntry(kind).commandLineName); }

std::optional<ReportKind> reportKindFromCommandLineName(const QString& name) {
    for (const ReportEntry& entry : entries)
        if (name == QLatin1String(entry.commandLineName)) return entry.kind;
    return std::nullopt;
}

}  // namespace varnel::catalogue
