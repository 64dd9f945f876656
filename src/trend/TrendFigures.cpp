#include "trend/TrendFigures.h"

#include "shell/EnglishStrings.h"
#include "shell/StringTable.h"

namespace varnel::trend {

namespace {

std::optional<double> valueOf(const std::optional<int>& value) {
    if (!value) return std::nullopt;
    return static_cast<double>(*value);
}

std::optional<double> queueValue(const DayFigures& day, int64_t QueueSeconds::*member) {
    if (!day.outboundQueue) return std::nullopt;
    return static_cast<double>((*day.outboundQueue).*member);
}

}  // namespace

TrendKind kindOf(TrendFigure figure) {
    switch (figure) {
        case TrendFigure::InboundCalls:
        case TrendFigure::OutboundCalls:
            return TrendKind::Calls;
        case TrendFigure::PeakPortsBusy:
        case TrendFigure::FewestPortsFree:
            return TrendKind::Ports;
        case TrendFigure::MinutesWithoutFreePort:
            return TrendKind::MinutesWithoutFreePort;
        case TrendFigure::InboundMessages:
        case TrendFigure::OutboundMessages:
            return TrendKind::Messages;
        case TrendFigure::InboundMegabytes:
        case TrendFigure::OutboundMegabytes:
            return TrendKind::Megabytes;
        case TrendFigure::InboundNdns:
        case TrendFigure::OutboundNdns:
            return TrendKind::Ndns;
        case TrendFigure::MedianOutboundQueueSeconds:
        case TrendFigure::Percentile95OutboundQueueSeconds:
        case TrendFigure::LongestOutboundQueueSeconds:
            return TrendKind::QueueSeconds;
    }
    return TrendKind::Calls;
}

QString kindName(TrendKind kind) { return shell::myLoadResString(shell::trendCallsStringId + static_cast<int>(kind)); }

QString dayHeading() { return QStringLiteral("Day"); }

QString figureHeading(TrendFigure figure) {
    switch (figure) {
        case TrendFigure::InboundCalls:
            return QStringLiteral("Inbound Calls");
        case TrendFigure::OutboundCalls:
            return QStringLiteral("Outbound Calls");
        case TrendFigure::PeakPortsBusy:
            return QStringLiteral("Peak Ports Busy");
        case TrendFigure::FewestPortsFree:
            return QStringLiteral("Fewest Ports Free");
        case TrendFigure::MinutesWithoutFreePort:
            return QStringLiteral("Minutes Without A Free Port");
        case TrendFigure::InboundMessages:
            return QStringLiteral("Inbound Messages");
        case TrendFigure::OutboundMessages:
            return QStringLiteral("Outbound Messages");
        case TrendFigure::InboundMegabytes:
            return QStringLiteral("Inbound MB");
        case TrendFigure::OutboundMegabytes:
            return QStringLiteral("Outbound MB");
        case TrendFigure::InboundNdns:
            return QStringLiteral("Inbound NDNs");
        case TrendFigure::OutboundNdns:
            return QStringLiteral("Outbound NDNs");
        case TrendFigure::MedianOutboundQueueSeconds:
            return QStringLiteral("Median Outbound Queue Seconds");
        case TrendFigure::Percentile95OutboundQueueSeconds:
            return QStringLiteral("95th Percentile Outbound Queue Seconds");
        case TrendFigure::LongestOutboundQueueSeconds:
            return QStringLiteral("Longest Outbound Queue Seconds");
    }
    return {};
}

std::optional<double> figureValue(const DayFigures& day, TrendFigure figure) {
    switch (figure) {
        case TrendFigure::InboundCalls:
            return static_cast<double>(day.inboundCalls);
        case TrendFigure::OutboundCalls:
            return static_cast<double>(day.outboundCalls);
        case TrendFigure::PeakPortsBusy:
            return valueOf(day.peakPortsBusy);
        case TrendFigure::FewestPortsFree:
            return valueOf(day.fewestPortsFree);
        case TrendFigure::MinutesWithoutFreePort:
            return static_cast<double>(day.minutesWithoutFreePort);
        case TrendFigure::InboundMessages:
            return static_cast<double>(day.inboundMessages);
        case TrendFigure::OutboundMessages:
            return static_cast<double>(day.outboundMessages);
        case TrendFigure::InboundMegabytes:
            return day.inboundMegabytes;
        case TrendFigure::OutboundMegabytes:
            return day.outboundMegabytes;
        case TrendFigure::InboundNdns:
            return static_cast<double>(day.inboundNdns);
        case TrendFigure::OutboundNdns:
            return static_cast<double>(day.outboundNdns);
        case TrendFigure::MedianOutboundQueueSeconds:
            return queueValue(day, &QueueSeconds::median);
        case TrendFigure::Percentile95OutboundQueueSeconds:
            return queueValue(day, &QueueSeconds::percentile95);
        case TrendFigure::LongestOutboundQueueSeconds:
            return queueValue(day, &QueueSeconds::longest);
    }
    return std::nullopt;
}

}  // namespace varnel::trend
