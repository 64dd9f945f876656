// The daily trend's chart: one position per loaded day, labelled with its
// date, and one series per figure of the trend table, each with the unit of
// its kind so that figures of one kind share an axis.
#pragma once

#include "reports/ReportCharts.h"
#include "trend/DayFigures.h"

namespace varnel::reports {

// Position i (from 1) is the i-th day, labelled MM/DD, or MM/DD/YY when the
// days span more than a year. Series k is figure k of trend::trendFigures;
// a day without that figure has no point in it.
ReportChart dailyTrendChart(const trend::DailyTrend& days);

}  // namespace varnel::reports
