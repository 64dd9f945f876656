// The program's own English string table.
#pragma once

#include <array>

namespace varnel::shell {

// Texts added after the first 150, by name.
inline constexpr int saveReportPageStringId = 150;  // "Save Report Page..."

inline constexpr int englishStringCount = 151;
extern const std::array<const char*, englishStringCount> englishStrings;

}  // namespace varnel::shell
