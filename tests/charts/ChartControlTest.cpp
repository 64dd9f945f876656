// The chart adapter drawn offscreen: a whole day of minute bars on a chart
// narrower than 1440 pixels keeps every peak visible; points made beforehand
// draw as the chart alone; the last turned value label has room.
#include <gtest/gtest.h>

#include <QImage>
#include <thread>

#include "charts/ChartControl.h"

namespace varnel::charts {
namespace {

// 1440 minute bars of height 1 with one peak of 10 at the given row.
reports::ReportChart dayWithPeakAt(int row) {
    reports::ChartSeries series{QStringLiteral("Busy"), {}, {}};
    for (int j = 1; j <= 1440; ++j) {
        series.x << j;
        series.y << (j == row ? 10 : 1);
    }
    return {QStringLiteral("Peak"), QStringLiteral("Time"), QStringLiteral("Ports"), {series}, {}};
}

// Pixels of the bar colour in row y of the picture.
int barPixelsInRow(const QImage& image, int y) {
    int count = 0;
    for (int x = 0; x < image.width(); ++x) {
        const QColor colour = image.pixelColor(x, y);
        if (colour.blue() > 150 && colour.red() < 100) ++count;
    }
    return count;
}

TEST(ChartControl, APeakOfOneMinuteShowsOnAWholeDayNarrowerThanItsMinutes) {
    ChartControl chart;
    chart.setGroupType(ChartControl::GroupType::Bars);
    chart.setXLabels(ChartControl::XLabels::MinuteOfDay);
    for (int row = 700; row < 712; ++row) {
        SCOPED_TRACE(row);
        chart.setChart(dayWithPeakAt(row));
        chart.setXRange(0, 1440);
        // Half way up only the peak reaches; the bars of height 1 stay low.
        const QImage picture = chart.toImage(QSize(500, 300));
        EXPECT_GE(barPixelsInRow(picture, picture.height() / 2), 1);
        EXPECT_GT(barPixelsInRow(picture, picture.height() * 3 / 4), 400);
    }
}

TEST(ChartControl, APointsTooltipNamesThePointNearestTheMouse) {
    reports::ChartSeries series{QStringLiteral("SecondsInQueue"), {3600, 3700, 3720, 3720}, {5, 6, 7, 3000}};
    ChartControl chart;
    chart.setGroupType(ChartControl::GroupType::Points);
    chart.setChart({QStringLiteral("Latency"), QStringLiteral("Time"), QStringLiteral("Seconds"), {series}, {}});
    chart.setXRange(0, 86400);
    chart.resize(600, 400);
    chart.show();         // lays the plot out at the chart's size
    chart.xTickLabels();  // and draws it there
    EXPECT_EQ(chart.pointText(3715), QStringLiteral("01:02:00  SecondsInQueue: 7"));
    EXPECT_EQ(chart.pointText(3590), QStringLiteral("01:00:00  SecondsInQueue: 5"));
    EXPECT_EQ(chart.pointText(20000), QString());
    // Two deliveries at 01:02:00: the height under the mouse picks one.
    EXPECT_EQ(chart.pointText(3720, 2990), QStringLiteral("01:02:00  SecondsInQueue: 3000"));
    EXPECT_EQ(chart.pointText(3720, 20), QStringLiteral("01:02:00  SecondsInQueue: 7"));
    EXPECT_EQ(chart.pointText(3720, 1500), QString());
}

TEST(ChartControl, PointsMadeBeforehandOnAnotherThreadDrawAsTheChartAlone) {
    reports::ChartSeries in{QStringLiteral("In"), {}, {}};
    reports::ChartSeries out{QStringLiteral("Out"), {}, {}};
    for (int j = 1; j <= 1440; ++j) {
        in.x << j;
        in.y << (j % 7 == 0 ? -1 : j % 13);  // -1: no data, no bar
        out.x << j;
        out.y << (j % 5);
    }
    const reports::ReportChart data{
        QStringLiteral("Two"), QStringLiteral("Time"), QStringLiteral("Ports"), {in, out}, {}};
    const auto picture = [&data](ChartControl::GroupType type, const ChartPoints* points) {
        ChartControl chart;
        chart.setGroupType(type);
        if (points)
            chart.setChart(data, *points);
        else
            chart.setChart(data);
        chart.setXRange(0, 1440);
        return chart.toImage(QSize(500, 300));
    };
    for (const auto type : {ChartControl::GroupType::Bars, ChartControl::GroupType::Points}) {
        ChartPoints made;
        std::thread([&] { made = ChartControl::preparePoints(data, type); }).join();
        const QImage alone = picture(type, nullptr);
        EXPECT_EQ(picture(type, &made), alone);
        // Points made for the other group type are made again for this one.
        const ChartPoints other =
            ChartControl::preparePoints(data, type == ChartControl::GroupType::Bars ? ChartControl::GroupType::Points
                                                                                    : ChartControl::GroupType::Bars);
        EXPECT_EQ(picture(type, &other), alone);
    }
}

TEST(ChartControl, ALongLastValueLabelGetsRoomAndIsDrawn) {
    reports::ChartSeries traffic{QStringLiteral("Outbound"), {1, 2, 3}, {5, 6, 7}};
    const reports::ReportChart data{
        QStringLiteral("Nodes"),
        QStringLiteral("Nodes"),
        QStringLiteral("Messages"),
        {traffic},
        {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("Keldan - 665199 665199 665199")}};
    ChartControl chart;
    chart.setGroupType(ChartControl::GroupType::Bars);
    chart.setChart(data);
    chart.setXLabels(ChartControl::XLabels::ValueLabels);
    chart.setXRange(0.5, 3.5);
    const QImage picture = chart.toImage(QSize(600, 400));
    // The last label runs down to the right of its bar, into the last
    // quarter of the picture, where nothing else is drawn below the bars.
    int dark = 0;
    for (int y = picture.height() * 2 / 3; y < picture.height(); ++y)
        for (int x = picture.width() * 3 / 4; x < picture.width(); ++x)
            if (qGray(picture.pixel(x, y)) < 100) ++dark;
    EXPECT_GT(dark, 20);
}

}  // namespace
}  // namespace varnel::charts
