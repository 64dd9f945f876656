// The outbound messages that were queued and are not cleared yet, found by
// identifier with the letters A-Z compared without case. A clear takes, of
// the messages of its identifier queued no later than it, the one queued
// first (then the one logged first), so that where an identifier recurs each
// queued line pairs with the next clear of that identifier in time order.
//
// A load queues and clears hundreds of thousands of messages a day while
// only a few wait at any time: the waiting messages sit in one small
// open-addressed table whose slots hold what a clear compares, the
// identifier among it when it is no longer than the logged ones (else apart
// in a reused text), so that queuing and clearing seldom allocate and a
// clear mostly reads one slot.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::trend {

class OpenOutboundMessages {
public:
    OpenOutboundMessages();

    // A message queued at second (any count of seconds, as long as all use
    // the same start) on day (any day number).
    void queue(std::string_view identifier, int64_t second, int64_t day);

    // The second at which the message that this clear takes was queued, and
    // the message stops waiting; none when no message of the identifier
    // queued no later than second waits.
    std::optional<int64_t> clear(std::string_view identifier, int64_t second);

    // Messages queued on a day before firstKeptDay stop waiting, and the
    // memory they held is given back.
    void forgetQueuedBefore(int64_t firstKeptDay);

    std::size_t size() const { return waiting_; }

private:
    // The longest identifier held in its slot: the logged ones have 38 bytes.
    static constexpr std::size_t slotTextBytes = 40;
    struct Slot {
        uint64_t hash = 0;  // of the identifier with A-Z and a-z alike
        int64_t second = 0;
        int64_t day = 0;
        uint32_t order = 0;             // the order of queuing; 2^32 queues are more than any load
        uint32_t size = freeSlot;       // of the identifier; freeSlot for a free slot
        uint32_t longText = 0;          // index in longTexts_ of a longer identifier
        char text[slotTextBytes] = {};  // the identifier as queued, when it fits
    };
    static constexpr uint32_t freeSlot = UINT32_MAX;

    const char* keptText(const Slot& slot) const;
    void insert(const Slot& slot);
    void removeSlot(std::size_t at);
    // The slots made afresh for the waiting messages, with room to grow.
    void rebuildSlots(std::size_t slotCount);

    std::vector<Slot> slots_;             // a power of two in size, at most half used
    std::vector<std::string> longTexts_;  // longer identifiers as queued
    std::vector<uint32_t> unusedTexts_;   // indexes of the long texts of messages no longer waiting
    std::size_t waiting_ = 0;
    uint32_t nextOrder_ = 0;
};

}  // namespace varnel::trend
