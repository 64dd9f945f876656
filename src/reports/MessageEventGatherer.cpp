#include "reports/MessageEventGatherer.h"

namespace varnel::reports {

MessageEventGatherer::MessageEventGatherer() : events_(std::make_shared<MessageEvents>()) {}

void MessageEventGatherer::see(const store::RowBatch& batch) {
    if (!events_) return;
    // The stored Time is the StartMinute's time of day; serial numbers read
    // back as stored, which MessageEvents takes care of.
    std::vector<NewEvent> added;
    added.reserve(batch.messages.size());
    for (const store::MessageRecord& row : batch.messages)
        added.push_back(
            {batch.textOf(row.guid), row.startMinute * 60, row.messageType, row.veyraSerial, row.keldanSerial});
    events_->add(added);
}

std::shared_ptr<const MessageEvents> MessageEventGatherer::finish() {
    if (events_) events_->finishAdding();
    return std::exchange(events_, nullptr);
}

}  // namespace varnel::reports
