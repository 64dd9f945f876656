// The MessageQueueActivity table: for every minute of the day the longest
// inbound and outbound queue, as a message count and in whole megabytes,
// built from RawMessageData.
#pragma once

#include <vector>

#include "ingest/MinuteExtremes.h"
#include "reports/ReportProgress.h"
#include "store/ReportDatabase.h"

namespace varnel::reports {

// A minute without raw rows holds the no-data marker -1 in all four values.
struct QueueMinute {
    int minute = 0;
    double maxInboundMessages = 0;
    double maxInboundQueueSize = 0;  // megabytes of 1,000,000 bytes, fraction dropped
    double maxOutboundMessages = 0;
    double maxOutboundQueueSize = 0;
    bool operator==(const QueueMinute&) const = default;
};

// Builds the table unless it already holds more than one row. Message types
// 3 and 5 are inbound, every other type outbound. Returns whether it built;
// only a build tells progress, its 1440 minutes.
bool ensureQueueActivity(store::ReportDatabase& db, ReportProgress* progress = nullptr);

// The same from the extremes that the load gathered of the raw rows now in
// db (IngestState::minutes), without scanning RawMessageData.
bool ensureQueueActivity(store::ReportDatabase& db, const ingest::MinuteExtremes& gathered,
                         ReportProgress* progress = nullptr);

// The table's rows in ascending Minute.
std::vector<QueueMinute> readQueueActivity(store::ReportDatabase& db);

}  // namespace varnel::reports
