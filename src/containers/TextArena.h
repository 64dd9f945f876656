// Texts kept one after the other in blocks of a fixed size that never move:
// the arena grows without copying what it holds, so millions of texts cost
// their bytes and no more, even while it grows. A block is a huge page.
#pragma once

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "containers/LargeArrays.h"

namespace varnel::containers {

class TextArena {
public:
    // Where an added text starts; a text never spans two blocks, and a text
    // longer than a block takes as many block numbers as it fills.
    uint32_t add(std::string_view text) {
        const std::size_t size = text.size();
        if (size > blockSize) {
            const std::size_t spans = (size + blockSize - 1) / blockSize;
            const std::size_t first = newBlock(spans);
            std::memcpy(blocks_[first].get(), text.data(), size);
            used_ = blockSize;  // the next text starts a block of its own
            return static_cast<uint32_t>(first << blockBits);
        }
        if (blocks_.empty() || used_ + size > blockSize) newBlock(1);
        const auto start = static_cast<uint32_t>((blocks_.size() - 1) << blockBits | used_);
        if (size) std::memcpy(blocks_.back().get() + used_, text.data(), size);
        used_ += size;
        return start;
    }

    std::string_view text(uint32_t start, uint32_t length) const {
        if (length == 0) return {};
        return {blocks_[start >> blockBits].get() + (start & (blockSize - 1)), length};
    }

private:
    // A block of spans block sizes; its number is returned.
    std::size_t newBlock(std::size_t spans) {
        if (blocks_.size() + spans > maxBlocks) throw std::length_error("identifier texts exceed 4 GB");
        const std::size_t first = blocks_.size();
        blocks_.emplace_back(spans * blockSize);
        for (std::size_t s = 1; s < spans; ++s) blocks_.emplace_back();
        used_ = 0;
        return first;
    }

    static constexpr unsigned blockBits = 21;
    static constexpr std::size_t blockSize = std::size_t{1} << blockBits;
    static constexpr std::size_t maxBlocks = std::size_t{1} << (32 - blockBits);

    std::vector<LargeBlock<char>> blocks_;
    std::size_t used_ = 0;
};

}  // namespace varnel::containers
