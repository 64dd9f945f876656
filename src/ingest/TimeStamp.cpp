#include "ingest/TimeStamp.h"

#include "text/AsciiCase.h"

namespace varnel::ingest {

namespace {

class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    // Reads between minDigits and maxDigits decimal digits.
    bool number(int minDigits, int maxDigits, int& value) {
        value = 0;
        int n = 0;
        while (n < maxDigits && pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            value = value * 10 + (text_[pos_] - '0');
            ++pos_;
            ++n;
        }
        return n >= minDigits;
    }
    bool literal(char c) {
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool atEnd() const { return pos_ == text_.size(); }
    std::string_view rest() const { return text_.substr(pos_); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int y, int m) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeapYear(y) ? 29 : days[m - 1];
}

std::optional<store::StoredTime> build(int y, int mo, int d, int h, int mi, int s) {
    if (y < 100 || y > 9999 || mo < 1 || mo > 12 || d < 1 || d > daysInMonth(y, mo) || h > 23 || mi > 59 || s > 59)
        return std::nullopt;
    return store::StoredTime{static_cast<int16_t>(y), static_cast<int8_t>(mo), static_cast<int8_t>(d),
                             static_cast<int8_t>(h),  static_cast<int8_t>(mi), static_cast<int8_t>(s)};
}

// H:MM:SS with an optional " AM" or " PM" after it, to the end of the text.
bool timeOfDay(Cursor& c, int& h, int& mi, int& s, bool allowMeridiem) {
    if (!c.number(1, 2, h) || !c.literal(':') || !c.number(2, 2, mi) || !c.literal(':') || !c.number(2, 2, s))
        return false;
    if (c.atEnd()) return true;
    if (!allowMeridiem || !c.literal(' ')) return false;
    const std::string_view meridiem = c.rest();
    const bool pm = text::equalsIgnoringAsciiCase(meridiem, "PM");
    if (!pm && !text::equalsIgnoringAsciiCase(meridiem, "AM")) return false;
    if (h < 1 || h > 12) return false;
    h = (h % 12) + (pm ? 12 : 0);
    return true;
}

}  // namespace

std::optional<store::StoredTime> parseTimeStamp(std::string_view text) {
    int y, mo, d, h, mi, s;
    {
        Cursor c(text);
        if (c.number(1, 2, mo) && c.literal('/') && c.number(1, 2, d) && c.literal('/') && c.number(4, 4, y) &&
            c.literal(' ') && timeOfDay(c, h, mi, s, true))
            return build(y, mo, d, h, mi, s);
    }
    Cursor c(text);
    if (c.number(4, 4, y) && c.literal('-') && c.number(2, 2, mo) && c.literal('-') && c.number(2, 2, d) &&
        (c.literal(' ') || c.literal('T')) && timeOfDay(c, h, mi, s, false))
        return build(y, mo, d, h, mi, s);
    return std::nullopt;
}

}  // namespace varnel::ingest
