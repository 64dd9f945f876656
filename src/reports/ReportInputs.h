// What a report window takes from the main window when it opens: its tab's
// time range and node choice, and the program-wide values it reads.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>

#include "ingest/MinuteExtremes.h"
#include "reports/LatencyPairing.h"
#include "reports/NodeTallies.h"
#include "reports/ReportKind.h"
#include "reports/ReportRequest.h"
#include "store/StoredTime.h"
#include "trend/DayFigures.h"

namespace varnel::reports {

class LatencyTableStore;
class PreparedLatency;

struct ReportInputs {
    ReportKind kind = ReportKind::PortAvailability;
    // The tab's time range and node lists (the latency, node traffic and node
    // error tabs; the other two reports always cover the whole day).
    RangeRequest range;
    store::StoredTime reportDate;
    int16_t peakAvailableLines = 0;
    // The per-minute extremes the load gathered; null when they are not at
    // hand, and the per-minute reports then scan the raw tables.
    const ingest::MinuteExtremes* minutes = nullptr;
    // Every message row of the load, gathered as it was stored; null when not
    // at hand, and the latency report selects its rows from the raw table.
    std::shared_ptr<const MessageEvents> messageEvents;
    // The cleared messages the load tallied per node for a range and node
    // choice given before it; the node reports use them when they answer the
    // report's own range and choice, else they scan the raw table.
    std::shared_ptr<const NodeTallies> nodeTallies;
    // The whole day's latency pairs, made after the load; null when not made,
    // and a latency report over another range pairs for itself.
    std::shared_ptr<PreparedLatency> preparedLatency;
    // The figures of each loaded day, gathered while the load stored its
    // rows; null when not gathered, and the daily trend then has no days.
    std::shared_ptr<const trend::DailyTrend> dailyTrend;
    // Where the latency report's table is stored after the report returns,
    // on a thread of its own; null when the report stores it itself.
    std::shared_ptr<LatencyTableStore> latencyTable;
    QString connectionString;  // the working database file
    bool debug = false;        // write the latency report's unmatched-message file
};

}  // namespace varnel::reports
