// The checks made before a report with a time range and node filter opens.
#pragma once

#include "ingest/ReportInputs.h"
#include "platform/UserMessage.h"

#include <optional>

namespace varnel::ingest {

// The message that stops the report, or nothing when it may open: the start
// must be earlier than the end, and a filter that limits nodes needs at least
// one node on each side.
std::optional<platform::UserMessage> reportLaunchProblem(const NodeFilter& filter);

}  // namespace varnel::ingest
