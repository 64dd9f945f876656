// The daily trend's chart: day labels short within a year and with the year
// beyond it, figures a day has not got left out of their series, and the
// units that put figures of one kind on one axis, and a colour of its own
// for every figure.
#include <gtest/gtest.h>

#include <set>

#include "reports/DailyTrendChart.h"
#include "trend/TrendFigures.h"

namespace varnel::reports {
namespace {

trend::DayFigures dayOf(QDate date, int64_t inboundCalls) {
    trend::DayFigures day;
    day.day = date;
    day.inboundCalls = inboundCalls;
    return day;
}

const ChartSeries& seriesOf(const ReportChart& chart, trend::TrendFigure figure) {
    const auto at = std::find(trend::trendFigures.begin(), trend::trendFigures.end(), figure);
    return chart.series.at(at - trend::trendFigures.begin());
}

TEST(DailyTrendChart, DaysWithinAYearAreLabelledByMonthAndDayAndBeyondItWithTheYear) {
    const trend::DailyTrend week{dayOf(QDate(2004, 12, 30), 1), dayOf(QDate(2004, 12, 31), 2),
                                 dayOf(QDate(2005, 1, 2), 3)};
    const ReportChart chart = dailyTrendChart(week);
    EXPECT_EQ(chart.xLabels, (QStringList{"12/30", "12/31", "01/02"}));
    EXPECT_TRUE(chart.header.startsWith(QStringLiteral("Daily Trend Report for ")));
    EXPECT_EQ(seriesOf(chart, trend::TrendFigure::InboundCalls).y, (QVector<double>{1, 2, 3}));
    EXPECT_EQ(seriesOf(chart, trend::TrendFigure::InboundCalls).x, (QVector<double>{1, 2, 3}));

    // A year and a day apart, both ends inclusive, is more than a year.
    const trend::DailyTrend exactlyAYear{dayOf(QDate(2004, 3, 1), 0), dayOf(QDate(2005, 3, 1), 0)};
    EXPECT_EQ(dailyTrendChart(exactlyAYear).xLabels, (QStringList{"03/01", "03/01"}));
    const trend::DailyTrend overAYear{dayOf(QDate(2004, 3, 1), 0), dayOf(QDate(2005, 3, 2), 0)};
    EXPECT_EQ(dailyTrendChart(overAYear).xLabels, (QStringList{"03/01/04", "03/02/05"}));
}

TEST(DailyTrendChart, AFigureADayHasNotGotLeavesItsPositionOut) {
    trend::DayFigures busy = dayOf(QDate(2004, 5, 10), 5);
    busy.peakPortsBusy = 7;
    busy.fewestPortsFree = 0;
    busy.outboundQueue = trend::QueueSeconds{60, 90, 120};
    const trend::DayFigures quiet = dayOf(QDate(2004, 5, 11), 0);
    const ReportChart chart = dailyTrendChart({quiet, busy});
    ASSERT_EQ(chart.series.size(), static_cast<qsizetype>(trend::trendFigures.size()));
    EXPECT_EQ(seriesOf(chart, trend::TrendFigure::PeakPortsBusy).x, (QVector<double>{2}));
    EXPECT_EQ(seriesOf(chart, trend::TrendFigure::FewestPortsFree).y, (QVector<double>{0}));
    EXPECT_EQ(seriesOf(chart, trend::TrendFigure::LongestOutboundQueueSeconds).y, (QVector<double>{120}));
    // Counts are there on a day without events.
    EXPECT_EQ(seriesOf(chart, trend::TrendFigure::OutboundNdns).x, (QVector<double>{1, 2}));
}

TEST(DailyTrendChart, FiguresOfOneKindShareAUnitAndKindsDiffer) {
    const ReportChart chart = dailyTrendChart({dayOf(QDate(2004, 5, 10), 1)});
    EXPECT_EQ(seriesOf(chart, trend::TrendFigure::InboundCalls).unit,
              seriesOf(chart, trend::TrendFigure::OutboundCalls).unit);
    EXPECT_EQ(seriesOf(chart, trend::TrendFigure::MedianOutboundQueueSeconds).unit,
              seriesOf(chart, trend::TrendFigure::LongestOutboundQueueSeconds).unit);
    QStringList units;
    for (const ChartSeries& series : chart.series)
        if (!units.contains(series.unit)) units << series.unit;
    EXPECT_EQ(units.size(), trend::trendKindCount);
    EXPECT_FALSE(units.contains(QString()));
}

TEST(DailyTrendChart, EveryFigureHasAColourOfItsOwn) {
    const ReportChart chart = dailyTrendChart({dayOf(QDate(2004, 5, 10), 1)});
    std::set<std::uint32_t> colours;
    for (const ChartSeries& series : chart.series) {
        ASSERT_TRUE(series.rgb.has_value()) << series.label.toStdString();
        EXPECT_LE(*series.rgb, 0xffffffU);
        colours.insert(*series.rgb);
    }
    EXPECT_EQ(colours.size(), trend::trendFigures.size());
}

}  // namespace
}  // namespace varnel::reports
