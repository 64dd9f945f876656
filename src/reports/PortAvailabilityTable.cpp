#include "reports/PortAvailabilityTable.h"

#include <SQLiteCpp/Transaction.h>

#include <algorithm>

#include "reports/PerMinuteTable.h"
#include "shell/StringTable.h"
#include "store/Query.h"

namespace varnel::reports {

namespace {

// Busy maximum and available minimum of every minute that has raw rows;
// the other minutes keep the no-data marker.
std::vector<PortMinute> minuteExtremes(const ingest::MinuteExtremes& extremes) {
    std::vector<PortMinute> minutes(minutesPerDay);
    for (int m = 0; m < minutesPerDay; ++m) {
        const ingest::PortExtremes& found = extremes.ports()[static_cast<std::size_t>(m)];
        minutes[m] =
            found.hasRows ? PortMinute{m, found.maxLinesInUse, found.minLinesAvailable} : PortMinute{m, noData, noData};
    }
    return minutes;
}

// Idle values outside the logged activity, carried values in its gaps.
// Returns false when no minute had raw rows (every minute is then idle).
bool fillMinutesWithoutRows(std::vector<PortMinute>& minutes, int peakAvailableLines) {
    const auto hasRows = [](const PortMinute& row) { return row.maxLinesInUse != noData; };
    const auto first = std::find_if(minutes.begin(), minutes.end(), hasRows);
    const auto last = std::find_if(minutes.rbegin(), minutes.rend(), hasRows);
    const auto idle = [&](PortMinute& row) {
        row.maxLinesInUse = 0;
        row.minLinesAvailable = peakAvailableLines;
    };
    if (first == minutes.end()) {
        std::for_each(minutes.begin(), minutes.end(), idle);
        return false;
    }
    std::for_each(minutes.begin(), first, idle);
    std::for_each(minutes.rbegin(), last, idle);
    PortMinute carried = *first;
    for (auto it = first; it != last.base(); ++it) {
        if (hasRows(*it)) {
            carried = *it;
        } else {
            it->maxLinesInUse = carried.maxLinesInUse;
            it->minLinesAvailable = carried.minLinesAvailable;
        }
    }
    return true;
}

void storeMinutes(store::ReportDatabase& db, const std::vector<PortMinute>& minutes, StageSteps& steps) {
    SQLite::Transaction transaction(db.connection());
    db.connection().exec("DELETE FROM PortAvailability");
    store::Query insert(db.connection(),
                        "INSERT INTO PortAvailability(Minute, MaxLinesInUse, MinLinesAvailableToTakeCalls) "
                        "VALUES (?, ?, ?)");
    int64_t stored = 0;
    for (const PortMinute& row : minutes) {
        insert.bind(1, int64_t{row.minute});
        insert.bind(2, int64_t{row.maxLinesInUse});
        insert.bind(3, int64_t{row.minLinesAvailable});
        insert.run();
        steps.done(++stored);
    }
    transaction.commit();
}

PortAvailabilityBuild buildTable(store::ReportDatabase& db, const ingest::MinuteExtremes& extremes,
                                 int16_t peakAvailableLines, StageSteps& steps) {
    std::vector<PortMinute> minutes = minuteExtremes(extremes);
    const bool hadActivity = fillMinutesWithoutRows(minutes, peakAvailableLines);
    storeMinutes(db, minutes, steps);
    PortAvailabilityBuild build{true, {}};
    if (!hadActivity) build.messages.push_back(shell::tableMessage(63));
    return build;
}

}  // namespace

PortAvailabilityBuild ensurePortAvailability(store::ReportDatabase& db, int16_t peakAvailableLines,
                                             ReportProgress* progress) {
    if (!perMinuteTableNeedsBuild(db, "PortAvailability")) return {};
    StageSteps steps = minuteSteps(progress);
    return buildTable(db, scannedPortExtremes(db), peakAvailableLines, steps);
}

PortAvailabilityBuild ensurePortAvailability(store::ReportDatabase& db, const ingest::MinuteExtremes& gathered,
                                             int16_t peakAvailableLines, ReportProgress* progress) {
    if (!perMinuteTableNeedsBuild(db, "PortAvailability")) return {};
    StageSteps steps = minuteSteps(progress);
    return buildTable(db, gathered, peakAvailableLines, steps);
}

std::vector<PortMinute> readPortAvailability(store::ReportDatabase& db) {
    std::vector<PortMinute> rows;
    store::Query select(db.connection(),
                        "SELECT Minute, MaxLinesInUse, MinLinesAvailableToTakeCalls FROM PortAvailability "
                        "ORDER BY Minute");
    while (select.next())
        rows.push_back({static_cast<int>(select.integer(0)), static_cast<int>(select.integer(1)),
                        static_cast<int>(select.integer(2))});
    return rows;
}

}  // namespace varnel::reports
