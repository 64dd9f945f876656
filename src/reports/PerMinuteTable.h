// What the two per-minute tables share: one row per minute of the day,
// numbered like the raw rows' StartMinute (0 to 1439), built once after a
// load and reused while the table holds more than one row.
#pragma once

#include "ingest/MinuteExtremes.h"
#include "reports/ReportProgress.h"
#include "store/ReportDatabase.h"

namespace varnel::reports {

using ingest::minutesPerDay;

// The no-data marker of a minute without raw rows.
inline constexpr int noData = -1;

// The progress of a table's build: one step per minute stored.
inline StageSteps minuteSteps(ReportProgress* progress) {
    return StageSteps(progress, ReportProgress::Stage::BuildingTable, minutesPerDay, 1);
}

// True when the table holds at most one row and so has to be built.
bool perMinuteTableNeedsBuild(store::ReportDatabase& db, const char* table);

// The extremes of the raw tables' rows, in one scan of each, taken into
// extremes (of the other table, when given).
ingest::MinuteExtremes scannedPortExtremes(store::ReportDatabase& db, ingest::MinuteExtremes extremes = {});
ingest::MinuteExtremes scannedQueueExtremes(store::ReportDatabase& db, ingest::MinuteExtremes extremes = {});

}  // namespace varnel::reports
