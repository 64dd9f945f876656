// How far a long pass of the latency work is, as a percent for another
// thread to show: a pass takes its part of the percent from where it starts,
// and tells it every so many items rather than at every one.
#pragma once

#include <cstdint>

namespace varnel::reports {

// Items between two tellings of a pass.
inline constexpr uint64_t percentTellEvery = uint64_t{1} << 16;

// The percent when done of count items of a pass are through, the pass
// spanning stepPercent from stepStart; count above 0.
constexpr int percentWithin(int stepStart, int stepPercent, uint64_t done, uint64_t count) {
    return stepStart + static_cast<int>(static_cast<uint64_t>(stepPercent) * done / count);
}

}  // namespace varnel::reports
