#include "store/StoredTime.h"

namespace varnel::store {

namespace {

void putTwoDigits(char* out, int value) {
    out[0] = static_cast<char>('0' + value / 10);
    out[1] = static_cast<char>('0' + value % 10);
}

bool readDigits(std::string_view text, std::size_t at, std::size_t count, int& value) {
    value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

}  // namespace

int64_t StoredTime::daysSinceEpoch() const {
    // Days from civil date (proleptic Gregorian), after H. Hinnant.
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int mp = (month + 9) % 12;
    const int doy = (153 * mp + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return static_cast<int64_t>(era) * 146097 + doe - 719468;
}

StoredTime::Text StoredTime::text() const {
    Text out;
    const int y = year;
    out[0] = static_cast<char>('0' + y / 1000 % 10);
    out[1] = static_cast<char>('0' + y / 100 % 10);
    putTwoDigits(&out[2], y % 100);
    out[4] = '-';
    putTwoDigits(&out[5], month);
    out[7] = '-';
    putTwoDigits(&out[8], day);
    out[10] = ' ';
    putTwoDigits(&out[11], hour);
    out[13] = ':';
    putTwoDigits(&out[14], minute);
    out[16] = ':';
    putTwoDigits(&out[17], second);
    return out;
}

std::array<char, 8> StoredTime::timeOfDayText() const {
    std::array<char, 8> out;
    putTwoDigits(&out[0], hour);
    out[2] = ':';
    putTwoDigits(&out[3], minute);
    out[5] = ':';
    putTwoDigits(&out[6], second);
    return out;
}

QDateTime StoredTime::toQDateTime() const { return QDateTime(QDate(year, month, day), QTime(hour, minute, second)); }

StoredTime StoredTime::fromQDateTime(const QDateTime& value) {
    const QDate d = value.date();
    const QTime t = value.time();
    return {static_cast<int16_t>(d.year()), static_cast<int8_t>(d.month()),  static_cast<int8_t>(d.day()),
            static_cast<int8_t>(t.hour()),  static_cast<int8_t>(t.minute()), static_cast<int8_t>(t.second())};
}

bool parseStoredTime(std::string_view text, StoredTime& out) {
    if (text.size() != StoredTime::textLength || text[4] != '-' || text[7] != '-' || text[10] != ' ' ||
        text[13] != ':' || text[16] != ':')
        return false;
    int y, mo, d, h, mi, s;
    if (!readDigits(text, 0, 4, y) || !readDigits(text, 5, 2, mo) || !readDigits(text, 8, 2, d) ||
        !readDigits(text, 11, 2, h) || !readDigits(text, 14, 2, mi) || !readDigits(text, 17, 2, s))
        return false;
    out = {static_cast<int16_t>(y), static_cast<int8_t>(mo), static_cast<int8_t>(d),
           static_cast<int8_t>(h),  static_cast<int8_t>(mi), static_cast<int8_t>(s)};
    return true;
}

}  // namespace varnel::store
