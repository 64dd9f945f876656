#include <gtest/gtest.h>

#include "charts/ChartViewport.h"

namespace varnel::charts {
namespace {

// A per-minute window as the report's load leaves it: zoom entry 1, then 360.
ChartViewport openedPerMinute() {
    ChartViewport viewport(ViewportKind::PerMinute);
    viewport.setRange(0, 1440);
    viewport.zoom(1);
    viewport.setValue(360);
    return viewport;
}

ChartViewport latency(int maximum) {
    ChartViewport viewport(ViewportKind::Latency);
    viewport.setRange(0, maximum);
    viewport.setValue(0);
    viewport.zoom(0);
    return viewport;
}

TEST(ChartViewport, PerMinuteWindowOpensOnTwelveHoursFromSixInTheMorning) {
    const ChartViewport viewport = openedPerMinute();
    EXPECT_EQ(viewport.checkedEntry(), 1);
    EXPECT_EQ(viewport.scrollBar().largeChange, 720);
    EXPECT_EQ(viewport.scrollBar().smallChange, 30);
    EXPECT_TRUE(viewport.scrollBar().enabled);
    EXPECT_EQ(viewport.scrollBar().value, 360);
    EXPECT_EQ(viewport.axis(), (AxisRange{359, 1078}));
}

TEST(ChartViewport, ZoomKeepsTheLeftEdgeOnlyWhereTheWindowFits) {
    ChartViewport viewport = openedPerMinute();
    viewport.scroll(1000);
    viewport.zoom(1);
    EXPECT_EQ(viewport.scrollBar().value, 720);
    EXPECT_EQ(viewport.axis(), (AxisRange{720, 1440}));

    viewport.scroll(100);
    viewport.zoom(2);
    EXPECT_EQ(viewport.scrollBar().value, 100);
    EXPECT_EQ(viewport.scrollBar().smallChange, 10);
    EXPECT_EQ(viewport.axis(), (AxisRange{100, 340}));
}

TEST(ChartViewport, ScrollToTheEndWithOneHourShowsTheLastSixtyMinutes) {
    ChartViewport viewport = openedPerMinute();
    viewport.zoom(3);
    viewport.scroll(1440);
    EXPECT_EQ(viewport.axis(), (AxisRange{1379, 1439}));
    EXPECT_EQ(viewport.scrollBar().smallChange, 1);
}

TEST(ChartViewport, EntryZeroShowsTheWholeAxisWithTheBarDisabledUntilAnotherEntry) {
    ChartViewport viewport = openedPerMinute();
    viewport.zoom(0);
    EXPECT_EQ(viewport.axis(), (AxisRange{0, 1440}));
    EXPECT_FALSE(viewport.scrollBar().enabled);
    EXPECT_EQ(viewport.scrollBar().smallChange, 30);  // entry 0 keeps the arrow step
    viewport.zoom(2);
    EXPECT_TRUE(viewport.scrollBar().enabled);

    ChartViewport day = latency(61200);
    EXPECT_EQ(day.axis(), (AxisRange{0, 61200}));
    EXPECT_FALSE(day.scrollBar().enabled);
}

TEST(ChartViewport, LatencyWidthsArePartsOfTheMaximumRoundedHalfToEven) {
    ChartViewport hundred = latency(100);
    EXPECT_FALSE(hundred.zoom(3));
    EXPECT_EQ(hundred.scrollBar().largeChange, 12);  // 12.5
    EXPECT_EQ(hundred.scrollBar().smallChange, 1);

    ChartViewport six = latency(6);
    EXPECT_FALSE(six.zoom(2));
    EXPECT_EQ(six.scrollBar().largeChange, 2);  // 1.5
    EXPECT_FALSE(six.zoom(3));
    EXPECT_EQ(six.scrollBar().largeChange, 1);  // 0.75
}

TEST(ChartViewport, LatencyWidthBelowOneIsReportedAndTheOldWidthKept) {
    ChartViewport three = latency(3);
    const auto failure = three.zoom(3);  // 0.375 rounds to 0
    ASSERT_TRUE(failure);
    EXPECT_EQ(three.scrollBar().largeChange, 3);
    EXPECT_EQ(three.checkedEntry(), 3);
}

TEST(ChartViewport, LatencyScrollHoldsTheWholeDayInSeconds) {
    // A last delivery after 09:06:07 no longer overflows the scroll range.
    ChartViewport viewport = latency(86340);
    viewport.zoom(3);
    EXPECT_EQ(viewport.scrollBar().largeChange, 10792);  // 10792.5
    viewport.scroll(86340);
    EXPECT_EQ(viewport.axis(), (AxisRange{86340 - 10792, 86340}));
    viewport.scroll(40000);
    EXPECT_EQ(viewport.axis(), (AxisRange{40000, 40000 + 10792 - 1}));
}

TEST(ChartViewport, AChartZoomMovesTheBarAndClearsTheCheckMarkOffTheFixedWidths) {
    ChartViewport viewport = openedPerMinute();
    viewport.followChart(99, 199);
    EXPECT_FALSE(viewport.checkedEntry());
    EXPECT_EQ(viewport.scrollBar().largeChange, 100);
    EXPECT_EQ(viewport.scrollBar().value, 100);
    EXPECT_EQ(viewport.axis(), (AxisRange{99, 199}));

    viewport.followChart(-50, 10);  // dragged past the start of the day
    EXPECT_EQ(viewport.checkedEntry(), 3);
    EXPECT_EQ(viewport.scrollBar().value, 0);

    viewport.followChart(-500, 5000);  // zoomed out past the whole day
    EXPECT_EQ(viewport.checkedEntry(), 0);
    EXPECT_FALSE(viewport.scrollBar().enabled);
}

// A per-day chart of the given number of days, opened on all of them.
ChartViewport perDay(int days) {
    ChartViewport viewport(ViewportKind::PerDay);
    viewport.setRange(1, days);
    viewport.setValue(1);
    viewport.zoom(3);
    return viewport;
}

TEST(ChartViewport, PerDayEntriesShowWholeDaysAndNeverMoreThanAreLoaded) {
    ChartViewport year = perDay(365);
    EXPECT_EQ(year.axis(), (AxisRange{0.5, 365.5}));
    EXPECT_FALSE(year.scrollBar().enabled);
    year.zoom(0);
    EXPECT_EQ(year.scrollBar().largeChange, 7);
    EXPECT_EQ(year.scrollBar().smallChange, 1);
    EXPECT_TRUE(year.scrollBar().enabled);
    EXPECT_EQ(year.axis(), (AxisRange{0.5, 7.5}));
    year.scroll(400);  // past the last day: the window ends on it
    EXPECT_EQ(year.axis(), (AxisRange{358.5, 365.5}));
    year.zoom(1);  // keeps the end in view
    EXPECT_EQ(year.axis(), (AxisRange{334.5, 365.5}));

    // Ten days: every entry of 31 days or more shows the ten.
    ChartViewport ten = perDay(10);
    ten.zoom(1);
    EXPECT_EQ(ten.axis(), (AxisRange{0.5, 10.5}));
    EXPECT_FALSE(ten.scrollBar().enabled);
    ten.zoom(0);
    ten.scroll(9);
    EXPECT_EQ(ten.axis(), (AxisRange{3.5, 10.5}));
}

TEST(ChartViewport, PerDayChartZoomChecksTheEntryOfItsWidth) {
    ChartViewport viewport = perDay(400);
    viewport.followChart(99.5, 130.5);
    EXPECT_EQ(viewport.checkedEntry(), 1);
    EXPECT_EQ(viewport.scrollBar().value, 100);
    EXPECT_EQ(viewport.axis(), (AxisRange{99.5, 130.5}));
    viewport.followChart(-20, 2);  // dragged before the first day
    EXPECT_FALSE(viewport.checkedEntry());
    EXPECT_EQ(viewport.axis(), (AxisRange{0.5, 22.5}));
}

}  // namespace
}  // namespace varnel::charts
