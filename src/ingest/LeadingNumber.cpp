#include "ingest/LeadingNumber.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace varnel::ingest {

double leadingNumber(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && (field[i] == ' ' || field[i] == '\t')) ++i;
    const std::size_t start = i;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) ++i;

    // Fast path: plain integers, the common case in a log.
    uint64_t whole = 0;
    std::size_t digits = 0;
    while (i < field.size() && field[i] >= '0' && field[i] <= '9' && digits < 18) {
        whole = whole * 10 + static_cast<uint64_t>(field[i] - '0');
        ++i;
        ++digits;
    }
    const bool more = i < field.size() && (field[i] == '.' || (field[i] >= '0' && field[i] <= '9'));
    if (!more) {
        const double value = static_cast<double>(whole);
        return field.size() > start && field[start] == '-' ? -value : value;
    }

    // General path: digits with one decimal point, converted by strtod.
    std::size_t end = i;
    bool point = false;
    while (end < field.size()) {
        const char c = field[end];
        if (c >= '0' && c <= '9') {
            ++end;
        } else if (c == '.' && !point) {
            point = true;
            ++end;
        } else {
            break;
        }
    }
    const std::string number(field.substr(start, end - start));
    return std::strtod(number.c_str(), nullptr);
}

std::optional<int16_t> roundToInt16(double value) {
    const double rounded = std::nearbyint(value);  // default rounding: half to even
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) return std::nullopt;
    return static_cast<int16_t>(rounded);
}

}  // namespace varnel::ingest
