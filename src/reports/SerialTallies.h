// The cleared messages that the node traffic and node error reports count,
// tallied per serial number on each side: delivered counts with their
// megabytes, and non-delivery counts. Messages are added in stored order, so
// a serial's megabyte sum adds up exactly as the same messages added one by
// one to its node's row.
#pragma once

#include <cstdint>
#include <vector>

#include "store/RawRows.h"

namespace varnel::reports {

// One cleared message with its values as the database gives them back.
struct ClearedMessage {
    bool inbound = false;
    bool nonDelivery = false;  // ErrorState 1
    double veyraSerial = 0;
    double keldanSerial = 0;
    store::Nullable<double> size;  // bytes; missing when the log gave none
};

struct NodeTally {
    int64_t inboundMessages = 0;
    double inboundMegabytes = 0;
    int64_t outboundMessages = 0;
    double outboundMegabytes = 0;
    int64_t inboundNonDeliveries = 0;
    int64_t outboundNonDeliveries = 0;
    bool operator==(const NodeTally&) const = default;
};

// The tallies of one side, found by serial number through an open-addressed
// table: a damaged log can name a million nodes, and every message looks up
// one serial on each side. A negative zero is the serial 0, as stored.
class SideTallies {
public:
    // The serial's tally, made empty when the serial is new.
    NodeTally& at(double serial);
    // Null when no message named the serial.
    const NodeTally* find(double serial) const;
    // Every serial named, in the order first named.
    const std::vector<double>& serials() const { return serials_; }

private:
    // A serial's key (its bits as stored) beside its place, so that a
    // look-up reads one slot.
    struct Slot {
        uint64_t key = 0;
        uint32_t entry = 0;  // 0 when empty, else 1 + the serial's index
    };

    std::size_t slotOf(uint64_t key) const;
    void grow();

    std::vector<Slot> slots_;
    std::vector<double> serials_;
    std::vector<NodeTally> tallies_;
};

class SerialTallies {
public:
    // Counts the message on its Veyra serial's and its Keldan serial's tally.
    void add(const ClearedMessage& message);

    const SideTallies& veyra() const { return veyra_; }
    const SideTallies& keldan() const { return keldan_; }
    int64_t messages() const { return messages_; }
    int64_t nonDeliveries() const { return nonDeliveries_; }

private:
    SideTallies veyra_;
    SideTallies keldan_;
    int64_t messages_ = 0;
    int64_t nonDeliveries_ = 0;
};

}  // namespace varnel::reports
