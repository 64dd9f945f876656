// The report window of every report (frmPortAvailability,
// frmMessageQueueActivity, frmMessageLatency, frmNodeTraffic, frmNodeError),
// told apart by its ReportWindowDesign: the chart with its options, the zoom
// menu and scroll bar where the report has them, print, save, and the
// summary, help and About items. load() builds the report off the
// user-interface thread with its progress in the main window's panel.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "charts/ChartControl.h"
#include "charts/ChartViewport.h"
#include "render/ReportWindowDesign.h"
#include "reports/ReportCharts.h"
#include "reports/ReportInputs.h"
#include "windowkit/UserDialogs.h"

class QAbstractButton;
class QAction;
class QScrollBar;

namespace varnel::app {
class ProgressPanel;
}

namespace varnel::reportwindows {

class PrinterChooser;
class ReportProgressPanel;

struct ReportWindowServices {
    platform::UserDialogs& dialogs;
    PrinterChooser& printers;
    // Each may be empty; its menu item is then disabled.
    std::function<void(const reports::ReportInputs&, QWidget&)> openSummary;
    std::function<void(QWidget&)> showHelp;
    std::function<void(QWidget&)> showAbout;
};

class ReportWindow : public QDialog {
    Q_OBJECT
public:
    ReportWindow(const ReportWindowDesign& design, reports::ReportInputs inputs, ReportWindowServices services,
                 QWidget* parent = nullptr);
    ~ReportWindow() override;

    // The window's load: builds or reuses the report's table, fills the
    // chart and sets up the viewport. Failures and the report's own messages
    // are shown one by one; the window stays usable with an empty chart.
    void load(app::ProgressPanel& progress);

    // Sets the window's captions from the string table.
    void localize();
    // Shows the series that the check boxes and option buttons choose.
    void applyOptions();

    void zoom(int entry);
    void printChart();
    void saveChart();

    const ReportWindowDesign& design() const { return design_; }
    charts::ChartControl& chart() const { return *chart_; }

protected:
    bool event(QEvent* event) override;

private:
    void buildMenus();
    // Never below the design's minimum, nor below what the frames and the
    // chart need to show their captions and texts whole.
    void fitMinimumSize();
    QWidget* buildFrames();
    void showViewport();
    // Shows the outcome of a zoom: its failure in a box, then the viewport.
    void showZoomed(const std::optional<QString>& failure);
    std::vector<bool> chosenSeries() const;
    void followChart(double minimum, double maximum);
    // The chart data of the report, its points made for the chart and its
    // number of chart positions.
    struct BuiltChart {
        reports::ReportChart data;
        charts::ChartPoints chartPoints;
        int64_t points = 0;
    };
    BuiltChart buildInBackground(ReportProgressPanel& progress);

    const ReportWindowDesign& design_;
    reports::ReportInputs inputs_;
    ReportWindowServices services_;
    charts::ChartControl* chart_;
    QScrollBar* scrollBar_ = nullptr;
    std::vector<QAction*> zoomEntries_;
    int saveCaptionId_ = 0;
    std::vector<std::pair<QAction*, int>> captionedActions_;
    std::vector<std::pair<QWidget*, int>> captionedWidgets_;
    std::vector<QAbstractButton*> checks_;
    std::vector<QAbstractButton*> options_;
    std::optional<charts::ChartViewport> viewport_;
};

}  // namespace varnel::reportwindows
