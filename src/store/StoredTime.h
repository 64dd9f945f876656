// A calendar date and time of day as the report database stores it
// (text "YYYY-MM-DD HH:MM:SS"), with the small arithmetic the parser needs.
#pragma once

#include <QDateTime>
#include <array>
#include <compare>
#include <cstdint>
#include <string_view>

namespace varnel::store {

inline constexpr int secondsPerDay = 24 * 60 * 60;

// Eight bytes in one aligned word, the last always 0, so that a copy moves
// one word: seven bytes are moved piecewise, and reading them back at once
// stalls the processor until every piece is written.
struct alignas(8) StoredTime {
    int16_t year = 1899;
    int8_t month = 12;
    int8_t day = 30;
    int8_t hour = 0;
    int8_t minute = 0;
    int8_t second = 0;
    int8_t filler = 0;

    // Midnight of day zero: the time a file's lines start from before any
    // time stamp has converted.
    static constexpr StoredTime zero() { return {}; }

    int secondsOfDay() const { return hour * 3600 + minute * 60 + second; }
    int minuteOfDay() const { return hour * 60 + minute; }

    // Whole days since 1 January 1970; used for spans that cross midnight.
    int64_t daysSinceEpoch() const;
    int64_t secondsSinceEpoch() const { return daysSinceEpoch() * secondsPerDay + secondsOfDay(); }

    static constexpr std::size_t textLength = 19;
    using Text = std::array<char, textLength>;
    // "YYYY-MM-DD HH:MM:SS"
    Text text() const;
    // "HH:MM:SS"
    std::array<char, 8> timeOfDayText() const;

    QDateTime toQDateTime() const;
    static StoredTime fromQDateTime(const QDateTime& value);

    auto operator<=>(const StoredTime&) const = default;
};

// Parses the stored text form; false when the text is not of that form.
bool parseStoredTime(std::string_view text, StoredTime& out);

}  // namespace varnel::store
