// Gathers the message rows of a load as the parser hands them to the
// database, so that the latency report pairs them without reading them back.
#pragma once

#include <memory>
#include <utility>

#include "reports/LatencyPairing.h"
#include "store/RawRows.h"

namespace varnel::reports {

class MessageEventGatherer : public store::RowWatcher {
public:
    MessageEventGatherer();

    // Every message row of the batch, in stored order, with the values the
    // database gives back for it.
    void see(const store::RowBatch& batch) override;

    // The events of every batch seen; the gatherer sees no more afterwards.
    std::shared_ptr<const MessageEvents> finish();

private:
    std::shared_ptr<MessageEvents> events_;
};

}  // namespace varnel::reports
