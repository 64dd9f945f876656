#pragma once

#include <cstdint>
#include <vector>

#include "Prng.h"

// The Veyra and Keldan nodes exchanging messages through the gateway. Each
// node has a fixed serial, a share of the traffic and a non-delivery rate,
// all drawn from the seed.
class NodeDirectory {
public:
    struct Node {
        std::uint32_t serial;
        std::uint32_t trafficWeight;
        std::uint32_t nonDeliveryPerMille;
    };

    NodeDirectory(std::uint32_t veyraNodes, std::uint32_t keldanNodes, Prng& prng);

    const Node& pickVeyra(Prng& prng) const { return pick(veyra_, veyraWeight_, prng); }
    const Node& pickKeldan(Prng& prng) const { return pick(keldan_, keldanWeight_, prng); }

private:
    static const Node& pick(const std::vector<Node>& nodes, std::uint32_t totalWeight, Prng& prng);

    std::vector<Node> veyra_;
    std::vector<Node> keldan_;
    std::uint32_t veyraWeight_ = 0;
    std::uint32_t keldanWeight_ = 0;
};
