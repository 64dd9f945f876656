// The per-minute extremes that the two per-minute reports are made of: for
// every minute of the day the most lines in use and the fewest available
// (port rows), and the longest queues of each direction (message rows).
// The parser gathers them from the rows it hands to the database, so the
// reports need not scan the raw tables again; a scan of the tables fills
// them by the same rules.
#pragma once

#include <array>
#include <cstdint>

#include "store/RawRows.h"

namespace varnel::ingest {

inline constexpr int minutesPerDay = 1440;

// Port rows of one minute: LinesInUse maximum from 0, lines available
// minimum from 999.
struct PortExtremes {
    bool hasRows = false;
    int maxLinesInUse = 0;
    int minLinesAvailable = 999;

    // A missing value takes no part, but the minute still has rows.
    void take(store::Nullable<int> linesInUse, store::Nullable<int> linesAvailable);
    bool operator==(const PortExtremes&) const = default;
};

// Longest queue of one direction in a minute, as logged (count and bytes);
// both start at 0, so negative logged values never show.
struct QueueMaxima {
    double messages = 0;
    double bytes = 0;
    bool operator==(const QueueMaxima&) const = default;
};

// Message rows of one minute. Types 3 and 5 are inbound, every other type
// outbound. A missing value takes no part.
struct QueueExtremes {
    bool hasRows = false;
    QueueMaxima inbound;
    QueueMaxima outbound;

    void take(int64_t messageType, store::Nullable<double> messagesInQueue, store::Nullable<double> totalQueueSize);
    bool operator==(const QueueExtremes&) const = default;
};

class MinuteExtremes {
public:
    // Minutes outside 0..1439 reach no minute.
    void takePort(int64_t startMinute, store::Nullable<int> linesInUse, store::Nullable<int> linesAvailable);
    void takeMessage(int64_t startMinute, int64_t messageType, store::Nullable<double> messagesInQueue,
                     store::Nullable<double> totalQueueSize);
    // Every row of the batch.
    void take(const store::RowBatch& batch);
    void clear();

    const std::array<PortExtremes, minutesPerDay>& ports() const { return ports_; }
    const std::array<QueueExtremes, minutesPerDay>& queues() const { return queues_; }

private:
    std::array<PortExtremes, minutesPerDay> ports_{};
    std::array<QueueExtremes, minutesPerDay> queues_{};
};

}  // namespace varnel::ingest
