#include "reports/LatencyPairing.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <thread>

#include "platform/AsciiCase.h"

namespace varnel::reports {

namespace {

unsigned char lowered(char c) { return static_cast<unsigned char>(platform::asciiLower(c)); }

// The two texts compared byte by byte with A-Z lowered: <0, 0 or >0.
int compareLowered(std::string_view first, std::string_view second) {
    const std::size_t common = std::min(first.size(), second.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = lowered(first[i]);
        const unsigned char y = lowered(second[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    return first.size() < second.size() ? -1 : first.size() > second.size() ? 1 : 0;
}

bool equalLowered(std::string_view first, std::string_view second) {
    return first.size() == second.size() && compareLowered(first, second) == 0;
}

// Eight bytes with A-Z lowered, all at once.
uint64_t loweredWord(uint64_t word) {
    constexpr uint64_t ones = 0x0101010101010101ull;
    constexpr uint64_t high = 0x8080808080808080ull;
    const uint64_t seven = word & ~high;
    const uint64_t atLeastA = seven + ones * (0x80 - 'A');
    const uint64_t aboveZ = seven + ones * (0x80 - 'Z' - 1);
    const uint64_t capitals = atLeastA & ~aboveZ & ~word & high;
    return word | capitals >> 2;
}

uint64_t loadWord(const char* bytes, std::size_t count) {
    uint64_t word = 0;
    std::memcpy(&word, bytes, count);
    return word;
}

uint32_t loweredHash(std::string_view text) {
    uint64_t hash = text.size() * 0x9E3779B97F4A7C15ull;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        hash = (hash ^ loweredWord(loadWord(text.data() + i, 8))) * 0xFF51AFD7ED558CCDull;
        hash ^= hash >> 32;
    }
    if (i < text.size()) {
        hash = (hash ^ loweredWord(loadWord(text.data() + i, text.size() - i))) * 0xFF51AFD7ED558CCDull;
        hash ^= hash >> 32;
    }
    return static_cast<uint32_t>(hash ^ hash >> 29);
}

// The first eight lowered bytes, the first one highest, missing bytes 0: two
// identifiers whose prefixes differ are in the order of their prefixes.
uint64_t orderPrefix(std::string_view text) {
    uint64_t prefix = 0;
    for (std::size_t i = 0; i < 8; ++i) prefix = prefix << 8 | (i < text.size() ? lowered(text[i]) : 0u);
    return prefix;
}

// A used slot of the identifier table: the identifier's hash, so that most
// other identifiers are passed over without their text, and its group + 1.
uint64_t slotEntry(uint32_t hash, uint32_t group) { return uint64_t{hash} << 32 | (group + 1u); }

// A serial number as the report database holds it: a negative zero is
// stored as a whole number, so it reads back as zero.
double storedSerial(double value) { return value == 0 ? 0.0 : value; }

}  // namespace

void MessageEvents::reserve(std::size_t events) {
    events_.reserve(events);
    groups_.reserve(events / 2 + 1);
}

void MessageEvents::grow() {
    const std::size_t size = std::max<std::size_t>(1024, slots_.size() * 2);
    std::vector<uint64_t> slots(size, 0);
    const std::size_t mask = size - 1;
    for (const uint64_t entry : slots_) {
        if (!entry) continue;
        std::size_t slot = (entry >> 32) & mask;
        while (slots[slot]) slot = (slot + 1) & mask;
        slots[slot] = entry;
    }
    slots_.swap(slots);
}

std::string_view MessageEvents::groupText(uint32_t group) const {
    return texts_.text(groups_[group].textOffset, groups_[group].textLength);
}

uint32_t MessageEvents::groupOf(std::string_view guid, bool& added) {
    added = false;
    if ((groups_.size() + 1) * 2 > slots_.size()) grow();
    const uint32_t hash = loweredHash(guid);
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = hash & mask;
    for (; slots_[slot]; slot = (slot + 1) & mask) {
        if (static_cast<uint32_t>(slots_[slot] >> 32) != hash) continue;
        const auto g = static_cast<uint32_t>(slots_[slot]) - 1;
        if (equalLowered(groupText(g), guid)) return g;
    }
    const auto g = static_cast<uint32_t>(groups_.size());
    groups_.push_back({texts_.add(guid), static_cast<uint32_t>(guid.size())});
    slots_[slot] = slotEntry(hash, g);
    added = true;
    return g;
}

uint32_t MessageEvents::nodesOf(double veyra, double keldan) {
    // Messages run between a few dozen nodes: the last pair is the likeliest.
    if (!nodes_.empty()) {
        const Nodes& last = nodes_.back();
        if (std::bit_cast<uint64_t>(last.veyra) == std::bit_cast<uint64_t>(veyra) &&
            std::bit_cast<uint64_t>(last.keldan) == std::bit_cast<uint64_t>(keldan))
            return static_cast<uint32_t>(nodes_.size() - 1);
    }
    const uint64_t key = std::bit_cast<uint64_t>(veyra) * 0x9E3779B97F4A7C15ull ^ std::bit_cast<uint64_t>(keldan);
    auto [it, added] = nodeIndex_.try_emplace(key, static_cast<uint32_t>(nodes_.size()));
    if (added) {
        nodes_.push_back({veyra, keldan});
        return it->second;
    }
    const Nodes& found = nodes_[it->second];
    if (std::bit_cast<uint64_t>(found.veyra) == std::bit_cast<uint64_t>(veyra) &&
        std::bit_cast<uint64_t>(found.keldan) == std::bit_cast<uint64_t>(keldan))
        return it->second;
    // Two pairs of one key: rare enough for a search.
    for (uint32_t n = 0; n < nodes_.size(); ++n)
        if (std::bit_cast<uint64_t>(nodes_[n].veyra) == std::bit_cast<uint64_t>(veyra) &&
            std::bit_cast<uint64_t>(nodes_[n].keldan) == std::bit_cast<uint64_t>(keldan))
            return n;
    nodes_.push_back({veyra, keldan});
    return static_cast<uint32_t>(nodes_.size() - 1);
}

void MessageEvents::add(std::string_view guid, int secondsOfDay, int messageType, double veyraSerial,
                        double keldanSerial) {
    bool added = false;
    const uint32_t group = groupOf(guid, added);
    const auto event = static_cast<uint32_t>(events_.size());
    if (!added && groupText(group) != guid) spellings_.emplace(event, std::string(guid));
    const int typeByte = messageType >= -128 && messageType <= 127 ? messageType : 127;
    events_.push_back({group, nodesOf(storedSerial(veyraSerial), storedSerial(keldanSerial)),
                       static_cast<int32_t>(static_cast<uint32_t>(secondsOfDay) << 8 | (typeByte & 0xff))});
}

std::string_view MessageEvents::guid(uint32_t event) const {
    if (!spellings_.empty())
        if (const auto it = spellings_.find(event); it != spellings_.end()) return it->second;
    return groupText(events_[event].group);
}

Pairing MessageEvents::pair(const std::vector<bool>* accepted) const {
    const auto takesPart = [accepted](uint32_t e) { return !accepted || (*accepted)[e]; };
    // Each group's events taking part, in stored order, one group after the
    // other: group g's are members[start[g]] up to members[start[g + 1]].
    // start first counts up to the end of each group, then the events are
    // placed from the last one back, which leaves it at each group's start.
    std::vector<uint32_t> start(groups_.size() + 1, 0);
    for (uint32_t e = 0; e < events_.size(); ++e)
        if (takesPart(e)) ++start[events_[e].group];
    uint32_t taking = 0;
    for (uint32_t& end : start) end = taking += end;

    // One eight-byte key per identifier that takes part: the first bytes of
    // its order prefix above, its group below, in as few bits as the groups
    // need. Keys of equal prefix bits are put in order by their texts. The
    // keys are sorted on a thread of their own while the events are placed.
    const unsigned groupBits = std::max(1u, static_cast<unsigned>(std::bit_width(groups_.size())));
    const uint64_t groupMask = (uint64_t{1} << groupBits) - 1;
    const auto groupOfKey = [groupMask](uint64_t key) { return static_cast<uint32_t>(key & groupMask); };
    std::vector<uint64_t> order;
    order.reserve(groups_.size());
    for (uint32_t g = 0; g < groups_.size(); ++g)
        if (start[g] > (g ? start[g - 1] : 0))
            order.push_back((orderPrefix(groupText(g)) >> groupBits) << groupBits | g);
    std::vector<uint32_t> members(taking);  // made before the thread, so that nothing throws while it runs
    std::thread sorting([&] {
        std::sort(order.begin(), order.end(), [&](uint64_t a, uint64_t b) {
            if ((a ^ b) > groupMask) return a < b;
            return compareLowered(groupText(groupOfKey(a)), groupText(groupOfKey(b))) < 0;
        });
    });
    for (uint32_t e = static_cast<uint32_t>(events_.size()); e-- > 0;)
        if (takesPart(e)) members[--start[events_[e].group]] = e;
    sorting.join();

    Pairing result;
    result.pairs.reserve(members.size() / 2);
    const auto earlier = [this](uint32_t a, uint32_t b) { return secondsOfDay(a) < secondsOfDay(b); };
    for (std::size_t k = 0; k < order.size(); ++k) {
        const uint32_t g = groupOfKey(order[k]);
        const auto first = members.begin() + start[g];
        const auto last = members.begin() + start[g + 1];
        // Stored order within equal times: the members are in stored order.
        if (last - first == 2) {
            if (earlier(first[1], first[0])) std::swap(first[0], first[1]);
        } else {
            std::stable_sort(first, last, earlier);
        }
        auto it = first;
        for (; last - it >= 2; it += 2) result.pairs.push_back({it[0], it[1]});
        if (it != last && k + 1 < order.size()) result.unmatched.push_back({*it, *first});
    }
    return result;
}

void MessageEvents::finishAdding() {
    std::vector<uint64_t>().swap(slots_);
    std::unordered_map<uint64_t, uint32_t>().swap(nodeIndex_);
}

}  // namespace varnel::reports
