// How a report's chart is first shown, the same in the report window and in
// the pictures varnel-report writes: bars or points, header, series, axis
// labels and the series the window's initial options show.
#pragma once

#include <QString>
#include <optional>
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

// The latency viewport as the window's load sets it up over a chart with
// points: the scroll bar from 0 to the last point's X rounded (halves to
// even), at 0, then "Zoom %100". Returns the zoom's failure: a single point
// leaves the bar no width.
std::optional<QString> startLatencyViewport(charts::ChartViewport& viewport, const reports::ReportChart& data);

// The X axis as the chart first shows it over the whole day: minute rows 0
// to 1440 ("No Zoom"), the latency axis as startLatencyViewport leaves it
// (a whole day from midnight without points), the nodes with half a
// position spare on either side.
charts::AxisRange wholeAxis(const ReportWindowDesign& design, const reports::ReportChart& data);

}  // namespace varnel::reportwindows
