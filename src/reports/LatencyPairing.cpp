#include "reports/LatencyPairing.h"

#include <algorithm>

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
    const std::size_t from = folded_.size();
    folded_.append(guid);
    for (std::size_t i = from; i < folded_.size(); ++i) folded_[i] = lowered(folded_[i]);
}

std::string_view MessageEvents::guid(uint32_t event) const {
    return std::string_view(guids_).substr(events_[event].guidOffset, events_[event].guidLength);
}

std::string_view MessageEvents::foldedGuid(uint32_t event) const {
    return std::string_view(folded_).substr(events_[event].guidOffset, events_[event].guidLength);
}

std::vector<uint32_t> MessageEvents::selectionOrder() const {
    // Each event keyed by the first 16 bytes of its folded identifier as two
    // numbers that compare like the text (a byte past the end counts lowest);
    // the whole text is compared only when both numbers tie.
    struct Key {
        uint64_t high;
        uint64_t low;
        int32_t seconds;
        uint32_t event;
    };
    const auto prefix = [](std::string_view text, std::size_t from) {
        uint64_t value = 0;
        for (std::size_t i = from; i < from + 8; ++i)
            value = (value << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) + 1u : 0u);
        return value;
    };
    std::vector<Key> keys(events_.size());
    for (uint32_t e = 0; e < keys.size(); ++e) {
        const std::string_view text = foldedGuid(e);
        keys[e] = {prefix(text, 0), prefix(text, 8), events_[e].seconds, e};
    }
    std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        if (a.high != b.high) return a.high < b.high;
        if (a.low != b.low) return a.low < b.low;
        if (const int order = foldedGuid(a.event).compare(foldedGuid(b.event))) return order < 0;
        if (a.seconds != b.seconds) return a.seconds < b.seconds;
        return a.event < b.event;
    });

    std::vector<uint32_t> order(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) order[i] = keys[i].event;
    return order;
}

bool MessageEvents::sameIdentifier(uint32_t a, uint32_t b) const {
    return foldedGuid(a) == foldedGuid(b);
}

Pairing pairEvents(const MessageEvents& events, const std::vector<uint32_t>& order) {
    Pairing result;
    if (order.empty()) return result;
    const auto sameIdentifier = [&](uint32_t a, uint32_t b) { return events.sameIdentifier(a, b); };

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
