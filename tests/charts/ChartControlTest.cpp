// The chart adapter drawn offscreen: a whole day of minute bars on a chart
// narrower than 1440 pixels keeps every peak visible; minute bars tile at any
// size, two series at one minute both show, and a minute without data reaches
// below zero; count axes tick on whole numbers; points on the edges of the
// plotting area are drawn whole; a time axis counts from its time base;
// points made beforehand draw as the chart alone; the last turned value
// label has room; a chart without points ignores the wheel; series of two
// units stand on two axes, the right one titled in full; a legend wider
// than the chart wraps; a year of bars side by side share their days; day
// labels are thinned for the width drawn at, a year of them always.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QWheelEvent>
#include <functional>
#include <set>
#include <thread>

#include "QtPrinting.h"
#include "charts/ChartControl.h"
#include "charts/WheelTurn.h"

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

bool isBlue(QColor colour) { return colour.blue() > 150 && colour.red() < 100; }
bool isOrange(QColor colour) { return colour.red() > 200 && colour.blue() < 80; }

// Pixels of the bar colour in row y of the picture.
int barPixelsInRow(const QImage& image, int y) {
    int count = 0;
    for (int x = 0; x < image.width(); ++x)
        if (isBlue(image.pixelColor(x, y))) ++count;
    return count;
}

// A per-minute chart of the given series over the whole day, drawn at size.
QImage minuteChart(const QVector<reports::ChartSeries>& series, std::pair<double, double> range, QSize size) {
    ChartControl chart;
    chart.setGroupType(ChartControl::GroupType::Bars);
    chart.setChart({QStringLiteral("Day"), QStringLiteral("Time"), QStringLiteral("Ports"), series, {}});
    chart.setXLabels(ChartControl::XLabels::MinuteOfDay);
    chart.setXRange(range.first, range.second);
    return chart.toImage(size);
}

reports::ChartSeries minutes(const QString& label, const std::function<double(int)>& value) {
    reports::ChartSeries series{label, {}, {}};
    for (int j = 1; j <= 1440; ++j) {
        series.x << j;
        series.y << value(j);
    }
    return series;
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

TEST(ChartControl, MinuteBarsTileWithoutGapsAtEverySizeAndZoom) {
    // Both series of the port chart shown, the available ports taller.
    const reports::ChartSeries available = minutes(QStringLiteral("Available"), [](int) { return 10; });
    const reports::ChartSeries busy = minutes(QStringLiteral("Busy"), [](int) { return 6; });
    const auto isBar = [](QColor colour) { return isBlue(colour) || isOrange(colour); };
    // The whole day, twelve hours, four hours and one hour from 06:00.
    for (const auto& range :
         {std::pair(0.0, 1440.0), std::pair(359.0, 1078.0), std::pair(359.0, 598.0), std::pair(359.0, 418.0)}) {
        for (const int width : {480, 997, 1600, 2311}) {
            SCOPED_TRACE(testing::Message() << range.first << " to " << range.second << " at " << width);
            const QImage picture = minuteChart({available, busy}, range, QSize(width, 500));
            // A row through both series' bars, and one through the taller only.
            for (const int y : {picture.height() / 2, picture.height() / 3}) {
                int first = 0;
                while (first < picture.width() && !isBar(picture.pixelColor(first, y))) ++first;
                int last = picture.width() - 1;
                while (last > first && !isBar(picture.pixelColor(last, y))) --last;
                ASSERT_GT(last - first, width / 2);
                int gaps = 0;
                for (int x = first; x <= last; ++x)
                    if (!isBar(picture.pixelColor(x, y))) ++gaps;
                EXPECT_EQ(gaps, 0) << y;
            }
        }
    }
}

TEST(ChartControl, TwoSeriesAtOneMinuteBothShowWhicheverIsTaller) {
    // Available ports low in the morning and high in the afternoon, busy
    // ports the other way round.
    const reports::ChartSeries available =
        minutes(QStringLiteral("Available"), [](int j) { return j <= 720 ? 10 : 30; });
    const reports::ChartSeries busy = minutes(QStringLiteral("Busy"), [](int j) { return j <= 720 ? 30 : 10; });
    for (const auto& range : {std::pair(0.0, 1440.0), std::pair(659.0, 778.0)}) {
        SCOPED_TRACE(range.first);
        const QImage picture = minuteChart({available, busy}, range, QSize(800, 500));
        // Rows at a third of the lower value and half way between the two.
        const auto rowAt = [&](double value) {
            int bottom = picture.height() - 1;
            while (bottom > 0 && !isBlue(picture.pixelColor(picture.width() / 4, bottom)) &&
                   !isOrange(picture.pixelColor(picture.width() / 4, bottom)))
                --bottom;
            int top = 0;
            while (top < bottom && !isOrange(picture.pixelColor(picture.width() / 4, top))) ++top;
            return bottom - static_cast<int>((bottom - top) * value / 30);
        };
        const int low = rowAt(3);
        const int between = rowAt(20);
        for (const int x : {picture.width() / 4, picture.width() * 3 / 4}) {
            SCOPED_TRACE(x);
            const bool morning = x < picture.width() / 2;
            const QColor lower = picture.pixelColor(x, low);
            const QColor upper = picture.pixelColor(x, between);
            // The shorter series in front, the taller one above it.
            EXPECT_TRUE(morning ? isBlue(lower) : isOrange(lower));
            EXPECT_TRUE(morning ? isOrange(upper) : isBlue(upper));
        }
    }
}

TEST(ChartControl, AChartTooSmallForItsAxesIsDrawnWithoutFailing) {
    const reports::ChartSeries busy = minutes(QStringLiteral("Busy"), [](int j) { return j % 7; });
    for (const QSize size : {QSize(30, 20), QSize(90, 60)}) {
        SCOPED_TRACE(size.width());
        EXPECT_EQ(minuteChart({busy}, {0, 1440}, size).size(), size);
    }
}

TEST(ChartControl, AMinuteWithoutDataReachesBelowZeroAndItsTooltipSaysSo) {
    const reports::ChartSeries queue = minutes(QStringLiteral("Inbound"), [](int j) { return j <= 720 ? -1.0 : 40.0; });
    const QImage picture = minuteChart({queue}, {0, 1440}, QSize(800, 500));
    // The left half holds only the -1 minutes: their bars show there.
    int drawn = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 100; x < picture.width() / 2 - 10; ++x)
            if (isBlue(picture.pixelColor(x, y))) ++drawn;
    EXPECT_GT(drawn, 300);

    ChartControl chart;
    chart.setChart({QStringLiteral("Day"), QStringLiteral("Time"), QStringLiteral("Messages"), {queue}, {}});
    chart.setXLabels(ChartControl::XLabels::MinuteOfDay);
    EXPECT_EQ(chart.pointText(10), QStringLiteral("00:09\nInbound: no data"));
}

TEST(ChartControl, CountsTickOnWholeNumbersAndFractionsKeepTheirTicks) {
    const auto ticks = [](const QVector<double>& values) {
        reports::ChartSeries series{QStringLiteral("Outbound"), {}, values};
        for (int i = 1; i <= values.size(); ++i) series.x << i;
        ChartControl chart;
        chart.setChart({QStringLiteral("Nodes"), QStringLiteral("Nodes"), QStringLiteral("NDNs"), {series}, {}});
        chart.setXLabels(ChartControl::XLabels::ValueLabels);
        chart.resize(600, 400);
        return chart.yTickLabels();
    };
    for (const QVector<double>& counts :
         {QVector<double>{1, 2, 3}, QVector<double>{0, 1}, QVector<double>{0, 0}, QVector<double>{7, 12, 4}}) {
        const QStringList labels = ticks(counts);
        ASSERT_GE(labels.size(), 2) << counts.size();
        for (const QString& label : labels)
            EXPECT_FALSE(label.contains(QLatin1Char('.'))) << labels.join(' ').toStdString();
    }
    // Megabytes are not counts.
    EXPECT_TRUE(ticks({0.5, 1.5, 2.5}).join(' ').contains(QLatin1Char('.')));
}

TEST(ChartControl, PointsOnTheEdgesOfThePlottingAreaAreDrawnWhole) {
    const auto picture = [](const QVector<double>& x, const QVector<double>& y) {
        ChartControl chart;
        chart.setGroupType(ChartControl::GroupType::Points);
        chart.setChart(
            {QStringLiteral("Latency"), QStringLiteral("Time"), QStringLiteral("Seconds"), {{"Wait", x, y}}, {}});
        chart.setXLabels(ChartControl::XLabels::TimeOfDay);
        chart.setXRange(0, 1000);
        return chart.toImage(QSize(600, 400));
    };
    const auto pointPixels = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (isBlue(image.pixelColor(x, y))) ++count;
        return count;
    };
    // One point well inside; a wait of 0 seconds at the first delivery, on
    // the bottom and left edges; the last delivery on the right edge.
    const int inside = pointPixels(picture({500}, {300}));
    ASSERT_GT(inside, 0);
    EXPECT_EQ(pointPixels(picture({0}, {0})), inside);
    EXPECT_EQ(pointPixels(picture({1000}, {600})), inside);
}

TEST(ChartControl, ATimeAxisCountsFromItsTimeBase) {
    // Deliveries from 08:05:00 to 17:00:00, X in seconds after the first.
    reports::ChartSeries series{QStringLiteral("SecondsInQueue"), {0, 3600, 32100}, {60, 120, 0}};
    reports::ReportChart data{
        QStringLiteral("Latency"), QStringLiteral("Time"), QStringLiteral("Seconds"), {series}, {}, 8 * 3600 + 5 * 60};
    ChartControl chart;
    chart.setGroupType(ChartControl::GroupType::Points);
    chart.setChart(data);
    chart.setXLabels(ChartControl::XLabels::TimeOfDay, QStringLiteral("%H:%M:%S"));
    chart.setXRange(0, 32100);
    chart.resize(900, 500);
    chart.show();
    const QStringList labels = chart.xTickLabels();
    ASSERT_GE(labels.size(), 3);
    for (const QString& label : labels) {
        const QTime time = QTime::fromString(label, QStringLiteral("HH:mm:ss"));
        EXPECT_TRUE(time.isValid()) << label.toStdString();
        EXPECT_GE(time, QTime(8, 5));
        EXPECT_LE(time, QTime(17, 0));
        EXPECT_EQ(time.minute() % 30, 0) << label.toStdString();  // on whole times of the day
    }
    EXPECT_EQ(chart.pointText(0, 60), QStringLiteral("08:05:00  SecondsInQueue: 60"));
    EXPECT_EQ(chart.pointText(32100, 0), QStringLiteral("17:00:00  SecondsInQueue: 0"));
}

TEST(ChartControl, TheWheelOnAChartWithoutPointsChangesNothing) {
    ChartControl chart;
    chart.setGroupType(ChartControl::GroupType::Points);
    chart.setChart({QStringLiteral("Latency"),
                    QStringLiteral("Time"),
                    QStringLiteral("Seconds"),
                    {{QStringLiteral("SecondsInQueue"), {}, {}}},
                    {}});
    chart.setXRange(0, 86400);
    chart.setUserZoom(true);
    chart.resize(600, 400);
    chart.show();
    QSignalSpy changes(&chart, &ChartControl::userRangeChanged);
    test::turnWheelUp(chart);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(chart.xRange(), std::make_pair(0.0, 86400.0));
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

// Days 1 to count with the value of each day.
reports::ChartSeries days(const QString& label, const QString& unit, int count,
                          const std::function<double(int)>& value) {
    reports::ChartSeries series{label, {}, {}, unit};
    for (int j = 1; j <= count; ++j) {
        series.x << j;
        series.y << value(j);
    }
    return series;
}

TEST(ChartControl, SeriesOfASecondUnitGoOnTheRightAxisWithItsOwnScale) {
    const reports::ReportChart data{
        QStringLiteral("Trend"),
        QStringLiteral("Day"),
        QString(),
        {days(QStringLiteral("Inbound Calls"), QStringLiteral("Calls"), 5, [](int) { return 40000.0; }),
         days(QStringLiteral("Longest"), QStringLiteral("Seconds"), 5, [](int j) { return j * 1.0; }),
         days(QStringLiteral("Outbound Calls"), QStringLiteral("Calls"), 5, [](int) { return 30000.0; })},
        {"a", "b", "c", "d", "e"}};
    ChartControl chart;
    chart.setChart(data);
    chart.setXLabels(ChartControl::XLabels::ValueLabels);
    chart.resize(600, 400);
    EXPECT_EQ(chart.valueAxisTitles(), (QStringList{"Calls", "Seconds"}));
    // The left axis reaches 40,000; the seconds keep a scale of their own.
    EXPECT_TRUE(chart.yTickLabels().join(' ').contains(QStringLiteral("40000")));

    chart.setSeriesVisible(2, false);
    EXPECT_EQ(chart.valueAxisTitles(), (QStringList{"Calls"}));
    chart.setSeriesVisible(1, false);
    chart.setSeriesVisible(3, false);
    chart.setSeriesVisible(2, true);
    EXPECT_EQ(chart.valueAxisTitles(), (QStringList{"Seconds"}));
    EXPECT_FALSE(chart.yTickLabels().join(' ').contains(QStringLiteral("40000")));
}

// The smallest rectangle holding every pixel in which two pictures of one
// size differ; empty where they are alike.
QRect differingPixels(const QImage& one, const QImage& other) {
    QRect box;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x)
            if (one.pixel(x, y) != other.pixel(x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

TEST(ChartControl, TheRightAxisTitleIsDrawnWholeBesideItsTickLabels) {
    // Calls on the left, seconds on the right, over ten labelled days; the
    // seconds come in after the chart is drawn with calls alone, as when
    // the user ticks their box.
    const auto picture = [](const QString& secondUnit, QSize size) {
        QStringList labels;
        for (int j = 1; j <= 10; ++j) labels << QStringLiteral("03/%1").arg(j, 2, 10, QLatin1Char('0'));
        const reports::ReportChart data{
            QStringLiteral("Trend"),
            QStringLiteral("Day"),
            QString(),
            {days(QStringLiteral("Inbound Calls"), QStringLiteral("Calls"), 10, [](int j) { return 400.0 + j; }),
             days(QStringLiteral("Longest"), secondUnit, 10, [](int j) { return 3000.0 + j * 50; })},
            labels};
        ChartControl chart;
        chart.setGroupType(ChartControl::GroupType::Bars);
        chart.setChart(data);
        chart.setXLabels(ChartControl::XLabels::ValueLabels);
        chart.setSeriesVisible(2, false);
        static_cast<void>(chart.toImage(size));
        chart.setSeriesVisible(2, true);
        return chart.toImage(size);
    };
    for (const QSize size : {QSize(600, 400), QSize(1400, 900)}) {
        SCOPED_TRACE(size.width());
        // A blank title leaves the same room; what differs is the title.
        const QImage blank = picture(QStringLiteral(" "), size);
        const QRect title = differingPixels(picture(QStringLiteral("Seconds"), size), blank);
        ASSERT_FALSE(title.isEmpty());
        // Whole and turned, on the right, with white around it.
        EXPECT_GT(title.height(), title.width() * 2);
        EXPECT_GT(title.left(), size.width() * 3 / 4);
        EXPECT_LT(title.right(), size.width() - 2);
        EXPECT_GT(title.top(), 0);
        EXPECT_LT(title.bottom(), size.height() - 1);
        // Nothing else (the tick labels) is drawn where the title stands.
        int drawnUnder = 0;
        for (int y = title.top(); y <= title.bottom(); ++y)
            for (int x = title.left(); x <= title.right(); ++x)
                if (blank.pixel(x, y) != qRgb(255, 255, 255)) ++drawnUnder;
        EXPECT_EQ(drawnUnder, 0);
    }
}

TEST(ChartControl, ALegendWiderThanTheChartWrapsItsEntriesWhole) {
    // Five series of long names, each in a colour of its own.
    const QStringList names{"Inbound Messages", "Outbound Messages", "Median Outbound Queue Seconds",
                            "95th Percentile Outbound Queue Seconds", "Longest Outbound Queue Seconds"};
    const std::uint32_t colours[] = {0x2ca02c, 0x98df8a, 0xc5b0d5, 0x9467bd, 0xd62728};
    reports::ReportChart data{QStringLiteral("Trend"), QStringLiteral("Day"), QStringLiteral("Count"), {}, {}};
    for (qsizetype k = 0; k < names.size(); ++k) {
        data.series << days(names[k], QString(), 3, [k](int j) { return 10.0 * (k + 1) + j; });
        data.series.back().rgb = colours[k];
    }
    data.xLabels = QStringList{"a", "b", "c"};
    ChartControl chart;
    chart.setGroupType(ChartControl::GroupType::Bars);
    chart.setChart(data);
    chart.setXLabels(ChartControl::XLabels::ValueLabels);
    const QFontMetrics metrics(chart.font());
    int oneRow = 0;
    for (const QString& name : names) oneRow += metrics.horizontalAdvance(name);
    // The chart may be narrower than its entries side by side.
    EXPECT_LT(chart.minimumSizeHint().width(), oneRow);

    for (const int width : {500, 800, 2400}) {
        SCOPED_TRACE(width);
        const QImage picture = chart.toImage(QSize(width, 450));
        // A series' legend icon is the lowest and then leftmost pixel of its
        // colour: the legend stands under the bars.
        std::vector<QPoint> icons;
        for (const std::uint32_t colour : colours) {
            QPoint icon(-1, -1);
            for (int y = picture.height() - 1; y >= 0 && icon.y() < 0; --y)
                for (int x = 0; x < picture.width() && icon.x() < 0; ++x)
                    if ((picture.pixel(x, y) & 0xffffff) == colour) icon = QPoint(x, y);
            ASSERT_GE(icon.x(), 0);
            icons.push_back(icon);
        }
        // Each entry's name has room before the next entry in its row and
        // before the picture's right edge.
        std::set<int> rows;
        for (std::size_t k = 0; k < icons.size(); ++k) {
            rows.insert(icons[k].y());
            int end = picture.width();
            for (const QPoint& other : icons)
                if (std::abs(other.y() - icons[k].y()) < 3 && other.x() > icons[k].x()) end = std::min(end, other.x());
            EXPECT_GT(end - icons[k].x(), metrics.horizontalAdvance(names[static_cast<qsizetype>(k)])) << k;
        }
        // Wide enough, the entries stand in one row.
        if (width >= oneRow * 2) {
            EXPECT_EQ(rows.size(), 1U);
        } else if (width < oneRow) {
            EXPECT_GT(rows.size(), 1U);
        }
    }
}

TEST(ChartControl, AYearOfBarsSideBySideSharesEachDayTheTallerBehind) {
    // Four series over a year, each higher than the one before: too many
    // days for bars side by side.
    const std::uint32_t colours[] = {0x2ca02c, 0xd62728, 0x1f77b4, 0xff7f0e};
    QVector<reports::ChartSeries> series;
    for (int k = 0; k < 4; ++k) {
        series << days(QStringLiteral("Series %1").arg(k), QString(), 365, [k](int) { return 10.0 * (k + 1); });
        series.back().rgb = colours[k];
    }
    QStringList labels;
    for (int j = 1; j <= 365; ++j) labels << QString::number(j);
    ChartControl chart;
    chart.setGroupType(ChartControl::GroupType::Bars);
    chart.setXLabels(ChartControl::XLabels::ValueLabels);
    chart.setChart({QStringLiteral("Year"), QStringLiteral("Day"), QStringLiteral("Count"), series, labels});
    chart.setXRange(0.5, 365.5);
    const QImage picture = chart.toImage(QSize(800, 400));
    // Each series has a row of the plot in its colour alone, above the
    // lower series and in front of the higher: no stripes of all four.
    for (int k = 0; k < 4; ++k) {
        bool alone = false;
        for (int y = 0; y < picture.height() && !alone; ++y) {
            int own = 0;
            int others = 0;
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb colour = picture.pixel(x, y) & 0xffffff;
                if (colour == colours[k])
                    ++own;
                else if (std::find(std::begin(colours), std::end(colours), colour) != std::end(colours))
                    ++others;
            }
            alone = own > picture.width() / 2 && others == 0;
        }
        EXPECT_TRUE(alone) << k;
    }
}

TEST(ChartControl, DayLabelsAreThinnedForTheWidthTheChartIsDrawnAt) {
    QStringList labels;
    for (int j = 1; j <= 10; ++j) labels << QString::number(j);
    ChartControl chart;
    chart.setGroupType(ChartControl::GroupType::Bars);
    chart.setChart({QStringLiteral("Days"),
                    QStringLiteral("Day"),
                    QString(),
                    {days(QStringLiteral("Calls"), QStringLiteral("Calls"), 10, [](int j) { return j; })},
                    labels});
    chart.setXLabels(ChartControl::XLabels::ValueLabels);
    chart.setXRange(0.5, 10.5);
    // Shown narrow, where only some days are labelled.
    chart.resize(140, 400);
    chart.show();
    QApplication::processEvents();
    EXPECT_LT(chart.xTickLabels().size(), 10);
    // Drawn wide, the first picture labels the days as the next one does.
    const QImage first = chart.toImage(QSize(900, 400));
    EXPECT_TRUE(first == chart.toImage(QSize(900, 400)));
    chart.resize(900, 400);
    QApplication::processEvents();
    EXPECT_EQ(chart.xTickLabels(), labels);
}

TEST(ChartControl, AYearOfDayLabelsIsThinnedAndADayWithoutAValueSaysSo) {
    reports::ChartSeries calls = days(QStringLiteral("Calls"), QStringLiteral("Calls"), 365, [](int j) { return j; });
    QStringList labels;
    for (int j = 1; j <= 365; ++j) labels << QString::number(j);
    // Day 3 has no value in this series.
    calls.x.remove(2);
    calls.y.remove(2);
    ChartControl chart;
    chart.setGroupType(ChartControl::GroupType::Bars);
    chart.setChart({QStringLiteral("Year"), QStringLiteral("Day"), QString(), {calls}, labels});
    chart.setXLabels(ChartControl::XLabels::ValueLabels);
    chart.resize(800, 500);
    chart.show();  // lays the plot out at the chart's size
    chart.setXRange(0.5, 365.5);
    const QStringList shown = chart.xTickLabels();
    EXPECT_GT(shown.size(), 5);
    EXPECT_LT(shown.size(), 80);
    EXPECT_EQ(shown.first(), QStringLiteral("1"));
    // Zoomed to a week every day is labelled.
    chart.setXRange(10.5, 17.5);
    EXPECT_EQ(chart.xTickLabels(), (QStringList{"11", "12", "13", "14", "15", "16", "17"}));

    EXPECT_EQ(chart.pointText(3), QStringLiteral("3\nCalls: no data"));
    EXPECT_EQ(chart.pointText(4), QStringLiteral("4\nCalls: 4"));
}

}  // namespace
}  // namespace varnel::charts
