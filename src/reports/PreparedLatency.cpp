#include "reports/PreparedLatency.h"

#include <chrono>
#include <system_error>

namespace varnel::reports {

PreparedLatency::PreparedLatency(std::shared_ptr<const MessageEvents> events, std::optional<GroupHeads> heads) {
    if (!events) return;
    try {
        pairing_ = std::async(std::launch::async, [events = std::move(events), heads = std::move(heads),
                                                   percentDone = percentDone_]() mutable {
            try {
                return std::make_shared<const LatencyPairs>(
                    heads ? pairGatheredEvents(std::move(events), std::move(*heads), percentDone.get())
                          : pairGatheredEvents(RangeRequest{}, std::move(events), percentDone.get()));
            } catch (const std::exception&) {
                // Out of memory, say: the report pairs for itself and tells.
                return std::shared_ptr<const LatencyPairs>();
            }
        });
    } catch (const std::system_error&) {
        // No thread to spare: nothing is prepared.
    }
}

bool PreparedLatency::answers(const RangeRequest& request) {
    const RangeRequest wholeDay;
    return request.from == wholeDay.from && request.to == wholeDay.to && !request.nodes.limitNodes;
}

std::shared_ptr<const LatencyPairs> PreparedLatency::take(const RangeRequest& request, StageSteps* steps) {
    if (!answers(request)) return nullptr;
    // One taker waits for the pairs; a second one, waiting on the lock,
    // then finds them taken.
    const std::lock_guard lock(mutex_);
    if (!pairing_.valid()) return nullptr;
    return waitForPairs(pairing_, *percentDone_, steps);
}

std::shared_ptr<const LatencyPairs> waitForPairs(std::future<std::shared_ptr<const LatencyPairs>>& pairing,
                                                 const std::atomic<int>& percentDone, StageSteps* steps) {
    // Often enough for the progress bar, which shows the count every 25 ms.
    constexpr auto tellEvery = std::chrono::milliseconds(10);
    while (steps && pairing.wait_for(tellEvery) != std::future_status::ready)
        steps->done(percentDone.load(std::memory_order_relaxed));
    return pairing.get();
}

}  // namespace varnel::reports
