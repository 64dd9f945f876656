#include "summaries/ReportSummary.h"

#include "summaries/HourlySummaries.h"
#include "summaries/LatencySummary.h"
#include "summaries/NodeSummaries.h"
#include "summaries/SummaryCsv.h"

namespace varnel::summaries {

using reports::ReportKind;

SummaryGrid summaryGrid(const reports::BuiltReport& report, platform::MessageSink& messages) {
    switch (report.kind) {
        case ReportKind::PortAvailability:
            return portAvailabilitySummary(std::get<std::vector<reports::PortMinute>>(report.rows));
        case ReportKind::QueueActivity:
            return queueActivitySummary(std::get<std::vector<reports::QueueMinute>>(report.rows));
        case ReportKind::Latency:
            return latencySummary(std::get<reports::LatencyRows>(report.rows));
        case ReportKind::NodeTraffic:
            return nodeTrafficSummary(std::get<std::vector<reports::NodeTrafficRow>>(report.rows), messages);
        case ReportKind::NodeErrors:
            return nodeErrorSummary(std::get<std::vector<reports::NodeTrafficRow>>(report.rows), messages);
    }
    return {};
}

SummaryTable summaryTable(const reports::BuiltReport& report, platform::MessageSink& messages, qsizetype rowLimit) {
    switch (report.kind) {
        case ReportKind::PortAvailability:
            return portAvailabilityTable(summaryGrid(report, messages));
        case ReportKind::QueueActivity:
            return queueActivityTable(summaryGrid(report, messages));
        case ReportKind::Latency:
            return latencyTable(std::get<reports::LatencyRows>(report.rows), rowLimit);
        case ReportKind::NodeTraffic:
            return nodeTrafficTable(summaryGrid(report, messages));
        case ReportKind::NodeErrors:
            return nodeErrorTable(summaryGrid(report, messages));
    }
    return {};
}

bool writeSummaryCsv(const reports::BuiltReport& report, platform::MessageSink& messages, QIODevice& out) {
    switch (report.kind) {
        case ReportKind::PortAvailability:
            return writePortAvailabilityCsv(summaryGrid(report, messages), out);
        case ReportKind::QueueActivity:
            return writeQueueActivityCsv(summaryGrid(report, messages), out);
        // The latency file is written straight from the rows: a grid of
        // hundreds of thousands of cell texts is never built for it.
        case ReportKind::Latency:
            return writeLatencyCsv(std::get<reports::LatencyRows>(report.rows), out);
        case ReportKind::NodeTraffic:
            return writeNodeTrafficCsv(summaryGrid(report, messages), out);
        case ReportKind::NodeErrors:
            return writeNodeErrorCsv(summaryGrid(report, messages), out);
    }
    return false;
}

}  // namespace varnel::summaries
