#pragma once

#include <cstdint>
#include <functional>
#include <queue>
#include <vector>

#include "CallLogEvents.h"
#include "NodeDirectory.h"
#include "Prng.h"

// Plays one day of gateway traffic and hands every call log line, in time
// order, to a sink. About 70% of the lines are message lines (a NEW line and
// later a CLEARED line per message) and 30% port lines (a call beginning and
// its DISCONNECT). Every message is cleared and every call ends before
// midnight; only for an odd line count does one last call stay open.
class DaySimulation {
public:
    DaySimulation(std::uint32_t lines, std::uint32_t ports, std::uint64_t seed);

    void run(CallLogSink& sink);

private:
    struct PendingClear {
        std::uint32_t second;
        std::uint32_t order;
        MessageEvent line;
        bool operator>(const PendingClear& other) const;
    };
    struct PendingDisconnect {
        std::uint32_t second;
        std::uint32_t order;
        std::uint32_t port;
        bool operator>(const PendingDisconnect& other) const;
    };
    struct Queue {
        std::uint32_t length = 0;
        std::uint64_t bytes = 0;
    };

    void newMessage(std::uint32_t second, CallLogSink& sink);
    void beginCall(std::uint32_t second, bool scheduleDisconnect, CallLogSink& sink);
    void emitDueUntil(std::uint32_t second, CallLogSink& sink);
    void clearMessage(PendingClear pending, CallLogSink& sink);
    void disconnect(const PendingDisconnect& pending, CallLogSink& sink);
    Queue& queueFor(MessageDirection direction);

    Prng prng_;
    NodeDirectory nodes_;
    std::uint32_t ports_;
    std::uint32_t messages_;
    std::uint32_t calls_;
    bool lastCallStaysOpen_;
    std::uint32_t meanCallSeconds_;

    std::vector<std::uint32_t> freePorts_;
    Queue inbound_;
    Queue outbound_;
    std::uint32_t nextOrder_ = 0;
    std::priority_queue<PendingClear, std::vector<PendingClear>, std::greater<>> clears_;
    std::priority_queue<PendingDisconnect, std::vector<PendingDisconnect>, std::greater<>> disconnects_;
};
