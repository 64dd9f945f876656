// The pairing of message events by identifier, apart from the database: the
// events are put in the order identifier (ignoring case), time, stored order,
// and every two consecutive events of one identifier form a pair.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::reports {

// Event indices in selection order, with where each identifier begins.
struct SelectionOrder {
    std::vector<uint32_t> events;
    std::vector<bool> sameAsBefore;  // per position: same identifier as the event before

    std::vector<uint32_t>::const_iterator begin() const { return events.begin(); }
    std::vector<uint32_t>::const_iterator end() const { return events.end(); }
};

// The events of a selection, in stored order.
class MessageEvents {
public:
    void reserve(std::size_t events, std::size_t guidBytes);
    void add(std::string_view guid, int secondsOfDay, int messageType, double veyraSerial, double keldanSerial);

    std::size_t size() const { return events_.size(); }
    std::string_view guid(uint32_t event) const;
    int secondsOfDay(uint32_t event) const { return events_[event].seconds; }
    int messageType(uint32_t event) const { return events_[event].type; }
    double veyraSerial(uint32_t event) const { return events_[event].veyra; }
    double keldanSerial(uint32_t event) const { return events_[event].keldan; }

    // The events ordered by identifier compared ignoring letter case, then
    // time of day, then stored order.
    SelectionOrder selectionOrder() const;

private:
    struct Event {
        uint32_t guidOffset;
        uint32_t guidLength;
        int32_t seconds;
        int32_t type;
        double veyra;
        double keldan;
    };

    std::vector<Event> events_;
    std::string guids_;  // identifiers as logged
};

struct EventPair {
    uint32_t first;
    uint32_t second;
};

struct UnmatchedEvent {
    uint32_t event;              // the event left without partner
    uint32_t firstOfIdentifier;  // the first event of its identifier in the selection order
};

struct Pairing {
    std::vector<EventPair> pairs;  // in selection order
    std::vector<UnmatchedEvent> unmatched;
};

// Walks the events in selection order: an event equal in identifier (ignoring
// case) to the one before it pairs with it, and the walk goes on after the
// pair; an event that differs leaves the one before it unmatched. The event
// left over at the end is neither paired nor listed as unmatched.
Pairing pairEvents(const SelectionOrder& order);

}  // namespace varnel::reports
