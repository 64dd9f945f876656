// Arrays in huge pages: what is stored in them reads back across the growth
// and the block edges, and a large one starts on a huge page, without which
// none of it can be huge.
#include <gtest/gtest.h>

#include <cstdint>

#include "containers/BlockVector.h"
#include "containers/LargeArrays.h"

namespace varnel::containers {
namespace {

TEST(LargeArrays, AGrowingVectorKeepsItsValuesAndLargeOnesStartOnAHugePage) {
    LargeVector<uint32_t> values;
    for (uint32_t i = 0; i < 3'000'000; ++i) {
        values.push_back(i * 7u);
        if (values.capacity() * sizeof(uint32_t) >= hugePageBytes) {
            ASSERT_EQ(reinterpret_cast<std::uintptr_t>(values.data()) % hugePageBytes, 0u) << i;
        }
    }
    for (uint32_t i = 0; i < values.size(); ++i) ASSERT_EQ(values[i], i * 7u) << i;
    LargeVector<uint32_t> zeros(hugePageBytes, 0);  // value-initialised, as the pairing counts rely on
    EXPECT_EQ(zeros.front(), 0u);
    EXPECT_EQ(zeros.back(), 0u);
    values.clear();
    values.shrink_to_fit();  // hands the mapping back, then a small one from the heap
    values.push_back(1);
    EXPECT_EQ(values.back(), 1u);
}

TEST(LargeArrays, ABlockIsWritableToItsLastByteAndMovesWhole) {
    const std::size_t count = hugePageBytes + hugePageBytes / 2 + 3;  // whole huge page, part of one, odd bytes
    LargeBlock<char> block(count);
    block[0] = 'a';
    block[count - 1] = 'z';
    LargeBlock<char> moved(std::move(block));
    EXPECT_EQ(block.get(), nullptr);
    EXPECT_EQ(moved[0], 'a');
    EXPECT_EQ(moved[count - 1], 'z');
    EXPECT_THROW(allocateLarge(0), std::bad_alloc);
}

struct TwelveBytes {
    uint32_t a, b, c;
};

TEST(LargeArrays, ABlockVectorReadsBackAcrossManyBlocks) {
    BlockVector<TwelveBytes> values;
    constexpr uint32_t count = 700'001;  // beyond two blocks of 3 MB
    for (uint32_t i = 0; i < count; ++i) values.push_back({i, ~i, i ^ 0x5a5a5a5au});
    ASSERT_EQ(values.size(), count);
    for (uint32_t i = 0; i < count; ++i) {
        ASSERT_EQ(values[i].a, i);
        ASSERT_EQ(values[i].b, ~i);
        ASSERT_EQ(values[i].c, i ^ 0x5a5a5a5au);
    }
    EXPECT_EQ(values.back().a, count - 1);
}

}  // namespace
}  // namespace varnel::containers
