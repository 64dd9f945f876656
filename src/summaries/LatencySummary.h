// The latency summary: the outbound message pairs in delivery order, shown
// with every column of MessageLatency, "Index" and OutboundMessage hidden.
#pragma once

#include <QList>
#include <QVariant>

#include "reports/LatencyRows.h"
#include "summaries/SummaryGrid.h"

namespace varnel::summaries {

// The columns of MessageLatency in table order, headed by their names.
QList<SummaryColumn> latencyColumns();

// The stored value of a row's field at the column position: a number, the
// identifier text, or the delivery time.
QVariant latencyCellValue(const reports::LatencyRow& row, int column);

// The field as the grid shows it: numbers in number text without the blank,
// the delivery time as the short date and long time of its stored day.
QString latencyCellText(const reports::LatencyRow& row, int column);

SummaryGrid latencySummary(const reports::LatencyRows& outbound);

}  // namespace varnel::summaries
