#include "reportwindows/ReportPicture.h"

#include "charts/ChartControl.h"
#include "reportwindows/ReportChartView.h"

namespace varnel::reportwindows {

std::optional<platform::WriteFailure> writeReportPicture(const reports::BuiltReport& report,
                                                         const reports::ReportInputs& inputs, const QString& path,
                                                         charts::ImageFormat format, QSize size) {
    const ReportWindowSpec& spec = reportWindowSpec(report.kind);
    charts::ChartControl chart;
    chart.resize(size);
    presentReportChart(chart, spec, reports::reportChart(report, inputs), initiallyVisibleSeries(spec));
    return chart.writeImage(path, format, size);
}

}  // namespace varnel::reportwindows
