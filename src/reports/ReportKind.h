// The kinds of report. What each one is called, what it takes and how it is
// built, read, charted and summed up stands in the report catalogue.
#pragma once

namespace varnel::reports {

enum class ReportKind { PortAvailability, QueueActivity, Latency, NodeTraffic, NodeErrors };

}  // namespace varnel::reports
