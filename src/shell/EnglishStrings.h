// The program's own English string table.
#pragma once

#include <array>

namespace varnel::shell {

inline constexpr int englishStringCount = 150;
extern const std::array<const char*, englishStringCount> englishStrings;

}  // namespace varnel::shell
