#pragma once

#include <cstdint>
#include <vector>

#include "Prng.h"

inline constexpr std::uint32_t kSecondsPerDay = 24 * 60 * 60;
inline constexpr std::uint32_t kLastSecondOfDay = kSecondsPerDay - 1;

// How busy the gateway is through the day: quiet at night, busiest in
// business hours with a dip at lunch.
namespace traffic_profile {

// Spreads `arrivals` over the day by the hourly weights; element i is the
// number of arrivals in second i.
std::vector<std::uint32_t> arrivalsPerSecond(std::uint32_t arrivals, Prng& prng);

// Arrivals expected in the busiest hour when `arrivals` spread over the day.
std::uint32_t busiestHourArrivals(std::uint32_t arrivals);

}  // namespace traffic_profile
