// The node traffic and node error summaries: one grid row per NodeTraffic
// row, in stored order.
#pragma once

#include "platform/UserMessage.h"
#include "reports/NodeTrafficTable.h"
#include "summaries/SummaryGrid.h"

namespace varnel::summaries {

// An empty table gives a grid without data rows and shows "No data found in
// Node Traffic database".
SummaryGrid nodeTrafficSummary(const std::vector<reports::NodeTrafficRow>& rows, platform::MessageSink& messages);
SummaryGrid nodeErrorSummary(const std::vector<reports::NodeTrafficRow>& rows, platform::MessageSink& messages);

}  // namespace varnel::summaries
