// Conversion of a log line's time stamp (field 0). Accepted forms, with one
// or two digit month, day and hour and required seconds:
//   M/D/YYYY H:MM:SS           optionally followed by a blank and AM or PM
//   YYYY-MM-DD HH:MM:SS        or with a T between date and time
#pragma once

#include "store/StoredTime.h"

#include <optional>
#include <string_view>

namespace varnel::ingest {

std::optional<store::StoredTime> parseTimeStamp(std::string_view text);

}  // namespace varnel::ingest
