// Exit status of varnel-report.
#pragma once

namespace varnel::cli {

inline constexpr int exitDone = 0;
inline constexpr int exitFailure = 1;
inline constexpr int exitBadArguments = 2;
inline constexpr int exitNoUsableData = 3;

}  // namespace varnel::cli
