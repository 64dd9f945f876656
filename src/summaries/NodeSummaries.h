// The node traffic and node error summaries: one grid row per NodeTraffic
// row, in stored order.
#pragma once

#include "reports/NodeTrafficTable.h"
#include "summaries/SummaryGrid.h"

namespace varnel::summaries {

// An empty table gives a grid without data rows that says "No data found in
// Node Traffic database".
SummaryGrid nodeTrafficSummary(const std::vector<reports::NodeTrafficRow>& rows);
SummaryGrid nodeErrorSummary(const std::vector<reports::NodeTrafficRow>& rows);

}  // namespace varnel::summaries
