// The closer of the desktop benchmark: a report window opened through the
// real launcher is closed once its chart is drawn, and paints elsewhere
// leave it waiting. A guard closes a window the closer missed, so that a
// fault fails the test instead of hanging it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "bench/DrawnChartCloser.h"
#include "charts/ChartControl.h"
#include "reportwindows/ReportWindowFixture.h"
#include "reportwindows/ReportWindowLauncher.h"

namespace varnel::bench::test {
namespace {

using reports::ReportKind;

// The report window now shown, if any.
reportwindows::ReportWindow* shownReportWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<reportwindows::ReportWindow*>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

class DrawnChartCloserTest : public reportwindows::test::ReportWindowFixture {
protected:
    void SetUp() override {
        loadFixture("per-minute");
        owner_.resize(900, 600);
        owner_.show();
        guard_.setSingleShot(true);
        QObject::connect(&guard_, &QTimer::timeout, [] {
            if (auto* window = shownReportWindow()) window->close();
        });
    }

    // Opens the report's window modally as Run Report does; false when the
    // guard had to close it.
    bool openAndWait(ReportKind kind) {
        reportwindows::ReportWindowLauncher launcher({dialogs_, printers_, {}, {}, {}});
        guard_.start(20000);
        launcher.openReport(inputs(kind), owner_, progress_);
        const bool closedInTime = guard_.isActive();
        guard_.stop();
        return closedInTime;
    }

    // Arms the closer to note what the window showed when it was called.
    void arm() {
        closer_.arm([this] {
            ++drawn_;
            const reportwindows::ReportWindow* window = shownReportWindow();
            chartShown_ = window && window->chart().isVisible() && window->chart().seriesCount() > 0;
        });
    }

    QWidget owner_;
    QTimer guard_;
    DrawnChartCloser closer_;
    int drawn_ = 0;
    bool chartShown_ = false;
};

TEST_F(DrawnChartCloserTest, ClosesEachArmedWindowOnceItsFilledChartIsShown) {
    for (ReportKind kind : {ReportKind::PortAvailability, ReportKind::QueueActivity}) {
        drawn_ = 0;
        chartShown_ = false;
        arm();
        EXPECT_TRUE(openAndWait(kind)) << "the closer left the window open";
        EXPECT_EQ(drawn_, 1);
        EXPECT_TRUE(chartShown_);
    }
}

TEST_F(DrawnChartCloserTest, PaintsOutsideAReportWindowKeepItArmed) {
    arm();
    charts::ChartControl looseChart;
    looseChart.resize(400, 300);
    looseChart.show();
    QApplication::processEvents();
    looseChart.repaint();
    QApplication::processEvents();
    EXPECT_EQ(drawn_, 0);

    EXPECT_TRUE(openAndWait(ReportKind::PortAvailability));
    EXPECT_EQ(drawn_, 1);
}

TEST_F(DrawnChartCloserTest, AWindowOpenedUnarmedStaysOpen) {
    arm();
    ASSERT_TRUE(openAndWait(ReportKind::PortAvailability));
    guard_.setInterval(300);
    reportwindows::ReportWindowLauncher launcher({dialogs_, printers_, {}, {}, {}});
    guard_.start();
    launcher.openReport(inputs(ReportKind::PortAvailability), owner_, progress_);
    EXPECT_FALSE(guard_.isActive()) << "only the guard may close the second window";
    EXPECT_EQ(drawn_, 1);
}

}  // namespace
}  // namespace varnel::bench::test
