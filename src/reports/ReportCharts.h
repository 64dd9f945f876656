// What each report's chart shows, as plain data: the header, the axis titles,
// the series with their points and, for the node reports, the X-axis labels.
// The chart windows hand this to the chart control.
#pragma once

#include <QString>
#include <QStringList>
#include <QTime>
#include <QVector>
#include <cstdint>
#include <optional>

#include "reports/LatencyRows.h"
#include "reports/NodeTrafficTable.h"
#include "reports/PortAvailabilityTable.h"
#include "reports/QueueActivityTable.h"
#include "store/StoredTime.h"

namespace varnel::reports {

struct ChartSeries {
    QString label;
    QVector<double> x;  // in ascending order
    QVector<double> y;
    // What the values count, for charts whose series count different things:
    // the series shown of the first unit share the left axis, titled with
    // the unit, those of any other the right. Empty: the chart's Y title.
    QString unit = QString();
    // The colour the series is drawn in, as 0xRRGGBB, for charts whose
    // series each have a colour of their own. None: the chart control's
    // colour for the series' position.
    std::optional<std::uint32_t> rgb = std::nullopt;
};

struct ReportChart {
    QString header;  // lines separated by CR LF
    QString xTitle;
    QString yTitle;
    QVector<ChartSeries> series;  // series 1 first
    QStringList xLabels;          // label of position i + 1; empty for the per-minute and latency charts
    // The second of the day at X = 0 of a time axis: the latency chart's X
    // values are seconds after its first delivery.
    int xTimeBase = 0;
};

// Point j (from 1) of each series is the j-th minute row, at X = j.
ReportChart portAvailabilityChart(const std::vector<PortMinute>& rows, const store::StoredTime& reportDate);
ReportChart queueActivityChart(const std::vector<QueueMinute>& rows, const store::StoredTime& reportDate);

// One series of the outbound rows: X is the delivery time in seconds after
// the first row's delivery (the time base), Y the seconds in queue; rows of
// one delivery time and time in queue make one point.
ReportChart latencyChart(const LatencyRows& outbound, const store::StoredTime& reportDate, QTime from, QTime to);

// Position i (from 1) is the i-th node row; its label is the node type, " - "
// and the number with its leading blank.
ReportChart nodeTrafficChart(const std::vector<NodeTrafficRow>& rows, const store::StoredTime& reportDate);
ReportChart nodeErrorChart(const std::vector<NodeTrafficRow>& rows, const store::StoredTime& reportDate);

}  // namespace varnel::reports
