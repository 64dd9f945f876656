#include "text/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace varnel::text {

namespace {

// Digits of |value| rounded to 15 significant digits, without exponent,
// trailing zeros of the fraction removed.
std::string plainDigits(double magnitude) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);
    // buffer: d.dddddddddddddde[+-]XX
    std::string mantissa(1, buffer[0]);
    mantissa.append(buffer + 2, 14);
    const int exponent = std::atoi(std::strchr(buffer, 'e') + 1);
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

    std::string out;
    out.reserve(40);
    if (exponent < 0) {
        out.push_back('.');
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out.append(mantissa);
        return out;
    }
    const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
    for (std::size_t i = 0; i < std::max(integerDigits, mantissa.size()); ++i) {
        if (i == integerDigits) out.push_back('.');
        out.push_back(i < mantissa.size() ? mantissa[i] : '0');
    }
    return out;
}

}  // namespace

QString numberText(double value) {
    const bool negative = value < 0 && std::isfinite(value);
    return (negative ? QString() : QStringLiteral(" ")) + trimmedNumberText(value);
}

QString trimmedNumberText(double value) {
    QByteArray text;
    appendTrimmedNumberText(value, text);
    return QString::fromLatin1(text);
}

void appendTrimmedNumberText(double value, QByteArray& out) {
    if (value == 0 || !std::isfinite(value)) {
        out += '0';
        return;
    }
    if (value < 0) out += '-';
    const double magnitude = std::fabs(value);
    // Whole numbers of at most 15 digits are their own digits: no rounding
    // to do, and most report cells are such counts and serial numbers.
    if (magnitude < 1e15 && magnitude == std::trunc(magnitude)) {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<int64_t>(magnitude)).ptr;
        out.append(digits, end - digits);
        return;
    }
    const std::string digits = plainDigits(magnitude);
    out.append(digits.data(), static_cast<qsizetype>(digits.size()));
}

}  // namespace varnel::text
