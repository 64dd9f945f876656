// The latency chart's points: one per delivery time and time in queue,
// however many messages share it.
#include <gtest/gtest.h>

#include <vector>

#include "reports/ReportCharts.h"

namespace {

using varnel::reports::LatencyRows;

struct Point {
    double x;
    double y;
    bool operator==(const Point&) const = default;
};

std::vector<Point> pointsOf(const LatencyRows& rows) {
    const auto chart = varnel::reports::latencyChart(rows, varnel::store::StoredTime(), QTime(0, 0), QTime(23, 59, 59));
    EXPECT_EQ(chart.series.size(), 1);
    std::vector<Point> points;
    for (qsizetype j = 0; j < chart.series.first().x.size(); ++j)
        points.push_back({chart.series.first().x[j], chart.series.first().y[j]});
    return points;
}

TEST(LatencyChartTest, MessagesOfOneDeliveryTimeAndTimeInQueueShareAPointInTheOrderFirstMet) {
    LatencyRows rows;
    int64_t index = 0;
    const auto add = [&](int delivered, int64_t queued) { rows.add(++index, "{G}", delivered, queued, 1, 2); };
    add(3600, 120);
    add(3600, 60);
    add(3600, 120);
    add(3600, 0);
    add(3600, 60);
    add(3660, 120);  // the same time in queue at the next minute is a point of its own
    add(3660, 120);
    add(7200, -60);
    add(7200, 60);
    add(7200, -60);
    EXPECT_EQ(pointsOf(rows), (std::vector<Point>{{0, 120}, {0, 60}, {0, 0}, {60, 120}, {3600, -60}, {3600, 60}}));
}

TEST(LatencyChartTest, TimesInQueueFarApartAreToldApartAsWell) {
    // Times in queue spread over more than two days.
    LatencyRows rows;
    int64_t index = 0;
    for (int64_t queued : {int64_t{0}, int64_t{1000000}, int64_t{0}, -(int64_t{1000000}), int64_t{1000000}})
        rows.add(++index, "{G}", 60, queued, 1, 2);
    rows.add(++index, "{G}", 120, 0, 1, 2);
    EXPECT_EQ(pointsOf(rows), (std::vector<Point>{{0, 0}, {0, 1000000.0}, {0, -1000000.0}, {60, 0}}));
}

}  // namespace
