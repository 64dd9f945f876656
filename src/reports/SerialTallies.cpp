#include "reports/SerialTallies.h"

#include <bit>
#include <utility>

namespace varnel::reports {

namespace {

// The serial's bits as stored, so that a negative zero is the serial 0.
uint64_t keyOf(double serial) { return std::bit_cast<uint64_t>(store::storedReal(serial)); }

// The key's bits spread over all 64 (the finalizer of MurmurHash3), so that
// the low bits pick a slot.
uint64_t hashOf(uint64_t key) {
    key ^= key >> 33;
    key *= 0xff51afd7ed558ccdULL;
    key ^= key >> 33;
    key *= 0xc4ceb9fe1a85ec53ULL;
    key ^= key >> 33;
    return key;
}

void count(NodeTally& tally, const ClearedMessage& message, double megabytes) {
    if (message.inbound) {
        tally.inboundMessages += 1;
        tally.inboundMegabytes += megabytes;
        if (message.nonDelivery) tally.inboundNonDeliveries += 1;
    } else {
        tally.outboundMessages += 1;
        tally.outboundMegabytes += megabytes;
        if (message.nonDelivery) tally.outboundNonDeliveries += 1;
    }
}

}  // namespace

// Linear probing from the key's home slot to its own slot or the first
// empty one; the table is at most half full, so the walk stays short.
std::size_t SideTallies::slotOf(uint64_t key) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = hashOf(key) & mask;
    while (slots_[slot].entry != 0 && slots_[slot].key != key) slot = (slot + 1) & mask;
    return slot;
}

void SideTallies::grow() {
    const std::vector<Slot> previous =
        std::exchange(slots_, std::vector<Slot>(slots_.empty() ? 64 : slots_.size() * 2));
    for (const Slot& slot : previous)
        if (slot.entry != 0) slots_[slotOf(slot.key)] = slot;
}

NodeTally& SideTallies::at(double serial) {
    if (2 * (serials_.size() + 1) > slots_.size()) grow();
    const uint64_t key = keyOf(serial);
    Slot& slot = slots_[slotOf(key)];
    if (slot.entry == 0) {
        serials_.push_back(std::bit_cast<double>(key));
        tallies_.emplace_back();
        slot = {key, static_cast<uint32_t>(serials_.size())};
    }
    return tallies_[slot.entry - 1];
}

const NodeTally* SideTallies::find(double serial) const {
    if (slots_.empty()) return nullptr;
    const Slot& slot = slots_[slotOf(keyOf(serial))];
    return slot.entry == 0 ? nullptr : &tallies_[slot.entry - 1];
}

void SerialTallies::add(const ClearedMessage& message) {
    ++messages_;
    if (message.nonDelivery) ++nonDeliveries_;
    const double megabytes = message.size.present ? message.size.value / store::bytesPerMegabyte : 0.0;
    count(veyra_.at(message.veyraSerial), message, megabytes);
    count(keldan_.at(message.keldanSerial), message, megabytes);
}

}  // namespace varnel::reports
