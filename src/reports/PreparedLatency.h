// The latency pairs of a load's gathered message events over the whole day
// without node limiting, the range a report tab opens with. They are made on
// a thread of their own as soon as the load has ended, so that the latency
// report over that range starts from its pairs instead of pairing first.
#pragma once

#include <atomic>
#include <future>
#include <memory>
#include <mutex>
#include <optional>

#include "reports/LatencyTable.h"
#include "reports/ReportProgress.h"
#include "reports/ReportRequest.h"

namespace varnel::reports {

class PreparedLatency {
public:
    // Starts pairing the events, from the heads of the whole day's pairing
    // when they were kept while the events were gathered; null events leave
    // nothing to take. The destructor waits for a pairing still under way.
    explicit PreparedLatency(std::shared_ptr<const MessageEvents> events, std::optional<GroupHeads> heads = {});
    PreparedLatency(const PreparedLatency&) = delete;
    PreparedLatency& operator=(const PreparedLatency&) = delete;

    // Whether the pairs are those of request: the whole day, no node limiting.
    static bool answers(const RangeRequest& request);

    // The pairs, waiting for them while they are made, when they answer
    // request; handed out once, so that they are not held after the report
    // that used them. Null otherwise, once taken, or when the pairing failed.
    // While it waits, steps (when given) hear the pairing's percent done.
    std::shared_ptr<const LatencyPairs> take(const RangeRequest& request, StageSteps* steps = nullptr);

private:
    std::mutex mutex_;
    std::shared_ptr<std::atomic<int>> percentDone_ = std::make_shared<std::atomic<int>>(0);
    std::future<std::shared_ptr<const LatencyPairs>> pairing_;
};

// Waits for pairs made on another thread, telling steps (when given) the
// pairing's percent done.
std::shared_ptr<const LatencyPairs> waitForPairs(std::future<std::shared_ptr<const LatencyPairs>>& pairing,
                                                 const std::atomic<int>& percentDone, StageSteps* steps);

}  // namespace varnel::reports
