#include "reports/ReportRecipe.h"

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
            return {kind, std::vector<LatencyRow>{}};
        case ReportKind::NodeTraffic:
        case ReportKind::NodeErrors:
            return {kind, std::vector<NodeTrafficRow>{}};
    }
    return {kind, {}};
}

BuiltReport buildReport(store::ReportDatabase& db, const ReportInputs& inputs, platform::MessageSink& messages,
                        QIODevice* unmatchedFile) {
    switch (inputs.kind) {
        case ReportKind::PortAvailability:
            if (inputs.minutes)
                ensurePortAvailability(db, *inputs.minutes, inputs.peakAvailableLines, messages);
            else
                ensurePortAvailability(db, inputs.peakAvailableLines, messages);
            return {inputs.kind, readPortAvailability(db)};
        case ReportKind::QueueActivity:
            if (inputs.minutes)
                ensureQueueActivity(db, *inputs.minutes);
            else
                ensureQueueActivity(db);
            return {inputs.kind, readQueueActivity(db)};
        case ReportKind::Latency:
            buildMessageLatency(db, inputs.range, messages, unmatchedFile);
            return {inputs.kind, readOutboundLatency(db)};
        case ReportKind::NodeTraffic:
            buildNodeTraffic(db, inputs.range, NodeCount::DeliveredMessages, messages);
            return {inputs.kind, readNodeTraffic(db)};
        case ReportKind::NodeErrors:
            buildNodeTraffic(db, inputs.range, NodeCount::NonDeliveries, messages);
            return {inputs.kind, readNodeTraffic(db)};
    }
    return emptyReport(inputs.kind);
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
            return latencyChart(std::get<std::vector<LatencyRow>>(report.rows), inputs.reportDate, inputs.range.from,
                                inputs.range.to);
        case ReportKind::NodeTraffic:
            return nodeTrafficChart(std::get<std::vector<NodeTrafficRow>>(report.rows), inputs.reportDate);
        case ReportKind::NodeErrors:
            return nodeErrorChart(std::get<std::vector<NodeTrafficRow>>(report.rows), inputs.reportDate);
    }
    return {};
}

}  // namespace varnel::reports
