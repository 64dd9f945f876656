#include "ingest/LeadingNumber.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace varnel::ingest {

namespace {

bool isDigit(char c) { return static_cast<unsigned char>(c - '0') < 10; }

}  // namespace

double leadingNumber(std::string_view field) {
    const char* p = field.data();
    const char* const end = p + field.size();
    while (p != end && (*p == ' ' || *p == '\t')) ++p;
    const char* const start = p;
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '+' || *p == '-')) ++p;

    // Fast path: plain integers of up to 18 digits, the common case in a log.
    const char* const fastEnd = p + std::min<std::ptrdiff_t>(end - p, 18);
    uint64_t whole = 0;
    while (p != fastEnd && isDigit(*p)) {
        whole = whole * 10 + static_cast<uint64_t>(*p - '0');
        ++p;
    }
    if (p == end || (*p != '.' && !isDigit(*p))) {
        const double value = static_cast<double>(whole);
        return negative ? -value : value;
    }

    // General path: digits with one decimal point, converted by strtod.
    bool point = false;
    while (p != end && (isDigit(*p) || (*p == '.' && !point))) {
        if (*p == '.') point = true;
        ++p;
    }
    const std::string number(start, p);
    return std::strtod(number.c_str(), nullptr);
}

std::optional<int16_t> roundToInt16(double value) {
    const double rounded = std::nearbyint(value);  // default rounding: half to even
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) return std::nullopt;
    return static_cast<int16_t>(rounded);
}

}  // namespace varnel::ingest
