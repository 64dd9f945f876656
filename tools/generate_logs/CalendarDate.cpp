#include "CalendarDate.h"

#include <cstdio>

namespace {

std::optional<int> parseDigits(std::string_view text) {
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

std::optional<CalendarDate> CalendarDate::parseIso(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto year = parseDigits(text.substr(0, 4));
    const auto month = parseDigits(text.substr(5, 2));
    const auto day = parseDigits(text.substr(8, 2));
    if (!year || !month || !day || *year < 1900 || *month < 1 || *month > 12) return std::nullopt;
    if (*day < 1 || *day > daysInMonth(*year, *month)) return std::nullopt;
    return CalendarDate{*year, *month, *day};
}

std::string CalendarDate::compact() const {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", year, month, day);
    return text;
}

std::string CalendarDate::monthDayYear() const {
    char text[16];
    std::snprintf(text, sizeof text, "%d/%d/%04d", month, day, year);
    return text;
}
