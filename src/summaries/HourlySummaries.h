// The port availability and queue activity summaries: the per-minute tables
// reduced to one grid row per hour of the day.
#pragma once

#include "reports/PortAvailabilityTable.h"
#include "reports/QueueActivityTable.h"
#include "summaries/SummaryGrid.h"

namespace varnel::summaries {

inline constexpr int hoursPerDay = 24;

// Row h (from 1) covers the minutes (h - 1) * 60 to h * 60 - 1: the most ports
// in use (at least 0) and the fewest ports available (at most 1000).
SummaryGrid portAvailabilitySummary(const std::vector<reports::PortMinute>& minutes);

// Row h: the largest value of each of the four columns over the hour's
// minutes, at least 0, so minutes without data never show.
SummaryGrid queueActivitySummary(const std::vector<reports::QueueMinute>& minutes);

}  // namespace varnel::summaries
