// Number conversions of log fields.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace varnel::ingest {

// The numeric prefix of a field: leading blanks skipped, an optional sign,
// digits with at most one decimal point, read up to the first character that
// cannot continue the number. A field with no leading number reads as 0.
double leadingNumber(std::string_view field);

// The value rounded to the nearest integer (a half to the even neighbour);
// nothing when it does not fit a signed 16-bit integer.
std::optional<int16_t> roundToInt16(double value);

}  // namespace varnel::ingest
