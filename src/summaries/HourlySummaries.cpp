#include "summaries/HourlySummaries.h"

#include <algorithm>
#include <array>

#include "shell/StringTable.h"
#include "text/NumberText.h"

namespace varnel::summaries {

namespace {

using shell::myLoadResString;

constexpr int minutesPerHour = 60;

// The hour group (0 to 23) of a minute, or -1 outside the day.
int hourOf(int minute) { return minute >= 0 && minute < hoursPerDay * minutesPerHour ? minute / minutesPerHour : -1; }

}  // namespace

SummaryGrid portAvailabilitySummary(const std::vector<reports::PortMinute>& minutes) {
    std::array<int, hoursPerDay> busy{};
    std::array<int, hoursPerDay> available;
    available.fill(1000);
    for (const reports::PortMinute& row : minutes) {
        const int hour = hourOf(row.minute);
        if (hour < 0) continue;
        busy[hour] = std::max(busy[hour], row.maxLinesInUse);
        available[hour] = std::min(available[hour], row.minLinesAvailable);
    }

    SummaryGrid grid;
    grid.columns = {{QStringLiteral("Hour"), QStringLiteral("Hour"), 675},
                    {QStringLiteral("MaxPortsInUse"), myLoadResString(48), 2010},
                    {QStringLiteral("MinPortsAvailableToTakeCalls"), myLoadResString(59), 2595}};
    for (int hour = 0; hour < hoursPerDay; ++hour)
        grid.rows << QStringList{text::numberText(hour + 1), text::numberText(busy[hour]),
                                 text::numberText(available[hour])};
    return grid;
}

SummaryGrid queueActivitySummary(const std::vector<reports::QueueMinute>& minutes) {
    struct HourMaxima {
        double inboundMessages = 0, inboundSize = 0, outboundMessages = 0, outboundSize = 0;
    };
    std::array<HourMaxima, hoursPerDay> hours{};
    for (const reports::QueueMinute& row : minutes) {
        const int hour = hourOf(row.minute);
        if (hour < 0) continue;
        HourMaxima& h = hours[hour];
        h.inboundSize = std::max(h.inboundSize, row.maxInboundQueueSize);
        h.inboundMessages = std::max(h.inboundMessages, row.maxInboundMessages);
        h.outboundSize = std::max(h.outboundSize, row.maxOutboundQueueSize);
        h.outboundMessages = std::max(h.outboundMessages, row.maxOutboundMessages);
    }

    SummaryGrid grid;
    grid.columns = {{QStringLiteral("Hour"), QStringLiteral("Hour"), 525},
                    {QStringLiteral("MaxInboundMessages"), myLoadResString(44), 1860},
                    {QStringLiteral("MaxInboundMessageSize"), myLoadResString(45), 2430},
                    {QStringLiteral("MaxOutboundMessages"), myLoadResString(46), 1980},
                    {QStringLiteral("MaxOutboundMessageSize"), myLoadResString(47), 2400}};
    for (int hour = 0; hour < hoursPerDay; ++hour) {
        const HourMaxima& h = hours[hour];
        grid.rows << QStringList{text::numberText(hour + 1), text::numberText(h.inboundMessages),
                                 text::numberText(h.inboundSize), text::numberText(h.outboundMessages),
                                 text::numberText(h.outboundSize)};
    }
    return grid;
}

}  // namespace varnel::summaries
