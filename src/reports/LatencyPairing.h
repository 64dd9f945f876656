// The pairing of message events by identifier, apart from the database.
// Events are grouped by identifier (ignoring case) as they are added; in a
// group, in time and then stored order, every two consecutive events form a
// pair. Pairs come out in identifier order, the order of the table's rows.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "containers/BlockVector.h"
#include "containers/LargeArrays.h"
#include "containers/TextArena.h"
#include "text/PackedIdentifier.h"

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
    bool takesPart = true;  // in the pairing whose heads are kept while adding
};

// An identifier's text as logged, held by value: an identifier kept packed
// is spelt out into the value itself. Its text is taken from a named value
// only, so that no view outlives the value it points into.
class IdentifierText {
public:
    IdentifierText() = default;
    explicit IdentifierText(std::string_view text) : text_(text) {}

    std::string_view view() const& { return spelt_ ? std::string_view(letters_.data(), letters_.size()) : text_; }
    std::string_view view() const&& = delete;
    operator std::string_view() const& { return view(); }  // NOLINT(google-explicit-constructor)
    operator std::string_view() const&& = delete;
    std::size_t size() const { return spelt_ ? letters_.size() : text_.size(); }
    std::string text() const { return std::string(view()); }

    // The identifiers kept packed: "{" 8 "-" 4 "-" 4 "-" 4 "-" 12 "}" hex
    // digits, all of one letter case.
    static constexpr std::size_t packedSize = text::packedIdentifierSize;

private:
    friend class MessageEvents;
    std::string_view text_;
    std::array<char, packedSize> letters_;
    bool spelt_ = false;
};

struct UnmatchedEvent {
    uint32_t event;              // the event left without partner
    uint32_t firstOfIdentifier;  // the first event of its identifier in time order
};

struct Pairing {
    containers::LargeVector<EventPair> pairs;  // in identifier order, then time order
    std::vector<UnmatchedEvent> unmatched;
};

class MessageEvents;

// Each group's first two events taking part in a pairing, in time and then
// stored order, and its further ones apart: where the pairing starts. Kept
// up while the events are added, they spare the pairing a pass over all of
// them once adding has ended.
class GroupHeads {
private:
    friend class MessageEvents;
    // Takes event, the last one added so far, of group.
    void take(uint32_t event, uint32_t group, const MessageEvents& events);

    containers::BlockVector<EventPair> firstTwo_;  // by group
    std::vector<EventPair> further_;               // the group's first event, a further one
    uint32_t groupsTaking_ = 0;
    uint64_t eventsTaking_ = 0;
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
    // The same, keeping up heads for the pairing of the events that take part.
    void add(std::span<const NewEvent> events, GroupHeads& heads);

    std::size_t size() const { return events_.size(); }
    IdentifierText guid(uint32_t event) const;  // as logged
    int secondsOfDay(uint32_t event) const { return events_[event].timeAndType >> 8; }
    // The type as added where it fits a byte, any other type as 127, which
    // like it is neither 3 nor 5.
    int messageType(uint32_t event) const { return static_cast<int8_t>(events_[event].timeAndType & 0xff); }
    double veyraSerial(uint32_t event) const { return nodes_[nodesOf(event)].veyra; }
    double keldanSerial(uint32_t event) const { return nodes_[nodesOf(event)].keldan; }

    // Orders the identifiers (bytes compared unsigned with A-Z lowered, a
    // shorter text before one it begins), puts each identifier's events in
    // time and stored order, and walks them as one sequence: an event of the
    // same identifier as the one before it pairs with it and the walk goes
    // on after the pair; an event of another identifier leaves the one before
    // it unmatched. The event left over at the end of the walk is neither
    // paired nor listed as unmatched. With accepted (one flag per event),
    // only the accepted events take part, as if the others were never added.
    // percentDone, when given, rises from 0 to 100 as the pairing goes on,
    // for another thread to show.
    Pairing pair(const std::vector<bool>* accepted = nullptr, std::atomic<int>* percentDone = nullptr) const;
    // The same from heads kept while every event was added: only the events
    // that took part pair, as if the others were never added.
    Pairing pair(GroupHeads heads, std::atomic<int>* percentDone = nullptr) const;

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
        int32_t timeAndType;  // seconds of the day above, type in the low byte
    };
    // An event's two serial numbers are kept apart, as the index of the
    // pair in nodes_: messages run between a few dozen nodes, so two bytes
    // hold it, and farNodes_ those of the events it does not fit.
    static constexpr uint16_t farNodesMark = 0xFFFF;
    uint32_t nodesOf(uint32_t event) const {
        const uint16_t near = nodesOfEvent_[event];
        return near != farNodesMark ? near : farNodes_.at(event);
    }
    // A group's identifier: the 32 hex digits of a packed one as two
    // numbers, the first digit highest, so that packed identifiers compare
    // as their lowered texts do; else where its text lies in texts_.
    struct Group {
        uint64_t high;
        uint64_t low;
    };
    // How a group's identifier is kept: packed in upper or lower case, or
    // as its text.
    enum class Form : uint8_t { Upper, Lower, Text };
    // An identifier being added, packed where it has the packed form (in
    // any letter case: Text when the cases are mixed).
    struct Identifier {
        std::string_view text;
        Group packed;
        bool isPacked;
        Form form;
    };
    static Identifier identify(std::string_view text);
    static uint32_t hashOf(const Identifier& identifier);
    struct Nodes {
        double veyra;
        double keldan;
    };

    // Adds the event and returns its group.
    uint32_t add(const NewEvent& event, const Identifier& identifier, uint32_t hash);
    // Looks the identifiers up together, then adds each event and calls
    // added(its place in events, its group).
    template <typename Added>
    void addAll(std::span<const NewEvent> events, const Added& added);
    uint64_t* recentSet(uint32_t hash);
    // The identifier's group; added tells whether it was made for it, and
    // sameSpelling whether the group's identifier is spelt as this one.
    uint32_t groupOf(const Identifier& identifier, uint32_t hash, bool& added, bool& sameSpelling);
    uint32_t nodesIndex(double veyra, double keldan);
    IdentifierText groupText(uint32_t group) const;
    // For each group with events taking part (a first event in firstTwo),
    // the number of its identifier in identifier order; identifiers is set
    // to how many there are.
    containers::LargeVector<uint32_t> identifierNumbers(const containers::BlockVector<EventPair>& firstTwo,
                                                        uint32_t& identifiers) const;
    // The first two events of the groups with events taking part (taking
    // of them), in identifier order, those of one identifier in the order
    // the groups were made; each marked when its identifier is that of the
    // group before it.
    // percentDone, when given, rises from 30 to 60 meanwhile.
    containers::LargeVector<EventPair> identifierOrder(const containers::BlockVector<EventPair>& firstTwo,
                                                       uint32_t taking, std::atomic<int>* percentDone) const;
    // The same when every group taking part keeps its identifier packed.
    containers::LargeVector<EventPair> packedIdentifierOrder(const containers::BlockVector<EventPair>& firstTwo,
                                                             uint32_t taking, std::atomic<int>* percentDone) const;

    containers::BlockVector<Event> events_;
    containers::BlockVector<Group> groups_;
    containers::BlockVector<Form> forms_;  // by group
    containers::TextArena texts_;          // the identifiers not packed
    // The recent identifiers in sets of recentWays: hash and group + 1, 0 when free.
    std::vector<uint64_t> recent_;
    std::unordered_map<uint32_t, std::string> spellings_;  // by event
    containers::BlockVector<uint16_t> nodesOfEvent_;
    std::unordered_map<uint32_t, uint32_t> farNodes_;  // by event
    std::vector<Nodes> nodes_;
    std::unordered_map<uint64_t, uint32_t> nodeIndex_;
    // The pairs of serials met recently, by their key's hash, each with its
    // index in nodes_ + 1 (0 for none).
    struct RecentNodes {
        uint64_t veyraBits = 0;
        uint64_t keldanBits = 0;
        uint32_t index = 0;
    };
    static constexpr unsigned recentNodesBits = 8;
    std::vector<RecentNodes> recentNodes_ = std::vector<RecentNodes>(std::size_t{1} << recentNodesBits);
    // What addAll() works out for a batch's events.
    std::vector<Identifier> batchIdentifiers_;
    std::vector<uint32_t> batchHashes_;
};

}  // namespace varnel::reports
