#include "TrafficDraws.h"

namespace traffic_draws {

std::uint32_t messageSizeBytes(Prng& prng) {
    const std::uint32_t band = prng.below(100);
    if (band < 45) return prng.between(20'000, 100'000);
    if (band < 85) return prng.between(100'000, 500'000);
    return prng.between(500'000, 2'000'000);
}

std::uint32_t queueSeconds(bool nonDelivered, Prng& prng) {
    if (nonDelivered) return prng.between(600, 3600);
    const std::uint32_t band = prng.below(1000);
    if (band < 800) return prng.between(1, 60);
    if (band < 950) return prng.between(60, 600);
    if (band < 995) return prng.between(600, 1800);
    return prng.between(1800, 3600);
}

std::uint32_t callSeconds(std::uint32_t meanSeconds, Prng& prng) {
    const std::uint32_t band = prng.below(100);
    if (band < 75) return prng.between(1, meanSeconds);
    if (band < 95) return prng.between(meanSeconds, 3 * meanSeconds);
    return prng.between(3 * meanSeconds, 8 * meanSeconds);
}

MessageGuid messageGuid(Prng& prng) {
    // Random (version 4, variant 1) identifiers, like the gateway's own.
    const std::uint64_t high = (prng.next() & ~0xF000ULL) | 0x4000ULL;
    const std::uint64_t low = (prng.next() & ~(0x3ULL << 62)) | (0x2ULL << 62);
    return {high, low};
}

}  // namespace traffic_draws
