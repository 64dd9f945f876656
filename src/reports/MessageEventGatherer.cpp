#include "reports/MessageEventGatherer.h"

namespace varnel::reports {

MessageEventGatherer::MessageEventGatherer() : events_(std::make_shared<MessageEvents>()) {}

MessageEventGatherer::MessageEventGatherer(const RangeRequest& range)
    : events_(std::make_shared<MessageEvents>()), range_(std::in_place, range), heads_(std::in_place) {}

void MessageEventGatherer::see(const store::RowBatch& batch) {
    if (!events_) return;
    // The stored Time is the StartMinute's time of day; serial numbers read
    // back as stored, which MessageEvents takes care of.
    std::vector<NewEvent>& added = added_;
    added.clear();
    for (const store::MessageRecord& row : batch.messages) {
        const bool takesPart = range_ && range_->accepts(row.startMinute, store::storedReal(row.veyraSerial),
                                                         store::storedReal(row.keldanSerial));
        added.push_back({batch.textOf(row.guid), row.startMinute * 60, row.messageType, row.veyraSerial,
                         row.keldanSerial, takesPart});
    }
    if (heads_)
        events_->add(added, *heads_);
    else
        events_->add(added);
}

std::shared_ptr<const MessageEvents> MessageEventGatherer::finish() {
    std::vector<NewEvent>().swap(added_);
    if (events_) events_->finishAdding();
    return std::exchange(events_, nullptr);
}

}  // namespace varnel::reports
