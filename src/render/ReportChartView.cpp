#include "render/ReportChartView.h"

#include "store/StoredTime.h"

namespace varnel::reportwindows {

void presentReportChart(charts::ChartControl& chart, const ReportWindowDesign& design, const reports::ReportChart& data,
                        const std::vector<bool>& visible, const charts::ChartPoints& points) {
    chart.setBatchMode(true);
    chart.setGroupType(design.groupType);
    chart.setHeader(data.header, true);
    chart.setChart(data, points);
    chart.setXLabels(design.xLabels, QStringLiteral("%H:%M:%S"));
    for (std::size_t k = 0; k < visible.size(); ++k) chart.setSeriesVisible(static_cast<int>(k + 1), visible[k]);
    const charts::AxisRange axis = wholeAxis(design, data);
    chart.setXRange(axis.minimum, axis.maximum);
    chart.setBatchMode(false);
}

std::optional<QString> startLatencyViewport(charts::ChartViewport& viewport, const reports::ReportChart& data) {
    const double last = data.series.isEmpty() || data.series.first().x.isEmpty() ? 0 : data.series.first().x.last();
    viewport.setRange(0, charts::roundHalfEven(last));
    viewport.setValue(0);
    return viewport.zoom(0);
}

charts::AxisRange wholeAxis(const ReportWindowDesign& design, const reports::ReportChart& data) {
    const qsizetype positions = data.series.isEmpty() ? 0 : data.series.first().x.size();
    if (design.viewport == charts::ViewportKind::PerMinute) return {0, charts::ChartViewport::perMinuteLimit};
    if (design.viewport == charts::ViewportKind::Latency) {
        if (positions == 0) return {0, static_cast<double>(store::secondsPerDay)};
        charts::ChartViewport viewport(charts::ViewportKind::Latency);
        startLatencyViewport(viewport, data);
        return viewport.axis();
    }
    return {0.5, static_cast<double>(positions) + 0.5};
}

}  // namespace varnel::reportwindows
