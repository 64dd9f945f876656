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
// nothing when it does not fit a signed 16-bit integer. Rounded by hand
// rather than by the library's nearbyint, and inline, so that the result
// needs no call and no trip through memory: the part of the value after
// its whole number is exact in a double, so comparing it with one half
// decides.
inline std::optional<int16_t> roundToInt16(double value) {
    // Just these values round into the range, a half at each edge to the
    // even neighbour: -32768.5 to -32768, 32767.5 to 32768.
    if (!(value >= -32768.5 && value < 32767.5)) return std::nullopt;
    int rounded = static_cast<int>(value);  // toward zero
    const double rest = value - rounded;
    const bool odd = (rounded & 1) != 0;
    if (rest > 0.5 || (rest == 0.5 && odd))
        ++rounded;
    else if (rest < -0.5 || (rest == -0.5 && odd))
        --rounded;
    return static_cast<int16_t>(rounded);
}

}  // namespace varnel::ingest
