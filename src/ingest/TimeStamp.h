// Conversion of a log line's time stamp (field 0). Accepted forms, with one
// or two digit month, day and hour and required seconds:
//   M/D/YYYY H:MM:SS           optionally followed by a blank and AM or PM
//   YYYY-MM-DD HH:MM:SS        or with a T between date and time
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ingest/SameText.h"
#include "store/StoredTime.h"

namespace varnel::ingest {

std::optional<store::StoredTime> parseTimeStamp(std::string_view text);

// Converts the time stamps of a log's lines in turn. Lines of the same second
// share their time stamp text, so the result for the last text is kept and
// given again while the text stays the same.
class TimeStampReader {
public:
    // The result stays valid until the next call.
    const std::optional<store::StoredTime>& read(std::string_view text) {
        if (!hasLast_ || !sameText(text, lastText_)) {
            lastText_.assign(text);
            last_ = parseTimeStamp(text);
            hasLast_ = true;
        }
        return last_;
    }

private:
    std::string lastText_;
    std::optional<store::StoredTime> last_;
    bool hasLast_ = false;
};

}  // namespace varnel::ingest
