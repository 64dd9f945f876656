// What the desktop program gathers from a load's rows while they are stored:
// every message event for the latency report and the whole day's node tallies
// for the node reports, so that a report over the default range reads
// nothing back from the database; the figures of each loaded day for the
// daily trend; and, once the load has ended, the whole day's latency pairs,
// made in the background from the pairing's heads kept during the load.
#pragma once

#include <memory>

#include "reports/MessageEventGatherer.h"
#include "reports/NodeTallies.h"
#include "reports/PreparedLatency.h"
#include "store/RowWatchers.h"
#include "trend/DailyTrendGatherer.h"

namespace varnel::app {

struct GatheredRows {
    std::shared_ptr<const reports::MessageEvents> messageEvents;
    std::shared_ptr<const reports::NodeTallies> nodeTallies;
    std::shared_ptr<reports::PreparedLatency> latencyPairs;
    std::shared_ptr<const trend::DailyTrend> dailyTrend;
};

class LoadGatherers {
public:
    LoadGatherers();
    LoadGatherers(const LoadGatherers&) = delete;
    LoadGatherers& operator=(const LoadGatherers&) = delete;

    // Sees the rows on the load's thread until the load has ended.
    store::RowWatcher* watcher() { return &watchers_; }

    // What the load gathered, with the pairing of its events started; call
    // once, after the load has ended.
    GatheredRows finish();

private:
    reports::MessageEventGatherer events_;
    std::shared_ptr<reports::NodeTallies> tallies_;
    trend::DailyTrendGatherer trend_;
    store::RowWatchers watchers_;
};

}  // namespace varnel::app
