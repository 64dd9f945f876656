#include "session/LoadGatherers.h"

namespace varnel::app {

// The node tallies and the heads of the latency pairing answer the reports
// over the whole day without node limiting, the range a report tab opens
// with.
LoadGatherers::LoadGatherers()
    : events_(reports::RangeRequest{}), tallies_(std::make_shared<reports::NodeTallies>(reports::RangeRequest{})) {
    watchers_.add(&events_);
    watchers_.add(tallies_.get());
    watchers_.add(&trend_);
}

GatheredRows LoadGatherers::finish() {
    std::shared_ptr<const reports::MessageEvents> events = events_.finish();
    auto latencyPairs = std::make_shared<reports::PreparedLatency>(events, events_.takeHeads());
    return {std::move(events), std::move(tallies_), std::move(latencyPairs),
            std::make_shared<const trend::DailyTrend>(trend_.finish())};
}

}  // namespace varnel::app
