// The daily trend's window offscreen: every day on the axis under its
// header, at most two kinds of figures at once on a left and a right axis,
// each series shown in a colour of its own, the zoom entries over a week, a
// month and all days, the summary item and the saved chart's proposed name.
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QScrollBar>
#include <QSet>

#include "charts/ChartControl.h"
#include "render/ReportViewCatalogue.h"
#include "reports/DailyTrendChart.h"
#include "reportwindows/ReportWindowFixture.h"
#include "trend/TrendFigures.h"

namespace varnel::reportwindows::test {
namespace {

using reports::ReportKind;

class DailyTrendWindow : public ReportWindowFixture {
protected:
    // Inputs over the given number of days from 3 March 2025, the trend
    // gathered beforehand: the window reads nothing of the database.
    reports::ReportInputs trendOver(int dayCount) {
        loadFixture("trend");
        auto days = std::make_shared<trend::DailyTrend>();
        for (int i = 0; i < dayCount; ++i) {
            trend::DayFigures day;
            day.day = QDate(2025, 3, 3).addDays(i);
            day.inboundCalls = 100 + i;
            day.outboundCalls = 80 + i;
            day.peakPortsBusy = 6 + i % 3;
            day.fewestPortsFree = 2 - i % 3;
            day.minutesWithoutFreePort = 1 + i % 4;
            day.inboundMessages = 30 + i;
            day.outboundMessages = 40 + i;
            day.inboundMegabytes = 1.5 + i;
            day.outboundMegabytes = 2.5 + i;
            day.inboundNdns = 3 + i;
            day.outboundNdns = 2 + i;
            day.outboundQueue = trend::QueueSeconds{30, 60 + i, 90 + i};
            days->push_back(day);
        }
        reports::ReportInputs in = inputs(ReportKind::DailyTrend);
        in.dailyTrend = days;
        return in;
    }

    // The colours of every pixel of the chart as drawn.
    static QSet<QRgb> coloursDrawn(charts::ChartControl& chart) {
        const QImage picture = chart.toImage(QSize(900, 500)).convertToFormat(QImage::Format_RGB32);
        QSet<QRgb> colours;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) colours.insert(picture.pixel(x, y) & 0xffffff);
        return colours;
    }

    static QCheckBox* box(const QWidget& window, const char* name) { return control<QCheckBox>(window, name); }
};

TEST_F(DailyTrendWindow, ShowsEveryDayUnderItsHeaderAndAtMostTwoKindsOfFigures) {
    const auto window = open(trendOver(10));
    EXPECT_EQ(window->objectName(), QStringLiteral("frmDailyTrend"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Daily Trend Report"));
    auto* chart = control<charts::ChartControl>(*window, "Chart2D1");
    EXPECT_TRUE(chart->headerText().startsWith(QStringLiteral("Daily Trend Report for ")));
    EXPECT_TRUE(chart->headerText().contains(QStringLiteral("2025")));
    EXPECT_EQ(chart->xRange(), (std::pair<double, double>{0.5, 10.5}));
    EXPECT_EQ(chart->xTickLabels().first(), QStringLiteral("03/03"));

    // Messages and queue seconds at first: the other kinds wait.
    EXPECT_TRUE(box(*window, "chkShowMessages")->isChecked());
    EXPECT_TRUE(box(*window, "chkShowQueueSeconds")->isChecked());
    EXPECT_FALSE(box(*window, "chkShowCalls")->isEnabled());
    EXPECT_EQ(chart->valueAxisTitles(), (QStringList{"Messages", "Queue seconds"}));

    box(*window, "chkShowMessages")->click();
    EXPECT_TRUE(box(*window, "chkShowCalls")->isEnabled());
    EXPECT_EQ(chart->valueAxisTitles(), (QStringList{"Queue seconds"}));
    box(*window, "chkShowCalls")->click();
    EXPECT_FALSE(box(*window, "chkShowMessages")->isEnabled());
    EXPECT_EQ(chart->valueAxisTitles(), (QStringList{"Calls", "Queue seconds"}));
    // The tooltip names the day and the values shown.
    const QString tip = chart->pointText(2);
    EXPECT_TRUE(tip.startsWith(QStringLiteral("03/04\n"))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(QStringLiteral("Inbound Calls: 101")));
    EXPECT_TRUE(tip.contains(QStringLiteral("Longest Outbound Queue Seconds: 91")));
    EXPECT_FALSE(tip.contains(QStringLiteral("Outbound Messages")));
}

TEST_F(DailyTrendWindow, EverySeriesShownAtOnceIsDrawnInAColourOfItsOwn) {
    const reports::ReportInputs in = trendOver(10);
    const reports::ReportChart data = reports::dailyTrendChart(*in.dailyTrend);
    const auto window = open(in);
    auto* chart = control<charts::ChartControl>(*window, "Chart2D1");
    const QList<QCheckBox*> boxes = control<QWidget>(*window, "Frame1")->findChildren<QCheckBox*>();
    ASSERT_EQ(boxes.size(), trend::trendKindCount);
    // Every two kinds of figures that fit on the chart together.
    for (qsizetype first = 0; first < boxes.size(); ++first) {
        for (qsizetype second = first + 1; second < boxes.size(); ++second) {
            SCOPED_TRACE((boxes[first]->objectName() + QLatin1Char(' ') + boxes[second]->objectName()).toStdString());
            for (QCheckBox* box : boxes)
                if (box->isChecked()) box->click();
            boxes[first]->click();
            boxes[second]->click();
            // Each series shown is drawn, in a colour no other shown has.
            const QSet<QRgb> drawn = coloursDrawn(*chart);
            QSet<QRgb> colours;
            int shown = 0;
            for (int k = 0; k < chart->seriesCount(); ++k) {
                if (!chart->isSeriesVisible(k + 1)) continue;
                ++shown;
                ASSERT_TRUE(data.series[k].rgb.has_value());
                EXPECT_TRUE(drawn.contains(*data.series[k].rgb)) << data.series[k].label.toStdString();
                colours.insert(*data.series[k].rgb);
            }
            EXPECT_GE(shown, 2);
            EXPECT_EQ(colours.size(), shown);
        }
    }
}

TEST_F(DailyTrendWindow, ZoomEntriesShowAWeekAMonthAYearOrAllDays) {
    const auto window = open(trendOver(40));
    auto* chart = control<charts::ChartControl>(*window, "Chart2D1");
    auto* bar = control<QScrollBar>(*window, "ScrollBar");
    const QList<QAction*> entries = control<QMenu>(*window, "mnuZoomMenu")->actions();
    ASSERT_EQ(entries.size(), 4);
    EXPECT_EQ(entries[0]->text(), QStringLiteral("Show 7 Days"));
    EXPECT_EQ(entries[3]->text(), QStringLiteral("Show All Days"));
    EXPECT_TRUE(entries[3]->isChecked());
    EXPECT_FALSE(bar->isEnabled());

    entries[0]->trigger();
    EXPECT_EQ(chart->xRange(), (std::pair<double, double>{0.5, 7.5}));
    EXPECT_TRUE(bar->isEnabled());
    bar->setValue(34);  // the last week
    EXPECT_EQ(chart->xRange(), (std::pair<double, double>{33.5, 40.5}));
    entries[1]->trigger();
    EXPECT_EQ(chart->xRange(), (std::pair<double, double>{9.5, 40.5}));
    // A year is more than is loaded: all 40 days.
    entries[2]->trigger();
    EXPECT_EQ(chart->xRange(), (std::pair<double, double>{0.5, 40.5}));
    EXPECT_FALSE(bar->isEnabled());
}

TEST_F(DailyTrendWindow, SummaryItemOpensTheSummaryAndTheChartIsSavedUnderItsDefaultName) {
    const auto window = open(trendOver(3));
    control<QAction>(*window, "mnuSummaryInfo")->trigger();
    EXPECT_EQ(summariesOpened_, 1);

    const QString path = QDir(data_.path()).filePath(QStringLiteral("trend.BMP"));
    dialogs_.saveAnswer = path;
    control<QAction>(*window, "mnuSaveChartToBitmap")->trigger();
    ASSERT_EQ(dialogs_.saveSuggestions.size(), 1);
    const QString expected = QStringLiteral("DailyTrendGraph_%1_%2_%3.BMP")
                                 .arg(state_.reportDate.month)
                                 .arg(state_.reportDate.day)
                                 .arg(state_.reportDate.year);
    EXPECT_TRUE(dialogs_.saveSuggestions.first().endsWith(expected)) << dialogs_.saveSuggestions.first().toStdString();
    EXPECT_FALSE(QImage(path, "BMP").isNull());
}

}  // namespace
}  // namespace varnel::reportwindows::test
