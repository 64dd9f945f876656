#include "reports/SerialTallies.h"

#include <bit>

namespace varnel::reports {

namespace {

constexpr double bytesPerMegabyte = 1000000.0;

// The serial's bits, with a negative zero as 0, spread over all 64 bits
// (the finalizer of MurmurHash3) so that the low bits pick a slot.
uint64_t hashOf(double serial) {
    uint64_t x = std::bit_cast<uint64_t>(store::storedReal(serial));
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    x *= 0xc4ceb9fe1a85ec53ULL;
    x ^= x >> 33;
    return x;
}

bool sameSerial(double a, double b) {
    return std::bit_cast<uint64_t>(store::storedReal(a)) == std::bit_cast<uint64_t>(store::storedReal(b));
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

// Linear probing from the serial's home slot to its own slot or the first
// empty one; the table is at most half full, so the walk stays short.
std::size_t SideTallies::slotOf(double serial) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = hashOf(serial) & mask;
    while (slots_[slot] != 0 && !sameSerial(serials_[slots_[slot] - 1], serial)) slot = (slot + 1) & mask;
    return slot;
}

void SideTallies::grow() {
    slots_.assign(slots_.empty() ? 64 : slots_.size() * 2, 0);
    for (std::size_t index = 0; index < serials_.size(); ++index)
        slots_[slotOf(serials_[index])] = static_cast<uint32_t>(index + 1);
}

NodeTally& SideTallies::at(double serial) {
    if (2 * (serials_.size() + 1) > slots_.size()) grow();
    const std::size_t slot = slotOf(serial);
    if (slots_[slot] == 0) {
        serials_.push_back(store::storedReal(serial));
        tallies_.emplace_back();
        slots_[slot] = static_cast<uint32_t>(serials_.size());
    }
    return tallies_[slots_[slot] - 1];
}

const NodeTally* SideTallies::find(double serial) const {
    if (slots_.empty()) return nullptr;
    const uint32_t entry = slots_[slotOf(serial)];
    return entry == 0 ? nullptr : &tallies_[entry - 1];
}

void SerialTallies::add(const ClearedMessage& message) {
    ++messages_;
    if (message.nonDelivery) ++nonDeliveries_;
    const double megabytes = message.size.present ? message.size.value / bytesPerMegabyte : 0.0;
    count(veyra_.at(message.veyraSerial), message, megabytes);
    count(keldan_.at(message.keldanSerial), message, megabytes);
}

}  // namespace varnel::reports
