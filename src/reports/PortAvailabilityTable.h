// The PortAvailability table: for every minute of the day the most ports in
// use and the fewest ports available to take calls, built from RawPortData.
#pragma once

#include <cstdint>
#include <vector>

#include "ingest/MinuteExtremes.h"
#include "platform/UserMessage.h"
#include "reports/ReportProgress.h"
#include "store/ReportDatabase.h"

namespace varnel::reports {

struct PortMinute {
    int minute = 0;
    int maxLinesInUse = 0;
    int minLinesAvailable = 0;
    bool operator==(const PortMinute&) const = default;
};

// What a build of the table did.
struct PortAvailabilityBuild {
    bool built = false;  // false: the table held its rows already
    // "No call activity found in log!" when it was built and no minute had raw rows.
    platform::UserMessages messages;
};

// Builds the table unless it already holds more than one row. Minutes before
// the first and after the last minute with raw rows are idle (0 in use,
// peakAvailableLines available); a minute without rows between them carries
// the values of the minute before it. Only a build tells progress, its 1440
// minutes.
PortAvailabilityBuild ensurePortAvailability(store::ReportDatabase& db, int16_t peakAvailableLines,
                                             ReportProgress* progress = nullptr);

// The same from the extremes that the load gathered of the raw rows now in
// db (IngestState::minutes), without scanning RawPortData.
PortAvailabilityBuild ensurePortAvailability(store::ReportDatabase& db, const ingest::MinuteExtremes& gathered,
                                             int16_t peakAvailableLines, ReportProgress* progress = nullptr);

// The table's rows in ascending Minute.
std::vector<PortMinute> readPortAvailability(store::ReportDatabase& db);

}  // namespace varnel::reports
