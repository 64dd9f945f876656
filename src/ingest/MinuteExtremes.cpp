#include "ingest/MinuteExtremes.h"

#include <algorithm>

namespace varnel::ingest {

namespace {

bool isMinuteOfDay(int64_t minute) { return minute >= 0 && minute < minutesPerDay; }

void raise(double& maximum, store::Nullable<double> value) {
    if (value.present) maximum = std::max(maximum, value.value);
}

}  // namespace

void PortExtremes::take(store::Nullable<int> linesInUse, store::Nullable<int> linesAvailable) {
    hasRows = true;
    if (linesInUse.present) maxLinesInUse = std::max(maxLinesInUse, linesInUse.value);
    if (linesAvailable.present) minLinesAvailable = std::min(minLinesAvailable, linesAvailable.value);
}

void QueueExtremes::take(int64_t messageType, store::Nullable<double> messagesInQueue,
                         store::Nullable<double> totalQueueSize) {
    hasRows = true;
    QueueMaxima& side = store::isInboundMessage(messageType) ? inbound : outbound;
    raise(side.messages, messagesInQueue);
    raise(side.bytes, totalQueueSize);
}

void MinuteExtremes::takePort(int64_t startMinute, store::Nullable<int> linesInUse,
                              store::Nullable<int> linesAvailable) {
    if (isMinuteOfDay(startMinute)) ports_[static_cast<std::size_t>(startMinute)].take(linesInUse, linesAvailable);
}

void MinuteExtremes::takeMessage(int64_t startMinute, int64_t messageType, store::Nullable<double> messagesInQueue,
                                 store::Nullable<double> totalQueueSize) {
    if (isMinuteOfDay(startMinute))
        queues_[static_cast<std::size_t>(startMinute)].take(messageType, messagesInQueue, totalQueueSize);
}

void MinuteExtremes::take(const store::RowBatch& batch) {
    using Count = store::Nullable<int>;
    for (const store::PortRecord& row : batch.ports)
        takePort(row.startMinute, Count::of(row.linesInUse), Count::of(row.linesAvailable));
    for (const store::MessageRecord& row : batch.messages)
        takeMessage(row.startMinute, row.messageType, row.messagesInQueue, row.totalQueueSize);
}

void MinuteExtremes::clear() {
    ports_.fill({});
    queues_.fill({});
}

}  // namespace varnel::ingest
