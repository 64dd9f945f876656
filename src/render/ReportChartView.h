// How a report's chart is first shown, the same in the report window and in
// the pictures varnel-report writes: bars or points, header, series, axis
// labels and the series the window's initial options show.
#pragma once

#include <vector>

#include "charts/ChartControl.h"
#include "charts/ChartViewport.h"
#include "render/ReportWindowDesign.h"
#include "reports/ReportCharts.h"

namespace varnel::reportwindows {

// Fills chart with the report chart and shows the given series (from 1);
// points, when given, are data's made beforehand for the design's group type.
void presentReportChart(charts::ChartControl& chart, const ReportWindowDesign& design, const reports::ReportChart& data,
                        const std::vector<bool>& visible, const charts::ChartPoints& points = {});

// The scroll bar's maximum of a latency chart: the last point's X rounded,
// halves to even; 0 without points.
int latencyAxisMaximum(const reports::ReportChart& data);

// The whole X axis, as "No Zoom" shows it: minute rows 0 to 1440, the
// latency axis from 0 to its maximum, the nodes with half a position spare on
// either side.
charts::AxisRange wholeAxis(const ReportWindowDesign& design, const reports::ReportChart& data);

}  // namespace varnel::reportwindows
