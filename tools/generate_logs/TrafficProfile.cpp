#include "TrafficProfile.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace {

constexpr std::array<std::uint32_t, 24> kHourWeights = {
    1, 1, 1, 1, 1, 1, 2, 4, 7, 10, 10, 10, 8, 10, 10, 10, 10, 7, 4, 3, 2, 2, 2, 2,
};

constexpr std::uint32_t kTotalWeight = std::accumulate(kHourWeights.begin(), kHourWeights.end(), 0U);
constexpr std::uint32_t kBusiestWeight = *std::max_element(kHourWeights.begin(), kHourWeights.end());

std::uint32_t drawHour(Prng& prng) {
    std::uint32_t point = prng.below(kTotalWeight);
    std::uint32_t hour = 0;
    while (point >= kHourWeights[hour]) {
        point -= kHourWeights[hour];
        ++hour;
    }
    return hour;
}

}  // namespace

namespace traffic_profile {

std::vector<std::uint32_t> arrivalsPerSecond(std::uint32_t arrivals, Prng& prng) {
    std::vector<std::uint32_t> perSecond(kSecondsPerDay, 0);
    for (std::uint32_t i = 0; i < arrivals; ++i) ++perSecond[drawHour(prng) * 3600 + prng.below(3600)];
    return perSecond;
}

std::uint32_t busiestHourArrivals(std::uint32_t arrivals) {
    return static_cast<std::uint32_t>(std::uint64_t{arrivals} * kBusiestWeight / kTotalWeight);
}

}  // namespace traffic_profile
