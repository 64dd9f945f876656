// One fuzz input at a time, as the libFuzzer targets in fuzz/ and the replay
// of the inputs that once failed (FuzzRegressionTest) both use it. Each call
// gives an empty text when the input was handled soundly, else what broke.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace varnel::fuzz {

// Parses the bytes as one call log, held in memory, into a throw-away working
// database whose rows are rolled back afterwards.
std::string parseCallLog(const uint8_t* data, std::size_t size);

// Takes the bytes as a file name and as a day entry: the day read from a log
// file name must come back from its day entry, and a file of that name must
// be listed under its day.
std::string checkDayNames(const uint8_t* data, std::size_t size);

// Takes the bytes as a language pack: one that passes the structure check is
// read by Qt, and its texts and other lookups in its context must stay
// within the input.
std::string loadLanguagePack(const uint8_t* data, std::size_t size);

}  // namespace varnel::fuzz
