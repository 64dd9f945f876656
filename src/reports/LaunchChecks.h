// The checks made before a latency, node traffic or node error report runs.
#pragma once

#include <QString>
#include <optional>

#include "reports/ReportRequest.h"

namespace varnel::reports {

// "Start time must be earlier than the end time..." when from is not before to.
std::optional<QString> checkTimeRange(QTime from, QTime to);

// "You must select at least one Keldan and one Veyra node" when node limiting
// is on and either side has no selected entry.
std::optional<QString> checkNodeChoice(const NodeChoice& nodes);

// The first failing check of a request, if any.
std::optional<QString> checkRangeRequest(const RangeRequest& request);

}  // namespace varnel::reports
