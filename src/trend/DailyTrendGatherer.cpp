#include "trend/DailyTrendGatherer.h"

#include <algorithm>

#include "trend/QueuePercentiles.h"

namespace varnel::trend {

namespace {

enum CallType : int16_t { InboundCall = 1, OutboundCall = 2 };

}  // namespace

void DailyTrendGatherer::dayStarted(const QDate& day) {
    if (dayOpen_) closeDay();
    dayOpen_ = true;
    day_ = DayFigures{};
    day_.day = day;
    dayNumber_ = day.toJulianDay();
    // A message queued on the day before may still be cleared after
    // midnight; one waiting longer is let go, so that waiting messages never
    // pile up over the days of a long load.
    waiting_.forgetQueuedBefore(dayNumber_ - 1);
}

void DailyTrendGatherer::see(const store::RowBatch& batch) {
    if (!dayOpen_) return;
    for (const store::PortRecord& row : batch.ports) seePort(row);
    for (const store::MessageRecord& row : batch.messages) seeMessage(row, batch.textOf(row.guid));
}

void DailyTrendGatherer::seePort(const store::PortRecord& row) {
    if (row.callType == InboundCall) ++day_.inboundCalls;
    if (row.callType == OutboundCall) ++day_.outboundCalls;
    const int inUse = row.linesInUse;
    const int available = row.linesAvailable;
    day_.peakPortsBusy = std::max(day_.peakPortsBusy.value_or(inUse), inUse);
    day_.fewestPortsFree = std::min(day_.fewestPortsFree.value_or(available), available);
    if (available == 0 && row.startMinute >= 0 && row.startMinute < ingest::minutesPerDay)
        minutesWithoutFreePort_.set(static_cast<std::size_t>(row.startMinute));
}

void DailyTrendGatherer::seeMessage(const store::MessageRecord& row, std::string_view identifier) {
    const double bytes = row.messageSize.present ? row.messageSize.value : 0.0;
    switch (row.messageType) {
        case store::NewInboundMessage:
            ++day_.inboundMessages;
            inboundBytes_ += bytes;
            break;
        case store::NewOutboundMessage:
            ++day_.outboundMessages;
            outboundBytes_ += bytes;
            waiting_.queue(identifier, secondOf(row.lineTime), dayNumber_);
            break;
        case store::ClearedInboundMessage:
            if (row.errorState != 0) ++day_.inboundNdns;
            break;
        case store::ClearedOutboundMessage: {
            if (row.errorState != 0) ++day_.outboundNdns;
            const int64_t cleared = secondOf(row.lineTime);
            if (const auto queued = waiting_.clear(identifier, cleared)) queueSeconds_.push_back(cleared - *queued);
            break;
        }
        default:
            break;
    }
}

int64_t DailyTrendGatherer::secondOf(const store::StoredTime& time) {
    if (time.year != lastDate_.year || time.month != lastDate_.month || time.day != lastDate_.day) {
        lastDate_ = time;
        lastDateDays_ = time.daysSinceEpoch();
    }
    return lastDateDays_ * store::secondsPerDay + time.secondsOfDay();
}

void DailyTrendGatherer::closeDay() {
    day_.inboundMegabytes = inboundBytes_ / store::bytesPerMegabyte;
    day_.outboundMegabytes = outboundBytes_ / store::bytesPerMegabyte;
    day_.minutesWithoutFreePort = static_cast<int>(minutesWithoutFreePort_.count());
    day_.outboundQueue = queueSecondsOf(queueSeconds_);
    days_.push_back(day_);
    inboundBytes_ = 0;
    outboundBytes_ = 0;
    minutesWithoutFreePort_.reset();
    queueSeconds_.clear();
    dayOpen_ = false;
}

DailyTrend DailyTrendGatherer::finish() {
    if (dayOpen_) closeDay();
    return std::move(days_);
}

}  // namespace varnel::trend
