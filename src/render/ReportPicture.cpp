#include "render/ReportPicture.h"

#include "charts/ChartControl.h"
#include "render/ReportChartView.h"

namespace varnel::reportwindows {

std::optional<platform::WriteFailure> writeReportPicture(const reports::BuiltReport& report,
                                                         const reports::ReportInputs& inputs, const QString& path,
                                                         charts::ImageFormat format, QSize size) {
    const ReportWindowDesign& design = reportWindowDesign(report.kind);
    charts::ChartControl chart;
    chart.resize(size);
    presentReportChart(chart, design, reports::reportChart(report, inputs), initiallyVisibleSeries(design));
    return chart.writeImage(path, format, size);
}

}  // namespace varnel::reportwindows
