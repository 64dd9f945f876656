// Gathers the message rows of a load as the parser hands them to the
// database, so that the latency report pairs them without reading them back.
#pragma once

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "reports/LatencyPairing.h"
#include "reports/RangeFilter.h"
#include "reports/ReportRequest.h"
#include "store/RawRows.h"

namespace varnel::reports {

class MessageEventGatherer : public store::RowWatcher {
public:
    MessageEventGatherer();
    // Keeps up the heads of the pairing over range as well, so that the
    // pairing starts from them once the load has ended.
    explicit MessageEventGatherer(const RangeRequest& range);

    // Every message row of the batch, in stored order, with the values the
    // database gives back for it.
    void see(const store::RowBatch& batch) override;

    // The events of every batch seen; the gatherer sees no more afterwards.
    std::shared_ptr<const MessageEvents> finish();
    // The heads of the range's pairing, once finished; none when no range was
    // given, or once taken.
    std::optional<GroupHeads> takeHeads() { return std::exchange(heads_, std::nullopt); }

private:
    std::shared_ptr<MessageEvents> events_;
    std::optional<RangeAcceptance> range_;
    std::optional<GroupHeads> heads_;
    std::vector<NewEvent> added_;  // a batch's events, the list reused from batch to batch
};

}  // namespace varnel::reports
