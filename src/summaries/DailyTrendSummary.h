// The daily trend's summary grid: the columns of the trend table, one row
// per day, the cells as the CSV file holds them.
#pragma once

#include "summaries/SummaryGrid.h"
#include "trend/DayFigures.h"

namespace varnel::summaries {

SummaryGrid dailyTrendSummary(const trend::DailyTrend& days);

}  // namespace varnel::summaries
