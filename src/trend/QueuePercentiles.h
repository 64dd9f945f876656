// The percentile rule of the queue figures: the p-th percentile of n values
// is the value at rank ceil(p/100 x n) of the values in ascending order,
// counting ranks from 1; the median is the 50th percentile.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "trend/DayFigures.h"

namespace varnel::trend {

// ceil(percent / 100 x count), worked out in whole numbers; percent 1 to
// 100, count at least 1.
std::size_t percentileRank(std::size_t count, int percent);

// The median, the 95th percentile and the largest of the values, which it
// reorders; none for no values.
std::optional<QueueSeconds> queueSecondsOf(std::vector<int64_t>& values);

}  // namespace varnel::trend
