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

int latencyAxisMaximum(const reports::ReportChart& data) {
    if (data.series.isEmpty() || data.series.first().x.isEmpty()) return 0;
    return charts::roundHalfEven(data.series.first().x.last());
}

charts::AxisRange wholeAxis(const ReportWindowDesign& design, const reports::ReportChart& data) {
    if (design.viewport == charts::ViewportKind::PerMinute) return {0, charts::ChartViewport::perMinuteLimit};
    if (design.viewport == charts::ViewportKind::Latency) {
        // An empty chart spans the whole day.
        const int maximum = latencyAxisMaximum(data);
        return {0, maximum > 0 ? static_cast<double>(maximum) : static_cast<double>(store::secondsPerDay)};
    }
    const qsizetype positions = data.series.isEmpty() ? 0 : data.series.first().x.size();
    return {0.5, static_cast<double>(positions) + 0.5};
}

}  // namespace varnel::reportwindows
