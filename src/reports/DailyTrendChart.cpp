#include "reports/DailyTrendChart.h"

#include "reports/TimeText.h"
#include "shell/EnglishStrings.h"
#include "shell/StringTable.h"
#include "trend/TrendFigures.h"

namespace varnel::reports {

namespace {

QString dayLabelPattern(const trend::DailyTrend& days) {
    const bool overAYear = days.front().day.addYears(1) < days.back().day;
    return overAYear ? QStringLiteral("MM/dd/yy") : QStringLiteral("MM/dd");
}

}  // namespace

ReportChart dailyTrendChart(const trend::DailyTrend& days) {
    ReportChart chart;
    chart.header = shell::myLoadResString(shell::dailyTrendHeaderStringId);
    if (!days.empty())
        chart.header += longDateText(days.front().day) + shell::myLoadResString(3) + longDateText(days.back().day);
    chart.xTitle = trend::dayHeading();
    for (const trend::TrendFigure figure : trend::trendFigures) {
        ChartSeries series;
        series.label = trend::figureHeading(figure);
        series.unit = trend::kindName(trend::kindOf(figure));
        for (std::size_t i = 0; i < days.size(); ++i) {
            if (const std::optional<double> value = trend::figureValue(days[i], figure)) {
                series.x << static_cast<double>(i + 1);
                series.y << *value;
            }
        }
        chart.series << series;
    }
    if (!days.empty()) {
        const QString pattern = dayLabelPattern(days);
        for (const trend::DayFigures& day : days) chart.xLabels << day.day.toString(pattern);
    }
    return chart;
}

}  // namespace varnel::reports
