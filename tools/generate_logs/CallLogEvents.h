#pragma once

#include <cstdint>

// One line of a call log before formatting. Times are seconds since midnight.

enum class PortEventKind { Incoming, Outgoing, Disconnect };

struct PortEvent {
    std::uint32_t second;
    PortEventKind kind;
    std::uint32_t port;
    std::uint32_t linesAvailable;
    std::uint32_t linesInUse;
};

// Outbound: Veyra node to Keldan node. Inbound: Keldan node to Veyra node.
enum class MessageDirection { Inbound, Outbound };

struct MessageGuid {
    std::uint64_t high;
    std::uint64_t low;
};

struct MessageEvent {
    std::uint32_t second;
    bool cleared;  // false: the message entered the queue; true: it left it
    MessageDirection direction;
    std::uint32_t veyraSerial;
    std::uint32_t keldanSerial;
    MessageGuid guid;
    bool nonDelivered;
    std::uint32_t sizeBytes;
    std::uint32_t queueLength;
    std::uint64_t queueBytes;
};

// Receives the day's lines in file order.
class CallLogSink {
public:
    virtual ~CallLogSink() = default;
    virtual void port(const PortEvent& event) = 0;
    virtual void message(const MessageEvent& event) = 0;
};
