#include "session/LoadGatherers.h"

namespace varnel::app {

// The node tallies answer the reports over the whole day without node
// limiting, the range a report tab opens with.
LoadGatherers::LoadGatherers() : tallies_(std::make_shared<reports::NodeTallies>(reports::RangeRequest{})) {
    watchers_.add(&events_);
    watchers_.add(tallies_.get());
}

GatheredRows LoadGatherers::finish() {
    std::shared_ptr<const reports::MessageEvents> events = events_.finish();
    auto latencyPairs = std::make_shared<reports::PreparedLatency>(events);
    return {std::move(events), std::move(tallies_), std::move(latencyPairs)};
}

}  // namespace varnel::app
