#pragma once

#include <cstdint>

#include "CallLogEvents.h"
#include "Prng.h"

// Sizes and durations of single messages and calls. Integer mixtures of
// uniform ranges rather than floating point curves, so the output is the
// same everywhere.
namespace traffic_draws {

// 20 kB to 2 MB, mostly small.
std::uint32_t messageSizeBytes(Prng& prng);

// Seconds a message waits in the queue: mostly under a minute, a few tens of
// minutes. Undeliverable messages wait out their retries first.
std::uint32_t queueSeconds(bool nonDelivered, Prng& prng);

// Seconds a call holds its port, around `meanSeconds` with a tail up to
// about eight times that.
std::uint32_t callSeconds(std::uint32_t meanSeconds, Prng& prng);

MessageGuid messageGuid(Prng& prng);

}  // namespace traffic_draws
