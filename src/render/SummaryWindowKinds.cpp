#include "render/SummaryWindowKinds.h"

namespace varnel::summarywindows {

const SummaryWindowKind& summaryWindowKind(reports::ReportKind kind) {
    static const SummaryWindowKind portAvailability{
        "frmPortAvailabilitySummary", 89, "mnuSaveAsCSV", "mnuHelpHeader", true, 6030, 6000};
    static const SummaryWindowKind queueActivity{
        "frmMessageQueueActivitySummary", 55, "mnuSaveToCSV", "Help", true, 9600, 3000};
    static const SummaryWindowKind latency{"frmMessageLatencySummary", 53, "mnuSaveToCSV", "Help", false, 6000, 3000};
    static const SummaryWindowKind nodeTraffic{"frmNodeTrafficSummary", 74, "mnuSaveToCSV", "Help", true, 9800, 3000};
    static const SummaryWindowKind nodeErrors{
        "frmNodeErrorSummary", 143, "mnuSaveAsCSV", "mnuHelpMenu", true, 5730, 3000};
    switch (kind) {
        case reports::ReportKind::PortAvailability:
            return portAvailability;
        case reports::ReportKind::QueueActivity:
            return queueActivity;
        case reports::ReportKind::Latency:
            return latency;
        case reports::ReportKind::NodeTraffic:
            return nodeTraffic;
        case reports::ReportKind::NodeErrors:
            return nodeErrors;
    }
    return portAvailability;
}

}  // namespace varnel::summarywindows
