// The pairing of message events by identifier, apart from the database.
// Events are grouped by identifier (ignoring case) as they are added; in a
// group, in time and then stored order, every two consecutive events form a
// pair. Pairs come out in identifier order, the order of the table's rows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "reports/TextArena.h"

namespace varnel::reports {

struct EventPair {
    uint32_t first;
    uint32_t second;
};

struct UnmatchedEvent {
    uint32_t event;              // the event left without partner
    uint32_t firstOfIdentifier;  // the first event of its identifier in time order
};

struct Pairing {
    std::vector<EventPair> pairs;  // in identifier order, then time order
    std::vector<UnmatchedEvent> unmatched;
};

// The events of a selection, in stored order. Each identifier's text is held
// once, in one buffer; an event spelt otherwise than its identifier's first
// event keeps its own spelling apart.
class MessageEvents {
public:
    void reserve(std::size_t events);
    // secondsOfDay within ±8,000,000.
    void add(std::string_view guid, int secondsOfDay, int messageType, double veyraSerial, double keldanSerial);

    std::size_t size() const { return events_.size(); }
    std::string_view guid(uint32_t event) const;  // as logged
    int secondsOfDay(uint32_t event) const { return events_[event].timeAndType >> 8; }
    // The type as added where it fits a byte, any other type as 127, which
    // like it is neither 3 nor 5.
    int messageType(uint32_t event) const { return static_cast<int8_t>(events_[event].timeAndType & 0xff); }
    double veyraSerial(uint32_t event) const { return nodes_[events_[event].nodes].veyra; }
    double keldanSerial(uint32_t event) const { return nodes_[events_[event].nodes].keldan; }

    // Orders the identifiers (bytes compared unsigned with A-Z lowered, a
    // shorter text before one it begins), puts each identifier's events in
    // time and stored order, and walks them as one sequence: an event of the
    // same identifier as the one before it pairs with it and the walk goes
    // on after the pair; an event of another identifier leaves the one before
    // it unmatched. The event left over at the end of the walk is neither
    // paired nor listed as unmatched. With accepted (one flag per event),
    // only the accepted events take part, as if the others were never added.
    Pairing pair(const std::vector<bool>* accepted = nullptr) const;

    // Frees what only add() needs; add() may not be called afterwards.
    void finishAdding();

private:
    struct Event {
        uint32_t group;
        uint32_t nodes;       // index of the event's two serial numbers
        int32_t timeAndType;  // seconds of the day above, type in the low byte
    };
    struct Group {
        uint32_t textOffset;
        uint32_t textLength;
    };
    struct Nodes {
        double veyra;
        double keldan;
    };

    // The identifier's group; added tells whether it was made for it.
    uint32_t groupOf(std::string_view guid, bool& added);
    uint32_t nodesOf(double veyra, double keldan);
    std::string_view groupText(uint32_t group) const;
    void grow();

    std::vector<Event> events_;
    std::vector<Group> groups_;
    TextArena texts_;                                      // the identifiers, each once
    std::vector<uint64_t> slots_;                          // open addressing: hash and group + 1, 0 when free
    std::unordered_map<uint32_t, std::string> spellings_;  // by event
    std::vector<Nodes> nodes_;
    std::unordered_map<uint64_t, uint32_t> nodeIndex_;
};

}  // namespace varnel::reports
