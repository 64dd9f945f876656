#include "trend/QueuePercentiles.h"

#include <algorithm>

namespace varnel::trend {

std::size_t percentileRank(std::size_t count, int percent) {
    const auto p = static_cast<std::size_t>(percent);
    return (count * p + 99) / 100;
}

std::optional<QueueSeconds> queueSecondsOf(std::vector<int64_t>& values) {
    if (values.empty()) return std::nullopt;
    // Each selection leaves the larger values after the one it places, so
    // the next, higher rank is looked for among those alone.
    const auto at = [&values](std::size_t rank) { return values.begin() + static_cast<std::ptrdiff_t>(rank - 1); };
    QueueSeconds figures;
    const auto median = at(percentileRank(values.size(), 50));
    std::nth_element(values.begin(), median, values.end());
    figures.median = *median;
    const auto percentile95 = at(percentileRank(values.size(), 95));
    std::nth_element(median, percentile95, values.end());
    figures.percentile95 = *percentile95;
    figures.longest = *std::max_element(percentile95, values.end());
    return figures;
}

}  // namespace varnel::trend
