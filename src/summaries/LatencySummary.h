// The latency summary: the outbound message pairs in delivery order, shown
// with every column of MessageLatency, "Index" and OutboundMessage hidden.
#pragma once

#include "reports/LatencyTable.h"
#include "summaries/SummaryGrid.h"

namespace varnel::summaries {

SummaryGrid latencySummary(const std::vector<reports::LatencyRow>& outbound);

}  // namespace varnel::summaries
