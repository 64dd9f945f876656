#include "NodeDirectory.h"

#include <algorithm>

namespace {

// Serials have four to six digits and are unique across both sides.
std::uint32_t drawUnusedSerial(const std::vector<std::uint32_t>& used, Prng& prng) {
    for (;;) {
        const std::uint32_t digits = prng.between(4, 6);
        const std::uint32_t low = digits == 4 ? 1000 : digits == 5 ? 10000 : 100000;
        const std::uint32_t serial = prng.between(low, low * 10 - 1);
        if (std::find(used.begin(), used.end(), serial) == used.end()) return serial;
    }
}

}  // namespace

NodeDirectory::NodeDirectory(std::uint32_t veyraNodes, std::uint32_t keldanNodes, Prng& prng) {
    std::vector<std::uint32_t> used;
    auto add = [&](std::vector<Node>& side, std::uint32_t& totalWeight) {
        // 5..55 per mille averages the gateway's usual 3% non-delivery rate.
        const Node node{drawUnusedSerial(used, prng), prng.between(1, 8), prng.between(5, 55)};
        used.push_back(node.serial);
        side.push_back(node);
        totalWeight += node.trafficWeight;
    };
    for (std::uint32_t i = 0; i < veyraNodes; ++i) add(veyra_, veyraWeight_);
    for (std::uint32_t i = 0; i < keldanNodes; ++i) add(keldan_, keldanWeight_);
}

const NodeDirectory::Node& NodeDirectory::pick(const std::vector<Node>& nodes, std::uint32_t totalWeight, Prng& prng) {
    std::uint32_t point = prng.below(totalWeight);
    std::size_t i = 0;
    while (point >= nodes[i].trafficWeight) {
        point -= nodes[i].trafficWeight;
        ++i;
    }
    return nodes[i];
}
