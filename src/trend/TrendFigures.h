// The figures of a trend day as the columns of the trend's table, in their
// order, with their headings and each day's value, so that the summary table,
// its CSV file and the chart take them from one list.
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "trend/DayFigures.h"

namespace varnel::trend {

enum class TrendFigure {
    InboundCalls,
    OutboundCalls,
    PeakPortsBusy,
    FewestPortsFree,
    MinutesWithoutFreePort,
    InboundMessages,
    OutboundMessages,
    InboundMegabytes,
    OutboundMegabytes,
    InboundNdns,
    OutboundNdns,
    MedianOutboundQueueSeconds,
    Percentile95OutboundQueueSeconds,
    LongestOutboundQueueSeconds,
};

// Every figure, in the order of the table's columns after the day.
inline constexpr std::array trendFigures = {
    TrendFigure::InboundCalls,
    TrendFigure::OutboundCalls,
    TrendFigure::PeakPortsBusy,
    TrendFigure::FewestPortsFree,
    TrendFigure::MinutesWithoutFreePort,
    TrendFigure::InboundMessages,
    TrendFigure::OutboundMessages,
    TrendFigure::InboundMegabytes,
    TrendFigure::OutboundMegabytes,
    TrendFigure::InboundNdns,
    TrendFigure::OutboundNdns,
    TrendFigure::MedianOutboundQueueSeconds,
    TrendFigure::Percentile95OutboundQueueSeconds,
    TrendFigure::LongestOutboundQueueSeconds,
};

// The kinds of figures the chart lets the user choose among, each counting
// one thing: the figures of a kind share a unit and an axis.
enum class TrendKind { Calls, Ports, MinutesWithoutFreePort, Messages, Megabytes, Ndns, QueueSeconds };
inline constexpr int trendKindCount = 7;

TrendKind kindOf(TrendFigure figure);
// The kind's name in the string table, which is also its unit's axis title.
QString kindName(TrendKind kind);

// The heading of the day's column and of a figure's column.
QString dayHeading();
QString figureHeading(TrendFigure figure);

// The day's value of the figure; none where the day has no such value (port
// figures without port rows, queue figures without a cleared outbound
// message).
std::optional<double> figureValue(const DayFigures& day, TrendFigure figure);

}  // namespace varnel::trend
