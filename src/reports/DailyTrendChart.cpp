#include "reports/DailyTrendChart.h"

#include <array>
#include <cstdint>

#include "reports/TimeText.h"
#include "shell/EnglishStrings.h"
#include "shell/StringTable.h"
#include "trend/TrendFigures.h"

namespace varnel::reports {

namespace {

// Each figure's colour, in the order of the figures, from the Tableau 20
// set: the figures of one kind share a hue, told apart by a darker and a
// lighter shade (in and out; the median below the 95th percentile), so that
// two kinds shown side by side never share a hue and a figure differs from
// its partner in lightness too, which readers who see hues poorly can tell.
// The minutes without a free port stand alone in grey and the longest queue
// time in red.
constexpr std::array<std::uint32_t, trend::trendFigures.size()> figureColours = {
    0x1f77b4, 0xaec7e8,            // calls: blue
    0xff7f0e, 0xffbb78,            // ports: orange
    0x7f7f7f,                      // minutes without a free port: grey
    0x2ca02c, 0x98df8a,            // messages: green
    0x8c564b, 0xc49c94,            // megabytes: brown
    0xe377c2, 0xf7b6d2,            // NDNs: pink
    0xc5b0d5, 0x9467bd, 0xd62728,  // queue seconds: purple, the longest red
};

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
    for (std::size_t k = 0; k < trend::trendFigures.size(); ++k) {
        const trend::TrendFigure figure = trend::trendFigures[k];
        ChartSeries series;
        series.label = trend::figureHeading(figure);
        series.unit = trend::kindName(trend::kindOf(figure));
        series.rgb = figureColours[k];
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
