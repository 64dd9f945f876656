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

    std::vector<uint32_t> groupOrder(groups);
    for (uint32_t g = 0; g < groups; ++g) groupOrder[g] = g;
    std::sort(groupOrder.begin(), groupOrder.end(), [&](uint32_t a, uint32_t b) {
        return foldedGuid(firstEventOfGroup[a]) < foldedGuid(firstEventOfGroup[b]);
    });

    std::vector<uint32_t> order;
    order.reserve(count);
    for (uint32_t g : groupOrder) {
        const auto begin = order.size();
        order.insert(order.end(), byGroup.begin() + groupStart[g], byGroup.begin() + groupStart[g + 1]);
        std::stable_sort(order.begin() + static_cast<std::ptrdiff_t>(begin), order.end(),
                         [&](uint32_t a, uint32_t b) { return events_[a].seconds < events_[b].seconds; });
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
