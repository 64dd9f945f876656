// The percentile rule of the queue figures on small lists: the value at rank
// ceil(p/100 x n) of the values in ascending order.
#include <gtest/gtest.h>

#include <numeric>

#include "trend/QueuePercentiles.h"

using namespace varnel;

namespace {

std::optional<trend::QueueSeconds> queueOf(std::vector<int64_t> values) { return trend::queueSecondsOf(values); }

TEST(QueuePercentiles, RankIsTheCeilingOfTheShareWithoutRoundingError) {
    // 0.95 x 20 is 19 exactly; a floating product may land just above it.
    EXPECT_EQ(trend::percentileRank(20, 95), 19u);
    EXPECT_EQ(trend::percentileRank(21, 95), 20u);
    EXPECT_EQ(trend::percentileRank(100, 95), 95u);
    EXPECT_EQ(trend::percentileRank(1, 95), 1u);
    EXPECT_EQ(trend::percentileRank(1, 50), 1u);
    EXPECT_EQ(trend::percentileRank(2, 50), 1u);  // the lower of two middles
    EXPECT_EQ(trend::percentileRank(3, 50), 2u);
    EXPECT_EQ(trend::percentileRank(4, 50), 2u);
    EXPECT_EQ(trend::percentileRank(7, 100), 7u);
}

TEST(QueuePercentiles, FiguresOfSmallListsInAnyOrder) {
    EXPECT_EQ(queueOf({}), std::nullopt);
    EXPECT_EQ(queueOf({42}), (trend::QueueSeconds{42, 42, 42}));
    EXPECT_EQ(queueOf({9, 3}), (trend::QueueSeconds{3, 9, 9}));
    EXPECT_EQ(queueOf({60, 10, 30}), (trend::QueueSeconds{30, 60, 60}));
    EXPECT_EQ(queueOf({5, 5, 1, 5}), (trend::QueueSeconds{5, 5, 5}));
    EXPECT_EQ(queueOf({0, 7, 0, 0, 0}), (trend::QueueSeconds{0, 7, 7}));

    // 1..20 shuffled: median at rank 10, 95th at rank 19, below the largest.
    std::vector<int64_t> twenty(20);
    std::iota(twenty.begin(), twenty.end(), 1);
    std::rotate(twenty.begin(), twenty.begin() + 7, twenty.end());
    std::swap(twenty[2], twenty[17]);
    EXPECT_EQ(trend::queueSecondsOf(twenty), (trend::QueueSeconds{10, 19, 20}));

    // 21 values: rank 20 of 21 for the 95th.
    std::vector<int64_t> values;
    for (int64_t v = 21; v >= 1; --v) values.push_back(v * 100);
    EXPECT_EQ(trend::queueSecondsOf(values), (trend::QueueSeconds{1100, 2000, 2100}));
}

}  // namespace
