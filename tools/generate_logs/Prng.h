#pragma once

#include <cstdint>

// SplitMix64: a tiny generator whose output depends only on the seed, so a
// generated day is byte-identical on every compiler and standard library.
class Prng {
public:
    explicit Prng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, bound) for 0 < bound < 2^32.
    std::uint32_t below(std::uint32_t bound) { return static_cast<std::uint32_t>(((next() >> 32) * bound) >> 32); }

    // Uniform in [low, high].
    std::uint32_t between(std::uint32_t low, std::uint32_t high) { return low + below(high - low + 1); }

    // True with probability perMille / 1000.
    bool chancePerMille(std::uint32_t perMille) { return below(1000) < perMille; }

private:
    std::uint64_t state_;
};
