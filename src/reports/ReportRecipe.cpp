#include "reports/ReportRecipe.h"

#include <exception>
#include <thread>

#include "reports/LatencyTableStore.h"
#include "reports/PreparedLatency.h"

namespace varnel::reports {

std::size_t BuiltReport::size() const {
    return std::visit([](const auto& rows) { return rows.size(); }, rows);
}

BuiltReport emptyReport(ReportKind kind) {
    switch (kind) {
        case ReportKind::PortAvailability:
            return {kind, std::vector<PortMinute>{}};
        case ReportKind::QueueActivity:
            return {kind, std::vector<QueueMinute>{}};
        case ReportKind::Latency:
            return {kind, LatencyRows{}};
        case ReportKind::NodeTraffic:
        case ReportKind::NodeErrors:
            return {kind, std::vector<NodeTrafficRow>{}};
    }
    return {kind, {}};
}

namespace {

// The pairs made after the load when they answer the report's range, else
// the report's own.
std::shared_ptr<const LatencyPairs> latencyPairs(store::ReportDatabase& db, const ReportInputs& inputs) {
    if (inputs.preparedLatency)
        if (auto prepared = inputs.preparedLatency->take(inputs.range)) return prepared;
    return std::make_shared<const LatencyPairs>(pairLatencyEvents(db, inputs.range, inputs.messageEvents));
}

// The latency rows go to the caller while another thread stores them: the
// pairs are in memory, so the table is stored as soon as they are made, and
// the outbound rows and the caller's files are made meanwhile. The
// connection is used by the storing thread alone meanwhile. With a table
// store among the inputs, the table is left to it and stored after the
// report has returned.
BuiltReport buildLatency(store::ReportDatabase& db, const ReportInputs& inputs, platform::MessageSink& messages,
                         QIODevice* unmatchedFile, const RowsUser& whileStoring, ReportProgress* progress) {
    const std::shared_ptr<const LatencyPairs> paired = latencyPairs(db, inputs);
    const LatencyPairs& pairs = *paired;
    const auto rowsAndFiles = [&] {
        BuiltReport report{inputs.kind, outboundLatencyRows(pairs)};
        reportLatencyOutcome(pairs, std::get<LatencyRows>(report.rows), messages, unmatchedFile);
        if (whileStoring) whileStoring(report);
        return report;
    };
    if (inputs.latencyTable) {
        BuiltReport report = rowsAndFiles();
        inputs.latencyTable->store(inputs.connectionString, paired);
        return report;
    }
    if (!whileStoring) {
        BuiltReport report = rowsAndFiles();
        storeMessageLatency(db, pairs, progress);
        return report;
    }
    std::exception_ptr storeFailure;
    std::thread storing([&] {
        try {
            storeMessageLatency(db, pairs, progress);
        } catch (...) {
            storeFailure = std::current_exception();
        }
    });
    BuiltReport report;
    try {
        report = rowsAndFiles();
    } catch (...) {
        storing.join();
        throw;
    }
    storing.join();
    if (storeFailure) std::rethrow_exception(storeFailure);
    return report;
}

BuiltReport buildTable(store::ReportDatabase& db, const ReportInputs& inputs, platform::MessageSink& messages,
                       ReportProgress* progress) {
    switch (inputs.kind) {
        case ReportKind::PortAvailability:
            if (inputs.minutes)
                ensurePortAvailability(db, *inputs.minutes, inputs.peakAvailableLines, messages, progress);
            else
                ensurePortAvailability(db, inputs.peakAvailableLines, messages, progress);
            return {inputs.kind, readPortAvailability(db)};
        case ReportKind::QueueActivity:
            if (inputs.minutes)
                ensureQueueActivity(db, *inputs.minutes, progress);
            else
                ensureQueueActivity(db, progress);
            return {inputs.kind, readQueueActivity(db)};
        case ReportKind::Latency:
            break;  // built by buildLatency
        case ReportKind::NodeTraffic:
            buildNodeTraffic(db, inputs.range, NodeCount::DeliveredMessages, messages, inputs.nodeTallies.get(),
                             progress);
            return {inputs.kind, readNodeTraffic(db)};
        case ReportKind::NodeErrors:
            buildNodeTraffic(db, inputs.range, NodeCount::NonDeliveries, messages, inputs.nodeTallies.get(), progress);
            return {inputs.kind, readNodeTraffic(db)};
    }
    return emptyReport(inputs.kind);
}

}  // namespace

BuiltReport buildReport(store::ReportDatabase& db, const ReportInputs& inputs, platform::MessageSink& messages,
                        QIODevice* unmatchedFile, const RowsUser& whileStoring, ReportProgress* progress) {
    if (inputs.kind == ReportKind::Latency)
        return buildLatency(db, inputs, messages, unmatchedFile, whileStoring, progress);
    BuiltReport report = buildTable(db, inputs, messages, progress);
    if (whileStoring) whileStoring(report);
    return report;
}

ReportWithUnmatchedFile buildReportWithUnmatchedFile(store::ReportDatabase& db, const ReportInputs& inputs,
                                                     platform::MessageSink& messages, const QString& unmatchedPath,
                                                     const RowsUser& whileStoring, ReportProgress* progress) {
    ReportWithUnmatchedFile built;
    bool done = false;
    built.unmatchedFileFailure = platform::writeWholeFile(unmatchedPath, [&](QIODevice& unmatched) {
        built.report = buildReport(db, inputs, messages, &unmatched, whileStoring, progress);
        done = true;
        return true;
    });
    // The file could not even be made: the report goes without it.
    if (!done) built.report = buildReport(db, inputs, messages, nullptr, whileStoring, progress);
    return built;
}

BuiltReport readReport(store::ReportDatabase& db, ReportKind kind) {
    switch (kind) {
        case ReportKind::PortAvailability:
            return {kind, readPortAvailability(db)};
        case ReportKind::QueueActivity:
            return {kind, readQueueActivity(db)};
        case ReportKind::Latency:
            return {kind, readOutboundLatency(db)};
        case ReportKind::NodeTraffic:
        case ReportKind::NodeErrors:
            return {kind, readNodeTraffic(db)};
    }
    return {kind, {}};
}

ReportChart reportChart(const BuiltReport& report, const ReportInputs& inputs) {
    switch (report.kind) {
        case ReportKind::PortAvailability:
            return portAvailabilityChart(std::get<std::vector<PortMinute>>(report.rows), inputs.reportDate);
        case ReportKind::QueueActivity:
            return queueActivityChart(std::get<std::vector<QueueMinute>>(report.rows), inputs.reportDate);
        case ReportKind::Latency:
            return latencyChart(std::get<LatencyRows>(report.rows), inputs.reportDate, inputs.range.from,
                                inputs.range.to);
        case ReportKind::NodeTraffic:
            return nodeTrafficChart(std::get<std::vector<NodeTrafficRow>>(report.rows), inputs.reportDate);
        case ReportKind::NodeErrors:
            return nodeErrorChart(std::get<std::vector<NodeTrafficRow>>(report.rows), inputs.reportDate);
    }
    return {};
}

}  // namespace varnel::reports
