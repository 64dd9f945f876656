#include "reports/LatencyPairing.h"

#include <algorithm>

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

// An event's place in the selection order, held in the key itself so that
// sorting reads no identifier text: the lowered identifier as far as the
// words hold it (missing bytes 0), then time and stored order.
struct OrderKey {
    static constexpr std::size_t wordCount = 5;
    static constexpr std::size_t heldBytes = wordCount * 8;  // a braced GUID takes 38

    uint64_t words[wordCount];
    uint32_t length;  // of the identifier
    uint32_t time;    // the seconds' bits reordered to compare unsigned
    uint32_t event;
};

OrderKey orderKey(std::string_view guid, int32_t seconds, uint32_t event) {
    unsigned char held[OrderKey::heldBytes] = {};
    const std::size_t heldLength = std::min(guid.size(), OrderKey::heldBytes);
    for (std::size_t i = 0; i < heldLength; ++i) held[i] = lowered(guid[i]);

    OrderKey key{{}, static_cast<uint32_t>(guid.size()), static_cast<uint32_t>(seconds) ^ 0x80000000u, event};
    for (std::size_t word = 0; word < OrderKey::wordCount; ++word)
        for (std::size_t byte = 0; byte < 8; ++byte) key.words[word] = key.words[word] << 8 | held[word * 8 + byte];
    return key;
}

// The order of two identifiers whose held bytes are equal. When one of them
// fits the words it is a prefix of the other, so the lengths decide; only two
// longer identifiers need their texts.
int compareBeyondWords(const MessageEvents& events, const OrderKey& a, const OrderKey& b) {
    if (a.length <= OrderKey::heldBytes || b.length <= OrderKey::heldBytes)
        return a.length < b.length ? -1 : a.length > b.length ? 1 : 0;
    return compareLowered(events.guid(a.event).substr(OrderKey::heldBytes),
                          events.guid(b.event).substr(OrderKey::heldBytes));
}

int compareIdentifiers(const MessageEvents& events, const OrderKey& a, const OrderKey& b) {
    for (std::size_t i = 0; i < OrderKey::wordCount; ++i)
        if (a.words[i] != b.words[i]) return a.words[i] < b.words[i] ? -1 : 1;
    return compareBeyondWords(events, a, b);
}

}  // namespace

void MessageEvents::reserve(std::size_t events, std::size_t guidBytes) {
    events_.reserve(events);
    guids_.reserve(guidBytes);
}

void MessageEvents::add(std::string_view guid, int secondsOfDay, int messageType, double veyraSerial,
                        double keldanSerial) {
    events_.push_back({static_cast<uint32_t>(guids_.size()), static_cast<uint32_t>(guid.size()), secondsOfDay,
                       messageType, veyraSerial, keldanSerial});
    guids_.append(guid);
}

std::string_view MessageEvents::guid(uint32_t event) const {
    return std::string_view(guids_).substr(events_[event].guidOffset, events_[event].guidLength);
}

SelectionOrder MessageEvents::selectionOrder() const {
    std::vector<OrderKey> keys(events_.size());
    for (uint32_t e = 0; e < keys.size(); ++e) keys[e] = orderKey(guid(e), events_[e].seconds, e);
    std::sort(keys.begin(), keys.end(), [this](const OrderKey& a, const OrderKey& b) {
        if (const int order = compareIdentifiers(*this, a, b)) return order < 0;
        if (a.time != b.time) return a.time < b.time;
        return a.event < b.event;
    });

    SelectionOrder order;
    order.events.resize(keys.size());
    order.sameAsBefore.resize(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        order.events[i] = keys[i].event;
        order.sameAsBefore[i] = i > 0 && compareIdentifiers(*this, keys[i - 1], keys[i]) == 0;
    }
    return order;
}

Pairing pairEvents(const SelectionOrder& order) {
    Pairing result;
    const std::vector<uint32_t>& events = order.events;
    std::size_t previous = 0;
    std::size_t firstOfPrevious = 0;  // where the previous event's identifier begins in the order
    std::size_t current = 1;
    while (current < events.size()) {
        // An event is compared with the one just before it in the order;
        // after a pair, that is the pair's second, of previous's identifier.
        if (order.sameAsBefore[current]) {
            result.pairs.push_back({events[previous], events[current]});
            ++current;
            if (current >= events.size()) break;
        } else {
            result.unmatched.push_back({events[previous], events[firstOfPrevious]});
        }
        if (!order.sameAsBefore[current]) firstOfPrevious = current;
        previous = current;
        ++current;
    }
    return result;
}

}  // namespace varnel::reports
