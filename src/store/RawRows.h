// Rows of the two raw tables as the parser produces them, gathered in
// reusable batches so that a load allocates nothing per line.
#pragma once

#include <QDate>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/StoredTime.h"

namespace varnel::store {

// A value that may be missing (stored as NULL).
template <typename T>
struct Nullable {
    T value{};
    bool present = false;
    static Nullable of(T v) { return {v, true}; }
};

// One RawPortData row. rowId fixes its place in append order, so a call row
// that is completed later still reads back where it was appended.
struct PortRecord {
    int64_t rowId = 0;
    int16_t port = 0;
    int16_t callType = 0;
    StoredTime startTime;
    int16_t linesAvailable = 0;
    int16_t linesInUse = 0;
    int32_t startMinute = 0;
    Nullable<StoredTime> endTime;
    Nullable<int32_t> seconds;
    Nullable<int32_t> endMinute;
};

// A piece of text held in the batch's own buffer.
struct TextRef {
    uint32_t offset = 0;
    uint32_t length = 0;
};

// Message sizes are logged in bytes; the reports count megabytes of a
// million bytes.
inline constexpr double bytesPerMegabyte = 1000000.0;

// MessageType codes of RawMessageData: a message queued (new) or cleared,
// inbound (Keldan to Veyra) or outbound (Veyra to Keldan).
enum MessageType : int16_t {
    NewInboundMessage = 3,
    NewOutboundMessage = 4,
    ClearedInboundMessage = 5,
    ClearedOutboundMessage = 6,
};

// Whether a message row of this type is inbound; every other type, known or
// not, counts as outbound.
constexpr bool isInboundMessage(int64_t messageType) {
    return messageType == NewInboundMessage || messageType == ClearedInboundMessage;
}

// One RawMessageData row.
struct MessageRecord {
    StoredTime time;      // time of day cut to the minute
    StoredTime lineTime;  // the line's full time stamp, for gatherers; not stored
    int32_t startMinute = 0;
    int16_t messageType = 0;
    double veyraSerial = 0;
    double keldanSerial = 0;
    TextRef guid;
    Nullable<double> messageSize;
    Nullable<double> messagesInQueue;
    Nullable<double> totalQueueSize;
    int16_t errorState = 0;
};

// A number of a row as the database gives it back once stored: the writer
// binds a whole number as an integer, so a negative zero reads back as 0.
inline double storedReal(double value) { return value == 0 ? 0.0 : value; }

struct RowBatch {
    std::vector<PortRecord> ports;
    std::vector<MessageRecord> messages;
    std::string text;

    TextRef addText(std::string_view value) {
        const TextRef ref{static_cast<uint32_t>(text.size()), static_cast<uint32_t>(value.size())};
        text.append(value);
        return ref;
    }
    std::string_view textOf(TextRef ref) const { return std::string_view(text).substr(ref.offset, ref.length); }

    std::size_t rowCount() const { return ports.size() + messages.size(); }
    bool empty() const { return ports.empty() && messages.empty(); }
    void clear() {
        ports.clear();
        messages.clear();
        text.clear();
    }
};

// Receives full batches of rows. After take() returns, the batch is empty and
// may be filled again.
class RowSink {
public:
    virtual ~RowSink() = default;
    virtual void take(RowBatch& batch) = 0;
};

// Sees every batch of rows just before it goes to the database, on the
// thread that made it, so that values can be gathered from the rows as they
// pass rather than read back.
class RowWatcher {
public:
    virtual ~RowWatcher() = default;
    virtual void see(const RowBatch& batch) = 0;
    // The batches seen from now until the next call hold the rows of the log
    // files of this day entry; a load calls it before each chosen day's
    // files, in the load's order, also for a day whose files give no rows.
    virtual void dayStarted(const QDate& /*day*/) {}
};

}  // namespace varnel::store
