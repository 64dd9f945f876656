// The pairing of message events by identifier, apart from the database.
// Events are grouped by identifier (ignoring case) as they are added; in a
// group, in time and then stored order, every two consecutive events form a
// pair. Pairs come out in identifier order, the order of the table's rows.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "containers/BlockVector.h"
#include "containers/LargeArrays.h"
#include "containers/TextArena.h"

namespace varnel::reports {

struct EventPair {
    uint32_t first;
    uint32_t second;
};

// An event as it is added.
struct NewEvent {
    std::string_view guid;
    int secondsOfDay;
    int messageType;
    double veyraSerial;
    double keldanSerial;
};

struct UnmatchedEvent {
    uint32_t event;              // the event left without partner
    uint32_t firstOfIdentifier;  // the first event of its identifier in time order
};

struct Pairing {
    containers::LargeVector<EventPair> pairs;  // in identifier order, then time order
    std::vector<UnmatchedEvent> unmatched;
};

// The events of a selection, in stored order. An identifier's events are
// found by the identifiers met most recently, so adding stays within a small
// table however many identifiers a load holds: each identifier's text is held
// once while its events come close together (as a message's queued and
// cleared events do), and again when it returns after many others, in which
// case pair() brings its events together. An event spelt otherwise than its
// group's first event keeps its own spelling apart.
class MessageEvents {
public:
    // secondsOfDay within ±8,000,000.
    void add(std::string_view guid, int secondsOfDay, int messageType, double veyraSerial, double keldanSerial);
    // The same for many events in stored order; their identifiers are looked
    // up together, so that the table's memory is fetched for all of them at once.
    void add(std::span<const NewEvent> events);

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

    // Asks the processor for what reading an event's values and identifier
    // needs, one step at a time: each step reads what the one before fetched,
    // so the steps are best taken some events apart.
    enum class Fetch { Event, Group, Text };
    void prefetch(uint32_t event, Fetch step) const;

    // Frees what only add() needs; add() may not be called afterwards.
    void finishAdding();

    // How many identifiers add() keeps at hand: more of them between two events
    // of one identifier may give it a second group.
    static constexpr std::size_t recentIdentifiers = std::size_t{1} << 16;

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

    void add(const NewEvent& event, uint32_t hash);
    uint64_t* recentSet(uint32_t hash);
    // The identifier's group; added tells whether it was made for it.
    uint32_t groupOf(std::string_view guid, uint32_t hash, bool& added);
    uint32_t nodesOf(double veyra, double keldan);
    std::string_view groupText(uint32_t group) const;
    // For each group with events taking part, the number of its identifier in
    // identifier order; identifiers is set to how many there are.
    containers::LargeVector<uint32_t> identifierNumbers(const containers::LargeVector<uint32_t>& membersOfGroup,
                                                        uint32_t& identifiers) const;

    containers::BlockVector<Event> events_;
    containers::BlockVector<Group> groups_;
    containers::TextArena texts_;  // the groups' identifiers
    // The recent identifiers in sets of recentWays: hash and group + 1, 0 when free.
    std::vector<uint64_t> recent_;
    std::unordered_map<uint32_t, std::string> spellings_;  // by event
    std::vector<Nodes> nodes_;
    std::unordered_map<uint64_t, uint32_t> nodeIndex_;
};

}  // namespace varnel::reports
