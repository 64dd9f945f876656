#include "summaries/DailyTrendSummary.h"

#include "summaries/SummaryTable.h"

namespace varnel::summaries {

namespace {

// Wide enough for the day and for the longest headings.
constexpr int dayColumnTwips = 1200;
constexpr int figureColumnTwips = 1800;

}  // namespace

SummaryGrid dailyTrendSummary(const trend::DailyTrend& days) {
    const SummaryTable table = dailyTrendTable(days);
    SummaryGrid grid;
    for (const QString& heading : table.headings)
        grid.columns << SummaryColumn{heading, heading, grid.columns.isEmpty() ? dayColumnTwips : figureColumnTwips};
    grid.rows = table.rows;
    return grid;
}

}  // namespace varnel::summaries
