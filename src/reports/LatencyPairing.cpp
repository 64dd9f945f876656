#include "reports/LatencyPairing.h"

#include <algorithm>
#include <unordered_map>

namespace varnel::reports {

namespace {

char lowered(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

void MessageEvents::reserve(std::size_t events, std::size_t guidBytes) {
    events_.reserve(events);
    guids_.reserve(guidBytes);
    folded_.reserve(guidBytes);
}

void MessageEvents::add(std::string_view guid, int secondsOfDay, int messageType, double veyraSerial,
                        double keldanSerial) {
    events_.push_back({static_cast<uint32_t>(guids_.size()), static_cast<uint32_t>(guid.size()), secondsOfDay,
                       messageType, veyraSerial, keldanSerial});
    guids_.append(guid);
    for (char c : guid) folded_.push_back(lowered(c));
}

std::string_view MessageEvents::guid(uint32_t event) const {
    return std::string_view(guids_).substr(events_[event].guidOffset, events_[event].guidLength);
}

std::string_view MessageEvents::foldedGuid(uint32_t event) const {
    return std::string_view(folded_).substr(events_[event].guidOffset, events_[event].guidLength);
}

std::vector<uint32_t> MessageEvents::selectionOrder() const {
    // Group the events by folded identifier (a hash pass), order the groups by
    // identifier and the few events of each group by time: far cheaper than
    // sorting every event by its identifier text.
    const auto count = static_cast<uint32_t>(events_.size());
    std::unordered_map<std::string_view, uint32_t> groupOfKey;
    groupOfKey.reserve(count);
    std::vector<uint32_t> groupOfEvent(count);
    std::vector<uint32_t> firstEventOfGroup;
    for (uint32_t e = 0; e < count; ++e) {
        const auto [it, added] = groupOfKey.try_emplace(foldedGuid(e), static_cast<uint32_t>(firstEventOfGroup.size()));
        if (added) firstEventOfGroup.push_back(e);
        groupOfEvent[e] = it->second;
    }
    groupOfKey = {};

    // Events of each group side by side, each group in stored order.
    const auto groups = static_cast<uint32_t>(firstEventOfGroup.size());
    std::vector<uint32_t> groupStart(groups + 1, 0);
    for (uint32_t g : groupOfEvent) ++groupStart[g + 1];
    for (uint32_t g = 0; g < groups; ++g) groupStart[g + 1] += groupStart[g];
    std::vector<uint32_t> byGroup(count);
    {
        std::vector<uint32_t> fill(groupStart.begin(), groupStart.end() - 1);
        for (uint32_t e = 0; e < count; ++e) byGroup[fill[groupOfEvent[e]]++] = e;
    }

    // Groups ordered by folded identifier: the first 16 bytes as two numbers
    // that compare like the text, the whole text only when they tie.
    struct GroupKey {
        uint64_t high;
        uint64_t low;
        uint32_t group;
    };
    const auto prefix = [](std::string_view text, std::size_t from) {
        uint64_t value = 0;
        for (std::size_t i = from; i < from + 8; ++i)
            value = (value << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) + 1u : 0u);
        return value;
    };
    std::vector<GroupKey> keys(groups);
    for (uint32_t g = 0; g < groups; ++g) {
        const std::string_view text = foldedGuid(firstEventOfGroup[g]);
        keys[g] = {prefix(text, 0), prefix(text, 8), g};
    }
    std::sort(keys.begin(), keys.end(), [&](const GroupKey& a, const GroupKey& b) {
        if (a.high != b.high) return a.high < b.high;
        if (a.low != b.low) return a.low < b.low;
        return foldedGuid(firstEventOfGroup[a.group]) < foldedGuid(firstEventOfGroup[b.group]);
    });

    std::vector<uint32_t> order;
    order.reserve(count);
    for (const GroupKey& key : keys) {
        // Groups hold a few events: an insertion sort by time keeps stored order on ties.
        const auto begin = order.size();
        for (uint32_t i = groupStart[key.group]; i < groupStart[key.group + 1]; ++i) {
            const uint32_t event = byGroup[i];
            std::size_t at = order.size();
            order.push_back(event);
            while (at > begin && events_[order[at - 1]].seconds > events_[event].seconds) {
                order[at] = order[at - 1];
                --at;
            }
            order[at] = event;
        }
    }
    return order;
}

Pairing pairEvents(const MessageEvents& events, const std::vector<uint32_t>& order) {
    Pairing result;
    if (order.empty()) return result;
    const auto sameIdentifier = [&](uint32_t a, uint32_t b) {
        const std::string_view x = events.guid(a);
        const std::string_view y = events.guid(b);
        if (x.size() != y.size()) return false;
        for (std::size_t i = 0; i < x.size(); ++i)
            if (lowered(x[i]) != lowered(y[i])) return false;
        return true;
    };

    std::size_t previous = 0;
    std::size_t firstOfPrevious = 0;  // where the previous event's identifier begins in the order
    std::size_t current = 1;
    while (current < order.size()) {
        if (sameIdentifier(order[current], order[previous])) {
            result.pairs.push_back({order[previous], order[current]});
            ++current;
            if (current >= order.size()) break;
        } else {
            result.unmatched.push_back({order[previous], order[firstOfPrevious]});
        }
        if (!sameIdentifier(order[current], order[previous])) firstOfPrevious = current;
        previous = current;
        ++current;
    }
    return result;
}

}  // namespace varnel::reports
