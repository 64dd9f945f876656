// A vector of plain values kept in blocks of a fixed size that never move:
// it grows without copying what it holds, so a vector of hundreds of
// megabytes never needs a second copy of itself while it grows. A block is
// at least a huge page.
#pragma once

#include <cstddef>
#include <type_traits>
#include <vector>

#include "containers/LargeArrays.h"

namespace varnel::containers {

template <typename T>
class BlockVector {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    void push_back(const T& value) {
        if (size_ == blocks_.size() * blockSize) blocks_.emplace_back(blockSize);
        blocks_.back()[size_ & (blockSize - 1)] = value;
        ++size_;
    }

    // Appends copies of value until count values are held.
    void growTo(std::size_t count, const T& value) {
        while (size_ < count) push_back(value);
    }

    T& operator[](std::size_t i) { return blocks_[i >> blockBits][i & (blockSize - 1)]; }
    const T& operator[](std::size_t i) const { return blocks_[i >> blockBits][i & (blockSize - 1)]; }
    T& back() { return (*this)[size_ - 1]; }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

private:
    // The fewest values, a power of two, that fill a huge page.
    static constexpr unsigned blockBits = [] {
        unsigned bits = 0;
        while ((std::size_t{1} << bits) * sizeof(T) < hugePageBytes) ++bits;
        return bits;
    }();
    static constexpr std::size_t blockSize = std::size_t{1} << blockBits;

    std::vector<LargeBlock<T>> blocks_;
    std::size_t size_ = 0;
};

}  // namespace varnel::containers
