#pragma once

#include <optional>
#include <string>
#include <string_view>

struct CalendarDate {
    int year;
    int month;
    int day;

    // "YYYY-MM-DD", a real date in years 1900..9999.
    static std::optional<CalendarDate> parseIso(std::string_view text);

    // "YYYYMMDD", as in call log file names.
    std::string compact() const;

    // "M/D/YYYY", as in call log time stamps.
    std::string monthDayYear() const;
};
