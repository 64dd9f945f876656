// The daily trend: for every day entry of a load, in the load's order, the
// figures of that day's log lines alone.
#pragma once

#include <QDate>
#include <cstdint>
#include <optional>
#include <vector>

namespace varnel::trend {

// Whole seconds from the line that queued an outbound message to the line
// that cleared it, over the messages cleared on one day.
struct QueueSeconds {
    int64_t median = 0;
    int64_t percentile95 = 0;
    int64_t longest = 0;
    bool operator==(const QueueSeconds&) const = default;
};

struct DayFigures {
    QDate day;
    int64_t inboundCalls = 0;   // "INCOMING" lines
    int64_t outboundCalls = 0;  // "OUTGOING" lines
    // Over the day's port rows (calls and the disconnects that ended one);
    // none on a day without port rows.
    std::optional<int> peakPortsBusy;    // the largest LinesInUse
    std::optional<int> fewestPortsFree;  // the smallest LinesAvailableToTakeCalls
    int minutesWithoutFreePort = 0;      // minutes of the day holding a port row with 0 available
    int64_t inboundMessages = 0;         // "NEW INCOMING MESSAGE" lines
    int64_t outboundMessages = 0;        // "NEW OUTGOING MESSAGE" lines
    double inboundMegabytes = 0;         // the sizes of those lines added up, in millions of bytes
    double outboundMegabytes = 0;
    int64_t inboundNdns = 0;  // cleared lines whose status is "NDN"
    int64_t outboundNdns = 0;
    // Over the outbound messages cleared on the day; none when there are none.
    std::optional<QueueSeconds> outboundQueue;

    bool operator==(const DayFigures&) const = default;
};

using DailyTrend = std::vector<DayFigures>;

}  // namespace varnel::trend
